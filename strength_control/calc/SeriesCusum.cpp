#include "strength_control/calc/SeriesCusum.h"

#include "strength_control/calc/IsoDate.h"

namespace orvan::control {

namespace {

using SeriesOutcome = Outcome<SeriesCusum>;

std::optional<PredictedSignal> firstPredicted(const SeriesCusumInputs& in, const CusumResult& r) {
    for (const CusumSignal& s : r.signalList) {
        const SeriesParty& p = in.parties[static_cast<std::size_t>(s.party - 1)];
        if (!p.predicted) continue;
        PredictedSignal out{s.party, s.side, p.party, p.date, p.due, std::nullopt};
        const auto signalDay = isoDayNumber(p.earlyDate.empty() ? p.date : p.earlyDate);
        const auto dueDay = isoDayNumber(p.due);
        if (signalDay && dueDay) out.daysBefore = *dueDay - *signalDay;
        return out;
    }
    return std::nullopt;
}

std::string signalLine(const PredictedSignal& s) {
    const std::string head = "First signal on a predicted strength: party " + s.party + ", " +
                             s.date + " (" + std::to_string(s.index) + "), the " +
                             (s.side == CusumSide::Up ? "upper" : "lower") + " sum";
    if (!s.daysBefore) return head + "; its 28-day result is due " + s.due;
    const long days = *s.daysBefore;
    const long count = days < 0 ? -days : days;
    return head + ", " + std::to_string(count) + (count == 1 ? " day" : " days") +
           (days < 0 ? " after" : " before") + " its 28-day result due " + s.due;
}

}  // namespace

std::vector<SeriesParty> seriesOf(EarlyAgeInputs in, const EarlyAgePrediction& prediction) {
    std::vector<SeriesParty> out;
    out.reserve(in.parties.size());
    auto predicted = prediction.predicted.begin();
    for (EarlyAgeParty& p : in.parties) {
        if (p.strength28) {
            out.push_back({std::move(p.party), std::move(p.date), *p.strength28, false, "", ""});
        } else if (p.early && predicted != prediction.predicted.end()) {
            std::string due = isoDateAfter(p.date, 28);
            std::string early = isoDateAfter(p.date, prediction.earlyAge);
            out.push_back({std::move(p.party), std::move(p.date), predicted->strength, true,
                           std::move(due), std::move(early)});
            ++predicted;
        }
    }
    return out;
}

SeriesOutcome runSeriesCusum(const SeriesCusumInputs& in, NumberFormat format) {
    CusumInputs cusumIn{in.target, in.sigma, in.k, in.h, {}, in.targetSource, in.sigmaSource};
    cusumIn.strengths.reserve(in.parties.size());
    for (const SeriesParty& p : in.parties) cusumIn.strengths.push_back(p.strength);
    // Each row names its party as it is written: " - party 12, 2024-03-01 (predicted)".
    auto nameRow = [&in](std::size_t i, std::string& row) {
        const SeriesParty& p = in.parties[i];
        row.append(" - party ").append(p.party).append(", ").append(p.date);
        if (p.predicted) row.append(" (predicted)");
    };
    CusumOutcome cusum = runCusum(cusumIn, format, nameRow, 3);
    if (!cusum.ok()) return {cusum.kind, cusum.message, cusum.style, {}, {}};
    SeriesCusum v;
    v.cusum = std::move(cusum.values);
    v.parties.reserve(in.parties.size());
    std::size_t predicted = 0;
    for (const SeriesParty& p : in.parties) {
        v.parties.push_back({p.party, p.date, p.predicted});
        predicted += p.predicted;
    }
    v.firstPredictedSignal = firstPredicted(in, v.cusum);
    std::vector<std::string> lines = std::move(cusum.lines);
    lines.push_back("");
    lines.push_back("Parties: " + std::to_string(in.parties.size()) +
                    ", of them with a predicted strength: " + std::to_string(predicted));
    if (v.firstPredictedSignal)
        lines.push_back(signalLine(*v.firstPredictedSignal));
    else if (predicted)
        lines.push_back("No signal falls on a predicted strength");
    return SeriesOutcome::done(std::move(v), std::move(lines));
}

}  // namespace orvan::control
