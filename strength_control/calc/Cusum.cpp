#include "strength_control/calc/Cusum.h"

#include <algorithm>
#include <cmath>

#include "common/Checked.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "strength_control/calc/ShownNumbers.h"

namespace orvan::control {

namespace {

namespace ck = orvan::checked;

CusumOutcome refused(const std::string& message) {
    return CusumOutcome::refused(message, MessageStyle::Message);
}

CusumResult computeSums(const CusumInputs& in) {
    CusumResult r;
    r.referenceValue = ck::mul(in.k, in.sigma);
    r.decisionInterval = ck::mul(in.h, in.sigma);
    double up = 0, down = 0;
    for (std::size_t i = 0; i < in.strengths.size(); ++i) {
        const double x = in.strengths[i];
        up = std::max(0.0, ck::sub(ck::sub(ck::add(up, x), in.target), r.referenceValue));
        down = std::max(0.0, ck::sub(ck::sub(ck::add(down, in.target), r.referenceValue), x));
        r.upper.push_back(up);
        r.lower.push_back(down);
        const int party = static_cast<int>(i + 1);
        if (up > r.decisionInterval) r.signalList.push_back({party, CusumSide::Up});
        if (down > r.decisionInterval) r.signalList.push_back({party, CusumSide::Down});
    }
    return r;
}

std::string signalLine(const CusumSignal& s, const CusumResult& r, NumberFormat format) {
    const std::size_t i = static_cast<std::size_t>(s.party - 1);
    return s.side == CusumSide::Up
               ? reportText("Party %1: the upper sum %2 exceeds H - the strength has drifted up",
                            {std::to_string(s.party), formatFixed(r.upper[i], 2, format)})
               : reportText("Party %1: the lower sum %2 exceeds H - the strength has drifted down",
                            {std::to_string(s.party), formatFixed(r.lower[i], 2, format)});
}

std::vector<std::string> reportLines(const CusumInputs& in, const CusumResult& r,
                                     NumberFormat format, const CusumRowNote& rowNote,
                                     std::size_t extraLines) {
    std::vector<std::string> lines = {
        "",
        reportText("CUSUM OF THE STRENGTHS OF THE PARTIES"),
        "",
        reportText("Target mean T, MPa: ") + formatFixed(in.target, 1, format),
        reportText("Standard deviation s, MPa: ") + formatFixed(in.sigma, 2, format),
        reportText("Reference value K = ") + formatGeneral15(in.k, format) +
            reportText(" * s, MPa: ") + formatFixed(r.referenceValue, 2, format),
        reportText("Decision interval H = ") + formatGeneral15(in.h, format) +
            reportText(" * s, MPa: ") + formatFixed(r.decisionInterval, 2, format),
        "T: " + reportText(in.targetSource),
        "s: " + reportText(in.sigmaSource),
        "",
        reportText("Party: strength, upper sum C+, lower sum C-, MPa"),
    };
    lines.reserve(lines.size() + in.strengths.size() + 3 + r.signalList.size() + extraLines);
    for (std::size_t i = 0; i < in.strengths.size(); ++i) {
        // A year of parties is as many rows: each is written once, with room for the party's
        // number and date that a series of the journal adds to it (rowNote).
        std::string line = std::to_string(i + 1);
        line.reserve(80);
        line.append(": ")
            .append(shownAsGiven(in.strengths[i], 1, format))
            .append("; ")
            .append(formatFixed(r.upper[i], 2, format))
            .append("; ")
            .append(formatFixed(r.lower[i], 2, format));
        if (rowNote) rowNote(i, line);
        lines.push_back(std::move(line));
    }
    lines.push_back("");
    if (r.signalList.empty()) {
        lines.push_back(reportText("No signal: both sums stay within H"));
    } else {
        lines.push_back(reportText("Signals: ") + std::to_string(r.signalList.size()));
        for (const CusumSignal& s : r.signalList) lines.push_back(signalLine(s, r, format));
    }
    return lines;
}

}  // namespace

CusumOutcome runCusum(const CusumInputs& in, NumberFormat format, const CusumRowNote& rowNote,
                      std::size_t extraLines) {
    if (in.strengths.empty()) return refused("No strengths of parties were given.");
    if (!(in.sigma > 0)) return refused("The standard deviation s must be greater than zero.");
    if (!(in.k >= 0)) return refused("The factor k of the reference value must not be negative.");
    if (!(in.h > 0))
        return refused("The factor h of the decision interval must be greater than zero.");
    CusumResult result;
    try {
        result = computeSums(in);
    } catch (const Fault& fault) {
        return CusumOutcome::failed(fault.what(), MessageStyle::ErrorBox);
    }
    std::vector<std::string> lines = reportLines(in, result, format, rowNote, extraLines);
    return CusumOutcome::done(std::move(result), std::move(lines));
}

std::optional<PartyMeanDeviation> partyMeanDeviation(double overallVariation,
                                                     const std::vector<double>& partyMeans,
                                                     int extractsPerParty, NumberFormat format) {
    if (partyMeans.empty() || extractsPerParty < 1) return std::nullopt;
    double sum = 0;
    for (double mean : partyMeans) sum += mean;
    const double mean = sum / static_cast<double>(partyMeans.size());
    const double single = overallVariation / 100.0 * mean;
    return PartyMeanDeviation{
        single / std::sqrt(static_cast<double>(extractsPerParty)),
        reportText("the standard deviation of a party mean from the newest analysed period: its "
                   "coefficient of variation %1 % times its mean strength %2 MPa, divided by the "
                   "square root of its %3 extracts per party",
                   {formatFixed(overallVariation, 2, format), formatFixed(mean, 2, format),
                    std::to_string(extractsPerParty)})};
}

std::string cusumReportTitle(int windowNumber) {
    return reportText("Statistical control. CUSUM. Window №") + std::to_string(windowNumber);
}

}  // namespace orvan::control
