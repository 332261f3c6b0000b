#pragma once
// What the journal hands back to the mix: each party's early and 28-day strengths for the
// prediction and the CUSUM, and the parties grouped by the design they were made from for the
// correction of the design.
#include <optional>
#include <string>
#include <vector>

#include "correction/calc/DesignCorrection.h"
#include "journal/Journal.h"
#include "journal/JournalPeriods.h"
#include "strength_control/calc/EarlyAge.h"
#include "strength_control/calc/SeriesCusum.h"

namespace orvan::journal {

// Which parties come with their number and date: every one (the CUSUM reports each), or only
// those still waiting for their 28-day result (the prediction names only them; the texts of a
// year of parties are a third of the reading).
enum class SeriesNames { every, waitingOnly };

// Every party of the mix dated on or after `from` ("" for every party), by date, with the mean
// of its extracts at `earlyAge` days and at 28 days (either may be missing); parties with
// neither are left out.
Outcome<control::EarlyAgeInputs> earlyAgeSeries(const Journal& journal, long long mixId,
                                                int earlyAge, const std::string& from = {},
                                                SeriesNames names = SeriesNames::every);

// The early age the mix was tested at: 7 days when it has 7-day results or none of an early
// age, else its earliest age under 28 days.
Outcome<int> earlyAgeOf(const Journal& journal, long long mixId);

// The CUSUM of a mix's parties in date order (from `from` on), one strength each: its 28-day
// mean, or with `predicted` the prediction where the 28-day result is missing. Each strength
// is rounded to two decimals, as the journal's table shows it, so that the report's
// strengths are the figures the user sees.
struct CusumRequest {
    std::optional<double> target, sigma;  // MPa; none: from the newest stored analysed period
    double k = 0.5, h = 5.0;
    std::string from;
    bool predicted = false;
    int earlyAge = control::kDefaultEarlyAge;
};
// Refused: no T or s given and no stored analysed period; with `predicted`, the prediction's
// own refusal.
Outcome<control::SeriesCusumInputs> cusumInputs(const Journal& journal, long long mixId,
                                                const CusumRequest& request);

// The prediction over the mix's parties at its early age (earlyAgeOf), its report in `format`.
Outcome<control::EarlyAgePrediction> predictionFromJournal(const Journal& journal, long long mixId,
                                                           NumberFormat format);

// The controlled period's parties that have an early result and no 28-day one yet, each with
// its predicted strength, put among the tested ones in date order (marked in `predicted`).
// Nothing is added when the mix has no early results or the relation is refused.
Outcome<> addPredicted(const Journal& journal, long long mixId, ControlledPeriod& period);

// The correction from the journal: the designs to take (empty: every saved design that has
// parties) and the required strength (none: the newest stored analysed period's average level).
struct CorrectionRequest {
    std::vector<std::string> designs;
    std::optional<double> required;  // MPa
};

struct JournalCorrectionInputs {
    correction::DesignCorrectionInputs inputs;  // designs oldest saved first
    // Why parties were left out: those naming a design that is not saved with the mix.
    std::vector<std::string> notes;
    std::string requiredSource;  // "typed" or where the required strength came from
};

// The 28-day party strengths (measured only) grouped by the design they name, each design's
// W/C and water from its stored results. Refused: a named design the mix does not have, a
// design without stored results, no required strength.
Outcome<JournalCorrectionInputs> designCorrectionInputs(const Journal& journal, long long mixId,
                                                        const CorrectionRequest& request);

// The lines above the correction's report: the parties left out and where the required
// strength came from (none when typed).
std::vector<std::string> correctionSourceLines(const JournalCorrectionInputs& inputs);

}  // namespace orvan::journal
