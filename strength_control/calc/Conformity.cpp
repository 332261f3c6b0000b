#include "strength_control/calc/Conformity.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace orvan::control {

namespace {

// EN 206 margins, MPa.
constexpr double kEnInitialMargin = 4.0;
constexpr double kEnSingleMargin = 4.0;
constexpr double kEnContinuousFactor = 1.48;
constexpr std::size_t kEnInitialCount = 3;
constexpr std::size_t kEnContinuousCount = 15;
// ACI 318 single-result limits: f'c - 3.5 MPa up to f'c = 35 MPa, 0.90 f'c above.
constexpr double kAciSplit = 35.0;
constexpr double kAciMargin = 3.5;
constexpr double kAciShare = 0.90;
constexpr std::size_t kAciRun = 3;

// Results typed in decimals are not exact in binary: a mean that equals its limit on paper
// (34.44 against 30 + 1.48 * 3) may fall a few units in the last place short of it.
bool atLeast(double value, double limit) {
    return value >= limit - 1e-9 * std::max(1.0, std::fabs(limit));
}

Criterion criterion(const char* name, double value, double limit) {
    return {name, atLeast(value, limit), value, limit};
}

double mean(const std::vector<double>& xs) {
    double sum = 0;
    for (double x : xs) sum += x;
    return sum / static_cast<double>(xs.size());
}

// The single-result criterion and the positions that fail it.
void addSingleResults(ConformityResult& r, const std::vector<double>& xs, double limit) {
    r.criteria.push_back(
        criterion("lowest result", *std::min_element(xs.begin(), xs.end()), limit));
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (!atLeast(xs[i], limit)) r.failingResults.push_back(static_cast<int>(i + 1));
}

double lowestRunningAverage(const std::vector<double>& xs) {
    double lowest = 0;
    for (std::size_t i = 0; i + kAciRun <= xs.size(); ++i) {
        const double average = (xs[i] + xs[i + 1] + xs[i + 2]) / 3.0;
        if (i == 0 || average < lowest) lowest = average;
    }
    return lowest;
}

std::string refusal(const ConformityInputs& in) {
    const std::size_t n = in.results.size();
    const std::string given = "; " + std::to_string(n) + (n == 1 ? " was given." : " were given.");
    switch (in.rule) {
        case ConformityRule::En206Initial:
            return n == kEnInitialCount ? ""
                                        : "The rule en206-initial needs exactly 3 results" + given;
        case ConformityRule::En206Continuous:
            if (n < kEnContinuousCount)
                return "The rule en206-continuous needs at least 15 results" + given;
            if (!in.sigma) return "The rule en206-continuous needs the standard deviation s.";
            return "";
        case ConformityRule::Aci318:
            return n >= kAciRun ? "" : "The rule aci318 needs at least 3 results" + given;
    }
    return "";
}

ConformityResult evaluate(const ConformityInputs& in) {
    ConformityResult r;
    const double f = in.specified;
    switch (in.rule) {
        case ConformityRule::En206Initial:
            r.criteria.push_back(criterion("mean", mean(in.results), f + kEnInitialMargin));
            addSingleResults(r, in.results, f - kEnSingleMargin);
            break;
        case ConformityRule::En206Continuous:
            r.criteria.push_back(
                criterion("mean", mean(in.results), f + kEnContinuousFactor * *in.sigma));
            addSingleResults(r, in.results, f - kEnSingleMargin);
            break;
        case ConformityRule::Aci318:
            r.criteria.push_back(criterion("lowest average of three consecutive",
                                           lowestRunningAverage(in.results), f));
            addSingleResults(r, in.results, f <= kAciSplit ? f - kAciMargin : kAciShare * f);
            break;
    }
    r.conforms = std::all_of(r.criteria.begin(), r.criteria.end(),
                             [](const Criterion& c) { return c.passed; });
    return r;
}

std::string criterionLine(const Criterion& c, NumberFormat format) {
    std::string name = c.name;
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name + ", MPa: " + formatFixed(c.value, 2, format) + ", required at least " +
           formatFixed(c.limit, 2, format) + " - " + (c.passed ? "passed" : "not passed");
}

std::string positions(const std::vector<int>& list) {
    std::string out;
    for (int p : list) out += (out.empty() ? "" : ", ") + std::to_string(p);
    return out;
}

std::vector<std::string> reportLines(const ConformityInputs& in, const ConformityResult& r,
                                     NumberFormat format) {
    const bool aci = in.rule == ConformityRule::Aci318;
    std::vector<std::string> lines = {
        "",
        "CONFORMITY OF COMPRESSIVE STRENGTH",
        "",
        "Rule: " + ruleCaption(in.rule),
        std::string(aci ? "Specified compressive strength f'c" : "Characteristic strength fck") +
            ", MPa: " + formatFixed(in.specified, 1, format),
    };
    if (in.rule == ConformityRule::En206Continuous)
        lines.push_back("Standard deviation s, MPa: " + formatFixed(*in.sigma, 2, format));
    lines.push_back("Number of results: " + std::to_string(in.results.size()));
    for (std::size_t i = 0; i < in.results.size(); ++i)
        lines.push_back("Result " + std::to_string(i + 1) +
                        ", MPa: " + formatFixed(in.results[i], 1, format));
    lines.push_back("");
    for (const Criterion& c : r.criteria) lines.push_back(criterionLine(c, format));
    lines.push_back("");
    lines.push_back(r.failingResults.empty()
                        ? std::string("No result is below the limit for single results")
                        : "Positions of the results below the limit for single results: " +
                              positions(r.failingResults));
    lines.push_back(r.conforms ? "The results conform to the rule"
                               : "The results do not conform to the rule");
    return lines;
}

}  // namespace

const std::vector<ConformityRule>& allRules() {
    static const std::vector<ConformityRule> rules = {
        ConformityRule::En206Initial, ConformityRule::En206Continuous, ConformityRule::Aci318};
    return rules;
}

std::optional<ConformityRule> ruleFromName(const std::string& name) {
    for (ConformityRule rule : allRules())
        if (ruleName(rule) == name) return rule;
    return std::nullopt;
}

std::string ruleName(ConformityRule rule) {
    switch (rule) {
        case ConformityRule::En206Initial:
            return "en206-initial";
        case ConformityRule::En206Continuous:
            return "en206-continuous";
        case ConformityRule::Aci318:
            return "aci318";
    }
    return {};
}

std::string ruleCaption(ConformityRule rule) {
    switch (rule) {
        case ConformityRule::En206Initial:
            return "EN 206, initial production (3 results)";
        case ConformityRule::En206Continuous:
            return "EN 206, continuous production (15 results or more)";
        case ConformityRule::Aci318:
            return "ACI 318 (averages of three consecutive results)";
    }
    return {};
}

ConformityOutcome checkConformity(const ConformityInputs& in, NumberFormat format) {
    if (std::string why = refusal(in); !why.empty())
        return ConformityOutcome::refused(why, MessageStyle::Message);
    ConformityResult result = evaluate(in);
    std::vector<std::string> lines = reportLines(in, result, format);
    return ConformityOutcome::done(std::move(result), std::move(lines));
}

std::string conformityReportTitle(int windowNumber) {
    return "Statistical control. Conformity. Window №" + std::to_string(windowNumber);
}

}  // namespace orvan::control
