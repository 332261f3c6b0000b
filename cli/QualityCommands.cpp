// orvan-cli control-verdicts, cusum and conformity: the verdicts of a controlled period, the
// tabular CUSUM of party strengths and the conformity of a sequence of results.
#include "cli/Commands.h"
#include "common/NumberText.h"
#include "strength_control/calc/Conformity.h"
#include "strength_control/calc/ControlChart.h"
#include "strength_control/calc/ControlVerdicts.h"
#include "strength_control/calc/Cusum.h"
#include "strength_control/calc/StrengthList.h"

namespace orvan::cli {

namespace {

namespace ctl = orvan::control;

const CliOption kStrengths{"strengths",
                           "the strengths in MPa, in order: 25,26,24 (with a comma as decimal "
                           "separator: 25,5;26;24)",
                           true};

// A number option, or `fallback` when not given; throws Fault for a text that is no number.
std::optional<double> numberOption(const CliRequest& request, const std::string& name,
                                   std::optional<double> fallback = std::nullopt) {
    if (!request.has(name)) return fallback;
    return textToFloat(request.option(name), request.format);
}

std::string integersJson(const std::vector<int>& values) {
    std::vector<std::string> written;
    for (int v : values) written.push_back(std::to_string(v));
    return jsonArray(written);
}

CliResult runCusumCommand(const CliRequest& request) {
    const auto target = numberOption(request, "target");
    const auto sigma = numberOption(request, "sigma");
    if (!target) return refusedResult("The target mean T is needed (--target).");
    if (!sigma) return refusedResult("The standard deviation s is needed (--sigma).");
    const ctl::StrengthList list =
        ctl::parseStrengthList(request.option("strengths"), request.format);
    if (!list.ok) return failedResult(list.message);
    const ctl::CusumInputs in{*target, *sigma, *numberOption(request, "k", 0.5),
                              *numberOption(request, "h", 5.0), list.values};
    return resultOf(
        ctl::runCusum(in, request.format), [](JsonObject& json, const ctl::CusumResult& r) {
            std::vector<std::string> signals;
            for (const ctl::CusumSignal& s : r.signalList)
                signals.push_back(JsonObject()
                                      .integer("party", s.party)
                                      .string("side", s.side == ctl::CusumSide::Up ? "up" : "down")
                                      .str());
            json.numbers("upper", r.upper)
                .numbers("lower", r.lower)
                .raw("signals", jsonArray(signals))
                .number("decisionInterval", r.decisionInterval)
                .number("referenceValue", r.referenceValue);
        });
}

std::string criteriaJson(const std::vector<ctl::Criterion>& list) {
    std::vector<std::string> criteria;
    for (const ctl::Criterion& c : list)
        criteria.push_back(JsonObject()
                               .string("name", c.name)
                               .boolean("passed", c.passed)
                               .number("value", c.value)
                               .number("limit", c.limit)
                               .str());
    return jsonArray(criteria);
}

void conformityJson(JsonObject& json, const ctl::ConformityResult& r, ctl::ConformityRule rule) {
    json.boolean("conforms", r.conforms)
        .raw("criteria", criteriaJson(r.criteria))
        .raw("failingResults", integersJson(r.failingResults));
    if (!r.groups.empty()) {
        std::vector<std::string> groups;
        for (const ctl::ResultGroup& g : r.groups)
            groups.push_back(JsonObject()
                                 .integer("first", g.first)
                                 .boolean("conforms", g.conforms)
                                 .raw("criteria", criteriaJson(g.criteria))
                                 .str());
        json.raw("groups", jsonArray(groups));
    }
    if (const auto& c = r.sigmaCheck)
        json.raw("sigmaCheck", JsonObject()
                                   .number("s15", c->s15)
                                   .number("low", c->low)
                                   .number("high", c->high)
                                   .boolean("valid", c->valid)
                                   .str());
    if (rule == ctl::ConformityRule::Aci318)
        json.boolean("averagesAssessable", r.averagesAssessable)
            .raw("failingAverages", integersJson(r.failingAverages));
}

CliResult runConformityCommand(const CliRequest& request) {
    const auto rule = ctl::ruleFromName(request.option("rule"));
    if (!rule)
        return refusedResult("Unknown rule '" + request.option("rule") +
                             "': write en206-initial, en206-continuous or aci318.");
    const auto specimen = request.has("specimen")
                              ? ctl::specimenFromName(request.option("specimen"))
                              : std::optional<ctl::Specimen>(ctl::Specimen::Cylinder);
    if (!specimen)
        return refusedResult("Unknown specimen '" + request.option("specimen") +
                             "': write cylinder or cube.");
    const auto specified = numberOption(request, "specified");
    if (!specified) return refusedResult("The specified strength is needed (--specified).");
    const ctl::StrengthList list =
        ctl::parseStrengthList(request.option("strengths"), request.format);
    if (!list.ok) return failedResult(list.message);
    const ctl::ConformityOutcome out = ctl::checkConformity(
        {*rule, *specified, numberOption(request, "sigma"), list.values, *specimen},
        request.format);
    return resultOf(out, [&](JsonObject& json, const ctl::ConformityResult& r) {
        conformityJson(json, r, *rule);
    });
}

CliResult runVerdictsCommand(const CliRequest& request) {
    const ctl::StrengthList list =
        ctl::parseStrengthList(request.option("strengths"), request.format);
    if (!list.ok) return failedResult(list.message);
    FieldTexts texts = request.formTexts(ctl::controlForm());
    // The number of parties is the number of strengths given.
    texts["edCountParty"] = std::to_string(list.values.size());
    const ctl::ChartOutcome chart = ctl::buildControlChart(
        texts,
        [&](int i, const std::string&) {
            return formatGeneral15(list.values[static_cast<std::size_t>(i - 1)], request.format);
        },
        request.format);
    const auto figures = ctl::chartFigures(chart);
    if (!chart.ok()) return failedResult(chart.message);
    if (!figures || figures->strengths.empty())
        return refusedResult("No strengths of parties were given.");
    const ctl::PeriodVerdicts v = ctl::judgePeriod(figures->limits, figures->strengths);
    CliResult result = doneResult(ctl::verdictReportLines(figures->limits, v, request.format));
    std::vector<std::string> verdicts;
    for (ctl::Verdict verdict : v.verdicts) verdicts.push_back(ctl::verdictText(verdict));
    result.values.numbers("strengths", v.strengths)
        .strings("verdicts", verdicts)
        .integer("aboveWarning", v.aboveWarning)
        .integer("belowWarning", v.belowWarning)
        .integer("aboveCorrecting", v.aboveCorrecting)
        .integer("belowCorrecting", v.belowCorrecting)
        .number("mean", v.mean)
        .optionalNumber("deviation", v.deviation)
        .optionalNumber("variation", v.variation);
    return result;
}

}  // namespace

CliCommand cusumCommand() {
    return {"cusum",
            "tabular CUSUM of party strengths: upper and lower sums and their signals",
            {},
            {{"target", "target mean T, MPa", true},
             {"sigma", "standard deviation s, MPa", true},
             {"k", "reference value K = k*s (default 0.5)", true},
             {"h", "decision interval H = h*s (default 5)", true},
             kStrengths},
            runCusumCommand};
}

CliCommand conformityCommand() {
    return {"conformity",
            "conformity of compressive strength by en206-initial, en206-continuous or aci318",
            {},
            {{"rule", "en206-initial, en206-continuous or aci318", true},
             {"specified", "specified strength fck or f'c, MPa", true},
             {"sigma", "standard deviation s, MPa (en206-continuous)", true},
             {"specimen", "what fck or f'c was measured on: cylinder (default) or cube", true},
             kStrengths},
            runConformityCommand};
}

CliCommand controlVerdictsCommand() {
    return {"control-verdicts",
            "verdicts of a controlled period: each party against the warning and correcting limits",
            {ctl::controlForm()},
            {kStrengths},
            runVerdictsCommand};
}

}  // namespace orvan::cli
