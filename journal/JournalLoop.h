#pragma once
// What the journal hands back to the mix: each party's early and 28-day strengths for the
// prediction and the CUSUM, and the parties grouped by the design they were made from for the
// correction of the design.
#include <optional>
#include <string>
#include <vector>

#include "correction/calc/DesignCorrection.h"
#include "journal/Journal.h"
#include "strength_control/calc/EarlyAge.h"

namespace orvan::journal {

// Every party of the mix dated on or after `from` ("" for every party), by date, with the mean
// of its extracts at `earlyAge` days and at 28 days (either may be missing); parties with
// neither are left out.
Outcome<control::EarlyAgeInputs> earlyAgeSeries(const Journal& journal, long long mixId,
                                                int earlyAge, const std::string& from = {});

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

}  // namespace orvan::journal
