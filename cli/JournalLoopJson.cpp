#include "cli/JournalLoopJson.h"

namespace orvan::cli {

namespace {

namespace ctl = orvan::control;

std::string sideName(ctl::CusumSide side) {
    return side == ctl::CusumSide::Up ? "up" : "down";
}

template <class Item, class Write>
std::string arrayOf(const std::vector<Item>& items, Write write) {
    std::vector<std::string> written;
    written.reserve(items.size());
    for (const Item& item : items) {
        JsonObject json;
        write(json, item);
        written.push_back(json.str());
    }
    return jsonArray(written);
}

std::string signalJson(const std::optional<ctl::PredictedSignal>& s) {
    if (!s) return "null";
    JsonObject json;
    json.integer("position", s->index)
        .string("party", s->party)
        .string("date", s->date)
        .string("side", sideName(s->side))
        .string("due", s->due)
        .raw("daysBefore", s->daysBefore ? std::to_string(*s->daysBefore) : "null");
    return json.str();
}

}  // namespace

void fillEarlyAge(JsonObject& json, const ctl::EarlyAgePrediction& v) {
    const ctl::EarlyAgeRelation& r = v.relation;
    JsonObject relation;
    relation.number("intercept", r.intercept)
        .number("slope", r.slope)
        .number("residualSd", r.residualSd)
        .optionalNumber("correlation", r.correlation)
        .integer("parties", r.parties);
    json.raw("relation", relation.str())
        .raw("predicted", arrayOf(v.predicted, [](JsonObject& j, const ctl::PredictedParty& p) {
                 j.string("party", p.party)
                     .string("date", p.date)
                     .number("early", p.early)
                     .number("strength", p.strength);
             }));
}

void fillSeriesCusum(JsonObject& json, const ctl::SeriesCusum& v) {
    const ctl::CusumResult& r = v.cusum;
    json.numbers("upper", r.upper)
        .numbers("lower", r.lower)
        .raw("signals", arrayOf(r.signalList,
                                [](JsonObject& j, const ctl::CusumSignal& s) {
                                    j.integer("party", s.party).string("side", sideName(s.side));
                                }))
        .number("decisionInterval", r.decisionInterval)
        .number("referenceValue", r.referenceValue)
        .raw("parties", arrayOf(v.parties,
                                [](JsonObject& j, const ctl::SeriesPartyMark& p) {
                                    j.string("party", p.party)
                                        .string("date", p.date)
                                        .boolean("predicted", p.predicted);
                                }))
        .raw("firstPredictedSignal", signalJson(v.firstPredictedSignal));
}

void fillDesignCorrection(JsonObject& json, const correction::DesignCorrection& v) {
    JsonObject inputs;
    inputs
        .raw("points", arrayOf(v.points,
                               [](JsonObject& j, const correction::DesignPoint& p) {
                                   j.string("design", p.design)
                                       .integer("parties", p.parties)
                                       .number("strength", p.strength)
                                       .number("cementWaterRatio", p.cementWaterRatio);
                               }))
        .number("required", v.required)
        .number("water", v.water);
    json.raw("inputs", inputs.str())
        .number("cementWaterRatio", v.correction.ratio)
        .number("cementContent", v.correction.cement)
        .number("waterContent", v.correction.water);
    if (v.line) {
        JsonObject line;
        line.integer("parties", v.line->parties)
            .number("slope", v.line->slope)
            .number("intercept", v.line->intercept)
            .optionalNumber("correlation", v.line->correlation);
        json.raw("line", line.str());
    }
}

CliResult earlyAgeResult(const Outcome<ctl::EarlyAgePrediction>& outcome) {
    return resultOf(outcome, fillEarlyAge);
}

CliResult seriesCusumResult(const Outcome<ctl::SeriesCusum>& outcome) {
    return resultOf(outcome, fillSeriesCusum);
}

CliResult designCorrectionResult(const Outcome<correction::DesignCorrection>& outcome) {
    return resultOf(outcome, fillDesignCorrection);
}

}  // namespace orvan::cli
