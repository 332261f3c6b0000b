#pragma once
// The verdicts of a controlled period: for each party its strength against the warning and
// correcting limits of the analysed period, the number of parties beyond each limit, and the
// period's mean, standard deviation and coefficient of variation.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"
#include "common/Outcome.h"
#include "strength_control/calc/ControlChart.h"

namespace orvan::control {

// The five figures of the analysed-period report, MPa.
struct ControlLimits {
    double averageLevel = 0;
    double warningTop = 0, warningBottom = 0;
    double correctingTop = 0, correctingBottom = 0;
};

// Where one strength stands. A correcting limit is named before a warning limit: a party
// beyond both is "beyond the correcting limit".
enum class Verdict { Within, AboveWarning, BelowWarning, AboveCorrecting, BelowCorrecting };

// "within the limits of warning", "beyond the top limit of warning", ...
std::string verdictText(Verdict verdict);

struct PeriodVerdicts {
    std::vector<double> strengths;  // MPa, party 1 first
    std::vector<Verdict> verdicts;
    // Parties strictly beyond each limit, each limit counted on its own (a party beyond the
    // top correcting limit is also beyond the top warning limit when that lies inside it).
    int aboveWarning = 0, belowWarning = 0, aboveCorrecting = 0, belowCorrecting = 0;
    double mean = 0;                  // MPa
    std::optional<double> deviation;  // sample standard deviation (n - 1), MPa; needs 2 parties
    std::optional<double> variation;  // deviation / mean * 100, %; not for a zero mean
};

// The verdicts of these strengths (at least one) against the limits.
PeriodVerdicts judgePeriod(const ControlLimits& limits, const std::vector<double>& strengths);

// The limits and strengths a drawn chart holds, with the journal's parties behind them (none
// for typed batches); empty when the chart was not drawn.
struct ChartFigures {
    ControlLimits limits;
    std::vector<double> strengths;
    std::vector<PartyText> parties;
};
std::optional<ChartFigures> chartFigures(const ChartOutcome& chart);

// With `parties` (one per strength, from the journal), each party's line names the journal's
// party and date and marks a predicted strength, and a line counts the predicted ones.
std::vector<std::string> verdictReportLines(const ControlLimits& limits,
                                            const PeriodVerdicts& verdicts, NumberFormat format,
                                            const std::vector<PartyText>& parties = {});
// "Statistical control. Controllable period. Window №" n
std::string verdictReportTitle(int windowNumber);

}  // namespace orvan::control
