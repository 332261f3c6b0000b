#include "strength_control/calc/ControlVerdicts.h"

#include <cmath>

#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "strength_control/calc/ControlChart.h"
#include "strength_control/calc/ShownNumbers.h"

namespace orvan::control {

namespace {

Verdict judge(const ControlLimits& limits, double x) {
    if (x > limits.correctingTop) return Verdict::AboveCorrecting;
    if (x < limits.correctingBottom) return Verdict::BelowCorrecting;
    if (x > limits.warningTop) return Verdict::AboveWarning;
    if (x < limits.warningBottom) return Verdict::BelowWarning;
    return Verdict::Within;
}

void addStatistics(PeriodVerdicts& out) {
    const auto n = static_cast<double>(out.strengths.size());
    double sum = 0;
    for (double x : out.strengths) sum += x;
    out.mean = sum / n;
    if (out.strengths.size() < 2) return;
    double squares = 0;
    for (double x : out.strengths) squares += (x - out.mean) * (x - out.mean);
    const double deviation = std::sqrt(squares / (n - 1));
    // Strengths near the largest double overflow the squares: no deviation then.
    if (!std::isfinite(deviation)) return;
    out.deviation = deviation;
    if (out.mean != 0) out.variation = deviation / out.mean * 100.0;
}

std::string partyLine(int party, double strength, Verdict verdict, int decimals,
                      NumberFormat format, const PartyText* journalParty) {
    std::string line = reportText("Party ") + std::to_string(party);
    if (journalParty)
        line += reportText(" (journal party %1, %2)", {journalParty->number, journalParty->date});
    line += ": " + shownNumber(strength, decimals, format) + reportText(" MPa - ") +
            reportText(verdictText(verdict));
    if (journalParty && journalParty->predicted) line += reportText(" (predicted)");
    return line;
}

// One decimal, or as many more as tell every strength from every limit it differs from, so
// that a party beyond a limit never shows the limit's own figure.
int limitDecimals(const ControlLimits& limits, const std::vector<double>& strengths,
                  NumberFormat format) {
    std::vector<std::pair<double, double>> pairs;
    for (double x : strengths)
        for (double limit : {limits.warningTop, limits.warningBottom, limits.correctingTop,
                             limits.correctingBottom})
            pairs.emplace_back(x, limit);
    return decimalsTellingApart(pairs, 1, format);
}

}  // namespace

std::string verdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Within:
            return "within the limits of warning";
        case Verdict::AboveWarning:
            return "beyond the top limit of warning";
        case Verdict::BelowWarning:
            return "beyond the bottom limit of warning";
        case Verdict::AboveCorrecting:
            return "beyond the top limit of correcting";
        case Verdict::BelowCorrecting:
            return "beyond the bottom limit of correcting";
    }
    return {};
}

PeriodVerdicts judgePeriod(const ControlLimits& limits, const std::vector<double>& strengths) {
    PeriodVerdicts out;
    out.strengths = strengths;
    for (double x : strengths) {
        out.verdicts.push_back(judge(limits, x));
        out.aboveWarning += x > limits.warningTop;
        out.belowWarning += x < limits.warningBottom;
        out.aboveCorrecting += x > limits.correctingTop;
        out.belowCorrecting += x < limits.correctingBottom;
    }
    if (!strengths.empty()) addStatistics(out);
    return out;
}

std::optional<ChartFigures> chartFigures(const ChartOutcome& chart) {
    if (!chart.ok() || chart.values.series[0].points.empty()) return std::nullopt;
    // The series hold, in order: correcting top and bottom, warning top and bottom, the
    // average level (each a horizontal line) and the batch strengths.
    auto level = [&](int series) { return chart.values.series[series].points.front().y; };
    ChartFigures figures;
    figures.limits = {level(4), level(2), level(3), level(0), level(1)};
    for (const ChartPoint& p : chart.values.series[5].points) figures.strengths.push_back(p.y);
    figures.parties = chart.values.parties;
    return figures;
}

std::vector<std::string> verdictReportLines(const ControlLimits& limits, const PeriodVerdicts& v,
                                            NumberFormat format,
                                            const std::vector<PartyText>& parties) {
    const bool named = parties.size() == v.strengths.size();
    const int d = limitDecimals(limits, v.strengths, format);
    std::vector<std::string> lines = {
        "",
        reportText("VERDICTS OF THE CONTROLLABLE PERIOD"),
        "",
        reportText("Average level of strength, MPa: ") +
            formatFixed(limits.averageLevel, 1, format),
        reportText("Top limit of warning, MPa: ") + shownNumber(limits.warningTop, d, format),
        reportText("Bottom limit of warning, MPa: ") + shownNumber(limits.warningBottom, d, format),
        reportText("Top limit of correcting, MPa: ") + shownNumber(limits.correctingTop, d, format),
        reportText("Bottom limit of correcting, MPa: ") +
            shownNumber(limits.correctingBottom, d, format),
        "",
    };
    for (std::size_t i = 0; i < v.strengths.size(); ++i)
        lines.push_back(partyLine(static_cast<int>(i + 1), v.strengths[i], v.verdicts[i], d, format,
                                  named ? &parties[i] : nullptr));
    const int predicted = named ? predictedCount(parties) : 0;
    if (predicted > 0)
        lines.push_back(
            reportText("Of these, %1 strengths are predicted from early results, "
                       "not yet tested at 28 days",
                       {std::to_string(predicted)}));
    lines.push_back("");
    lines.push_back(reportText("Parties beyond the top limit of warning: ") +
                    std::to_string(v.aboveWarning));
    lines.push_back(reportText("Parties beyond the bottom limit of warning: ") +
                    std::to_string(v.belowWarning));
    lines.push_back(reportText("Parties beyond the top limit of correcting: ") +
                    std::to_string(v.aboveCorrecting));
    lines.push_back(reportText("Parties beyond the bottom limit of correcting: ") +
                    std::to_string(v.belowCorrecting));
    lines.push_back("");
    lines.push_back(reportText("Mean strength of the period, MPa: ") +
                    formatFixed(v.mean, 1, format));
    lines.push_back(reportText("Standard deviation, MPa: ") +
                    (v.deviation ? formatFixed(*v.deviation, 2, format)
                                 : reportText("not defined for one party")));
    lines.push_back(
        reportText("Coefficient of variation, %: ") +
        (v.variation ? formatFixed(*v.variation, 2, format) : reportText("not defined")));
    return lines;
}

std::string verdictReportTitle(int windowNumber) {
    return reportText("Statistical control. Controllable period. Window №") +
           std::to_string(windowNumber);
}

}  // namespace orvan::control
