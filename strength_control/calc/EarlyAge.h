#pragma once
// The plant's own relation between the strength at an early age E (days) and the 28-day
// strength, fitted by least squares over the parties that have both results,
//   R28 = a + b * RE,
// and the 28-day strength it predicts for every party that has its early result only, so
// that the control of the strength can act about three weeks sooner.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::control {

inline constexpr int kDefaultEarlyAge = 7;  // days
inline constexpr int kMinRelationParties = 5;

struct EarlyAgeParty {
    std::string party;                 // the party's number as the journal writes it
    std::string date;                  // YYYY-MM-DD
    std::optional<double> early;       // RE: mean of its E-day extracts, MPa
    std::optional<double> strength28;  // R28: mean of its 28-day extracts, MPa
};

struct EarlyAgeInputs {
    int earlyAge = kDefaultEarlyAge;     // E, days, 1 to 27
    std::vector<EarlyAgeParty> parties;  // one mix, in date order
};

struct EarlyAgeRelation {
    double intercept = 0;               // a, MPa
    double slope = 0;                   // b, MPa of R28 per MPa of RE
    double residualSd = 0;              // sqrt(sum of squared residuals / (n - 2)), MPa
    std::optional<double> correlation;  // r; none when every R28 is the same
    int parties = 0;                    // n, parties with both results
};

struct PredictedParty {
    std::string party;
    std::string date;
    double early = 0;     // RE, MPa
    double strength = 0;  // a + b * RE, MPa, predicted
};

struct EarlyAgePrediction {
    int earlyAge = kDefaultEarlyAge;
    EarlyAgeRelation relation;
    std::vector<PredictedParty> predicted;  // the parties with RE and no R28, in input order
};

// Refused (plain message box): E outside 1 to 27 days, fewer than 5 parties with both results,
// or every one of them with the same RE; the message names the count. Failed: the runtime's
// message of an overflow, for the error box. Never throws.
Outcome<EarlyAgePrediction> predictStrengths(const EarlyAgeInputs& inputs, NumberFormat format);

// "Statistical control. Prediction of the 28-day strength. Window №" n
std::string predictionReportTitle(int windowNumber);

}  // namespace orvan::control
