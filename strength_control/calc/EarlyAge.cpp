#include "strength_control/calc/EarlyAge.h"

#include <cmath>

#include "common/Checked.h"
#include "common/ReportLanguage.h"

namespace orvan::control {

namespace {

namespace ck = orvan::checked;

using PredictionOutcome = Outcome<EarlyAgePrediction>;

struct Pair {
    double x, y;  // RE, R28
};

std::vector<Pair> pairsWithBoth(const std::vector<EarlyAgeParty>& parties) {
    std::vector<Pair> pairs;
    pairs.reserve(parties.size());
    for (const EarlyAgeParty& p : parties)
        if (p.early && p.strength28) pairs.push_back({*p.early, *p.strength28});
    return pairs;
}

std::string ageText(int age) {
    return reportText("%1-day", {std::to_string(age)});
}

// Why the relation cannot be fitted, or "" when it can.
std::string refusal(const std::vector<Pair>& pairs, int age) {
    const std::string n = std::to_string(pairs.size());
    if (pairs.size() < static_cast<std::size_t>(kMinRelationParties))
        return reportText(pairs.size() == 1
                              ? "The relation of the 28-day strength to the %1 strength needs at "
                                "least 5 parties with both results; %2 has both."
                              : "The relation of the 28-day strength to the %1 strength needs at "
                                "least 5 parties with both results; %2 have both.",
                          {ageText(age), n});
    for (const Pair& p : pairs)
        if (p.x != pairs.front().x) return "";
    return reportText(
        "The relation of the 28-day strength to the %1 strength needs differing %1 "
        "strengths; all %2 parties with both results have the same.",
        {ageText(age), n});
}

// Least squares about the means (two passes), residuals taken one by one, so that a year of
// parties near 30 MPa loses no digits to cancellation. Throws Fault on overflow.
EarlyAgeRelation fitRelation(const std::vector<Pair>& pairs) {
    const double n = static_cast<double>(pairs.size());
    double sx = 0, sy = 0;
    for (const Pair& p : pairs) {
        sx += p.x;
        sy += p.y;
    }
    const double mx = ck::result(sx / n), my = ck::result(sy / n);
    double sxx = 0, sxy = 0, syy = 0;
    for (const Pair& p : pairs) {
        const double dx = p.x - mx, dy = p.y - my;
        sxx += dx * dx;
        sxy += dx * dy;
        syy += dy * dy;
    }
    EarlyAgeRelation r;
    r.parties = static_cast<int>(pairs.size());
    r.slope = ck::div(ck::result(sxy), ck::result(sxx));
    r.intercept = ck::sub(my, ck::mul(r.slope, mx));
    double sse = 0;
    for (const Pair& p : pairs) {
        const double e = p.y - (r.intercept + r.slope * p.x);
        sse += e * e;
    }
    r.residualSd = ck::sqrt(ck::result(sse / (n - 2)));
    if (syy > 0) r.correlation = ck::result(sxy / std::sqrt(ck::result(sxx * syy)));
    return r;
}

std::vector<PredictedParty> predict(const std::vector<EarlyAgeParty>& parties,
                                    const EarlyAgeRelation& r) {
    std::vector<PredictedParty> out;
    for (const EarlyAgeParty& p : parties)
        if (p.early && !p.strength28)
            out.push_back(
                {p.party, p.date, *p.early, ck::add(r.intercept, ck::mul(r.slope, *p.early))});
    return out;
}

std::vector<std::string> reportLines(const EarlyAgePrediction& v, NumberFormat format) {
    const EarlyAgeRelation& r = v.relation;
    const std::string re = std::string("R").append(std::to_string(v.earlyAge));
    const std::string age = ageText(v.earlyAge);
    std::vector<std::string> lines = {
        "",
        reportText("PREDICTION OF THE 28-DAY STRENGTH FROM THE %1-DAY STRENGTH",
                   {std::to_string(v.earlyAge)}),
        "",
        reportText("Parties with %1 and 28-day results: ", {age}) + std::to_string(r.parties),
        reportText("Relation R28 = a + b * %1, MPa: R28 = ", {re}) +
            formatFixed(r.intercept, 2, format) + (r.slope < 0 ? " - " : " + ") +
            formatFixed(std::fabs(r.slope), 3, format) + " * " + re,
        reportText("Intercept a, MPa: ") + formatFixed(r.intercept, 2, format),
        reportText("Slope b: ") + formatFixed(r.slope, 3, format),
        reportText("Residual standard deviation, MPa: ") + formatFixed(r.residualSd, 2, format),
        r.correlation
            ? reportText("Correlation coefficient r: ") + formatFixed(*r.correlation, 3, format)
            : reportText(
                  "Correlation coefficient r: not defined, every 28-day strength is the same"),
        "",
    };
    if (v.predicted.empty()) {
        lines.push_back(reportText("No party has a %1 result without its 28-day result", {age}));
        return lines;
    }
    lines.reserve(lines.size() + v.predicted.size() + 2);
    lines.push_back(reportText("Predicted parties: ") + std::to_string(v.predicted.size()));
    lines.push_back(reportText("Party, date: %1 strength; 28-day strength, MPa", {age}));
    const std::string predicted = reportText(" (predicted)");
    for (const PredictedParty& p : v.predicted) {
        // Appended into one buffer: a year of parties makes 100,000 of these lines.
        std::string& line = lines.emplace_back();
        line.reserve(p.party.size() + p.date.size() + 40);
        line.append(p.party).append(", ").append(p.date).append(": ");
        line.append(formatFixed(p.early, 1, format)).append("; ");
        line.append(formatFixed(p.strength, 1, format)).append(predicted);
    }
    return lines;
}

}  // namespace

PredictionOutcome predictStrengths(const EarlyAgeInputs& in, NumberFormat format) {
    EarlyAgePrediction v;
    v.earlyAge = in.earlyAge;
    if (in.earlyAge < 1 || in.earlyAge > 27)
        return PredictionOutcome::refused(
            reportText("The early age must be from 1 to 27 days; %1 was given.",
                       {std::to_string(in.earlyAge)}),
            MessageStyle::Message, v);
    const std::vector<Pair> pairs = pairsWithBoth(in.parties);
    v.relation.parties = static_cast<int>(pairs.size());
    if (const std::string why = refusal(pairs, in.earlyAge); !why.empty())
        return PredictionOutcome::refused(why, MessageStyle::Message, v);
    try {
        v.relation = fitRelation(pairs);
        v.predicted = predict(in.parties, v.relation);
    } catch (const Fault& fault) {
        return PredictionOutcome::failed(fault.what(), MessageStyle::ErrorBox, v);
    }
    std::vector<std::string> lines = reportLines(v, format);
    return PredictionOutcome::done(std::move(v), std::move(lines));
}

std::string predictionReportTitle(int windowNumber) {
    return reportText("Statistical control. Prediction of the 28-day strength. Window №") +
           std::to_string(windowNumber);
}

}  // namespace orvan::control
