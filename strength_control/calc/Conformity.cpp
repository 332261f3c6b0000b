#include "strength_control/calc/Conformity.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "strength_control/calc/ShownNumbers.h"

namespace orvan::control {

namespace {

// EN 206 margins, MPa.
constexpr double kEnInitialMargin = 4.0;
constexpr double kEnSingleMargin = 4.0;
constexpr double kEnContinuousFactor = 1.48;
constexpr std::size_t kEnGroup = 3;
constexpr std::size_t kEnContinuousCount = 15;
// EN 206 continuous production: s holds while s15 lies within these shares of it.
constexpr double kSigmaLowShare = 0.63;
constexpr double kSigmaHighShare = 1.37;
// ACI 318 single-result limits: f'c - 3.5 MPa up to f'c = 35 MPa, 0.90 f'c above.
constexpr double kAciSplit = 35.0;
constexpr double kAciMargin = 3.5;
constexpr double kAciShare = 0.90;
constexpr std::size_t kAciRun = 3;
// The decimals of the numbers on a verdict line, unless more are needed to tell them apart.
constexpr int kVerdictDecimals = 2;

// Results typed in decimals are not exact in binary: a mean that equals its limit on paper
// (34.44 against 30 + 1.48 * 3) may fall a few units in the last place short of it.
bool atLeast(double value, double limit) {
    return value >= limit - 1e-9 * std::max(1.0, std::fabs(limit));
}

Criterion criterion(const std::string& name, double value, double limit) {
    return {name, atLeast(value, limit), value, limit};
}

double mean(const std::vector<double>& xs) {
    double sum = 0;
    for (double x : xs) sum += x;
    return sum / static_cast<double>(xs.size());
}

// The sample standard deviation (n - 1) of the last `count` values, MPa.
double lastDeviation(const std::vector<double>& xs, std::size_t count) {
    const std::vector<double> last(xs.end() - static_cast<std::ptrdiff_t>(count), xs.end());
    const double m = mean(last);
    double squares = 0;
    for (double x : last) squares += (x - m) * (x - m);
    return std::sqrt(squares / static_cast<double>(count - 1));
}

std::string span(std::size_t first, std::size_t last) {
    return reportText("results %1 to %2", {std::to_string(first), std::to_string(last)});
}

// The single-result criterion and the positions that fail it.
void addSingleResults(ConformityResult& r, const std::vector<double>& xs, double limit) {
    r.criteria.push_back(
        criterion(reportText("lowest result"), *std::min_element(xs.begin(), xs.end()), limit));
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (!atLeast(xs[i], limit)) r.failingResults.push_back(static_cast<int>(i + 1));
}

// Initial production: the groups of three in order; one group is the whole assessment.
void addGroups(ConformityResult& r, const std::vector<double>& xs, double f) {
    if (xs.size() == kEnGroup) {
        r.criteria.push_back(criterion(reportText("mean"), mean(xs), f + kEnInitialMargin));
        addSingleResults(r, xs, f - kEnSingleMargin);
        return;
    }
    for (std::size_t i = 0; i < xs.size(); i += kEnGroup) {
        const std::vector<double> group(xs.begin() + i, xs.begin() + i + kEnGroup);
        const std::string which = span(i + 1, i + kEnGroup);
        ResultGroup g{
            static_cast<int>(i + 1),
            false,
            {criterion(reportText("mean of %1", {which}), mean(group), f + kEnInitialMargin),
             criterion(reportText("lowest of %1", {which}),
                       *std::min_element(group.begin(), group.end()), f - kEnSingleMargin)}};
        g.conforms = g.criteria[0].passed && g.criteria[1].passed;
        r.criteria.insert(r.criteria.end(), g.criteria.begin(), g.criteria.end());
        r.groups.push_back(std::move(g));
    }
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (!atLeast(xs[i], f - kEnSingleMargin)) r.failingResults.push_back(int(i + 1));
}

SigmaCheck checkSigma(const std::vector<double>& xs, double sigma) {
    SigmaCheck c;
    c.s15 = lastDeviation(xs, kEnContinuousCount);
    c.low = kSigmaLowShare * sigma;
    c.high = kSigmaHighShare * sigma;
    c.valid = atLeast(c.s15, c.low) && atLeast(c.high, c.s15);
    return c;
}

void addAverages(ConformityResult& r, const std::vector<double>& xs, double f) {
    r.averagesAssessable = xs.size() >= kAciRun;
    if (!r.averagesAssessable) return;
    double lowest = 0;
    for (std::size_t i = 0; i + kAciRun <= xs.size(); ++i) {
        const double average = (xs[i] + xs[i + 1] + xs[i + 2]) / 3.0;
        if (i == 0 || average < lowest) lowest = average;
        if (!atLeast(average, f)) r.failingAverages.push_back(static_cast<int>(i + 1));
    }
    r.criteria.push_back(criterion(reportText("lowest average of three consecutive"), lowest, f));
}

std::string refusal(const ConformityInputs& in, RuleNaming naming) {
    if (!(in.specified > 0)) return reportText("The specified strength must be greater than zero.");
    if (in.sigma && !(*in.sigma > 0))
        return reportText("The standard deviation s must be greater than zero.");
    const std::size_t n = in.results.size();
    const std::string rule =
        reportText("The rule ") +
        (naming == RuleNaming::Word ? ruleName(in.rule) : reportText(ruleShortCaption(in.rule)));
    const std::string given =
        reportText(n == 1 ? "; %1 was given." : "; %1 were given.", {std::to_string(n)});
    switch (in.rule) {
        case ConformityRule::En206Initial:
            return n > 0 && n % kEnGroup == 0
                       ? ""
                       : rule + reportText(" needs 3, 6, 9, ... results (groups of three)") + given;
        case ConformityRule::En206Continuous:
            if (n < kEnContinuousCount)
                return rule + reportText(" needs at least 15 results") + given;
            if (!in.sigma) return rule + reportText(" needs the standard deviation s.");
            return "";
        case ConformityRule::Aci318:
            return n > 0 ? "" : rule + reportText(" needs at least 1 result") + given;
    }
    return "";
}

ConformityResult evaluate(const ConformityInputs& in) {
    ConformityResult r;
    const double f = in.specified;
    switch (in.rule) {
        case ConformityRule::En206Initial:
            addGroups(r, in.results, f);
            break;
        case ConformityRule::En206Continuous:
            r.criteria.push_back(criterion(reportText("mean"), mean(in.results),
                                           f + kEnContinuousFactor * *in.sigma));
            addSingleResults(r, in.results, f - kEnSingleMargin);
            r.sigmaCheck = checkSigma(in.results, *in.sigma);
            break;
        case ConformityRule::Aci318:
            addAverages(r, in.results, f);
            addSingleResults(r, in.results, f <= kAciSplit ? f - kAciMargin : kAciShare * f);
            break;
    }
    r.conforms = std::all_of(r.criteria.begin(), r.criteria.end(),
                             [](const Criterion& c) { return c.passed; });
    return r;
}

// The first letter as a capital: a Latin one, or a Cyrillic one in UTF-8 (а..п are D0 B0..BF,
// р..я are D1 80..8F; their capitals D0 90..AF).
std::string capitalised(std::string text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    } else if (text.size() > 1 && byte(0) == 0xD0 && byte(1) >= 0xB0 && byte(1) <= 0xBF) {
        text[1] = static_cast<char>(byte(1) - 0x20);
    } else if (text.size() > 1 && byte(0) == 0xD1 && byte(1) >= 0x80 && byte(1) <= 0x8F) {
        text[0] = static_cast<char>(0xD0);
        text[1] = static_cast<char>(byte(1) + 0x20);
    }
    return text;
}

// A failed criterion shows as many decimals as tell its value from its limit.
std::string criterionLine(const Criterion& c, NumberFormat format) {
    const int d = c.passed ? kVerdictDecimals
                           : decimalsTellingApart({{c.value, c.limit}}, kVerdictDecimals, format);
    return capitalised(c.name) + reportText(", MPa: ") + shownNumber(c.value, d, format) +
           reportText(", required at least ") + shownNumber(c.limit, d, format) + " - " +
           reportText(c.passed ? "passed" : "not passed");
}

std::vector<std::string> sigmaCheckLines(const SigmaCheck& c, NumberFormat format) {
    const int d =
        c.valid ? kVerdictDecimals
                : decimalsTellingApart({{c.s15, c.low}, {c.s15, c.high}}, kVerdictDecimals, format);
    std::vector<std::string> lines = {
        reportText("Standard deviation of the latest 15 results s15, MPa: ") +
        shownNumber(c.s15, d, format) + reportText(", required from ") +
        shownNumber(c.low, d, format) + reportText(" to ") + shownNumber(c.high, d, format) +
        " - " + reportText(c.valid ? "passed" : "not passed")};
    if (!c.valid) lines.push_back(reportText("The standard deviation s must be estimated anew"));
    return lines;
}

std::string positions(const std::vector<int>& list) {
    std::string out;
    for (int p : list) out += (out.empty() ? "" : ", ") + std::to_string(p);
    return out;
}

std::string averagesLine(const ConformityResult& r) {
    if (!r.averagesAssessable)
        return reportText(
            "Average of three consecutive results: not yet assessable (fewer than three "
            "consecutive results)");
    if (r.failingAverages.empty())
        return reportText("No average of three consecutive results is below f'c");
    std::string out;
    for (int p : r.failingAverages)
        out += (out.empty() ? "" : ", ") + span(std::size_t(p), std::size_t(p) + kAciRun - 1);
    return reportText("Averages of three consecutive results below f'c: ") + out;
}

std::vector<std::string> headLines(const ConformityInputs& in, NumberFormat format) {
    const bool aci = in.rule == ConformityRule::Aci318;
    std::vector<std::string> lines = {
        "",
        reportText("CONFORMITY OF COMPRESSIVE STRENGTH"),
        "",
        reportText("Rule: ") + reportText(ruleCaption(in.rule)),
        reportText("Edition: ") + ruleEdition(in.rule),
        reportText(aci ? "Specified compressive strength f'c" : "Characteristic strength fck") +
            reportText(", MPa: ") + formatFixed(in.specified, 1, format),
        reportText(in.specimen == Specimen::Cube ? "The specified strength is a cube strength"
                                                 : "The specified strength is a cylinder strength"),
    };
    if (in.rule == ConformityRule::En206Continuous) {
        lines.push_back(reportText("Standard deviation s, MPa: ") +
                        formatFixed(*in.sigma, 2, format));
        lines.insert(lines.end(), in.sigmaSource.begin(), in.sigmaSource.end());
        lines.push_back(reportText(
            "The standard deviation s must come from at least 35 consecutive results taken over "
            "more than three months"));
    }
    lines.push_back(reportText("Number of results: ") + std::to_string(in.results.size()));
    for (std::size_t i = 0; i < in.results.size(); ++i)
        lines.push_back(reportText("Result ") + std::to_string(i + 1) + reportText(", MPa: ") +
                        formatFixed(in.results[i], 1, format));
    lines.push_back("");
    return lines;
}

std::vector<std::string> reportLines(const ConformityInputs& in, const ConformityResult& r,
                                     NumberFormat format) {
    std::vector<std::string> lines = headLines(in, format);
    if (r.groups.empty()) {
        for (const Criterion& c : r.criteria) lines.push_back(criterionLine(c, format));
    } else {
        for (const ResultGroup& g : r.groups) {
            for (const Criterion& c : g.criteria) lines.push_back(criterionLine(c, format));
            const std::string which = capitalised(span(g.first, g.first + kEnGroup - 1));
            lines.push_back(which + reportText(g.conforms ? " conform" : " do not conform"));
        }
    }
    if (r.sigmaCheck)
        for (std::string& line : sigmaCheckLines(*r.sigmaCheck, format))
            lines.push_back(std::move(line));
    if (in.rule == ConformityRule::Aci318) lines.push_back(averagesLine(r));
    lines.push_back("");
    lines.push_back(
        r.failingResults.empty()
            ? reportText("No result is below the limit for single results")
            : reportText("Positions of the results below the limit for single results: ") +
                  positions(r.failingResults));
    lines.push_back(reportText(r.conforms ? "The results conform to the rule"
                                          : "The results do not conform to the rule"));
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
            return "EN 206, initial production (groups of 3 results)";
        case ConformityRule::En206Continuous:
            return "EN 206, continuous production (15 results or more)";
        case ConformityRule::Aci318:
            return "ACI 318 (averages of three consecutive results)";
    }
    return {};
}

std::string ruleShortCaption(ConformityRule rule) {
    switch (rule) {
        case ConformityRule::En206Initial:
            return "EN 206, initial production";
        case ConformityRule::En206Continuous:
            return "EN 206, continuous production";
        case ConformityRule::Aci318:
            return "ACI 318";
    }
    return {};
}

std::string ruleEdition(ConformityRule rule) {
    return rule == ConformityRule::Aci318 ? "ACI 318-19, 26.12.3.1"
                                          : "EN 206:2013+A2:2021, 8.2.1.3";
}

std::optional<Specimen> specimenFromName(const std::string& name) {
    for (Specimen s : {Specimen::Cylinder, Specimen::Cube})
        if (specimenName(s) == name) return s;
    return std::nullopt;
}

std::string specimenName(Specimen specimen) {
    return specimen == Specimen::Cube ? "cube" : "cylinder";
}

ConformityOutcome checkConformity(const ConformityInputs& in, NumberFormat format,
                                  RuleNaming naming) {
    if (std::string why = refusal(in, naming); !why.empty())
        return ConformityOutcome::refused(why, MessageStyle::Message);
    ConformityResult result = evaluate(in);
    std::vector<std::string> lines = reportLines(in, result, format);
    return ConformityOutcome::done(std::move(result), std::move(lines));
}

std::string conformityReportTitle(int windowNumber) {
    return reportText("Statistical control. Conformity. Window №") + std::to_string(windowNumber);
}

}  // namespace orvan::control
