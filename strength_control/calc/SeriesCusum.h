#pragma once
// The CUSUM of a journal's series of parties, tested and predicted strengths together (see
// Cusum.h for the sums), with each sum's party named and, for the first signal that falls on a
// predicted strength, how many days before that party's 28-day result it came.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"
#include "common/Outcome.h"
#include "strength_control/calc/Cusum.h"
#include "strength_control/calc/EarlyAge.h"

namespace orvan::control {

struct SeriesParty {
    std::string party;    // the party's number
    std::string date;     // YYYY-MM-DD, the party's date
    double strength = 0;  // MPa: its 28-day result, or the one predicted from its early result
    bool predicted = false;
    std::string due;        // predicted only: YYYY-MM-DD its 28-day result is due
    std::string earlyDate;  // predicted only: YYYY-MM-DD of its early result ("": the party's date)
};

struct SeriesCusumInputs {
    double target = 0;                 // T, MPa
    double sigma = 0;                  // s, MPa
    double k = 0.5;                    // K = k * s
    double h = 5.0;                    // H = h * s
    std::vector<SeriesParty> parties;  // in date order
    // Where T and s came from, for the report (as CusumInputs says it).
    std::string targetSource = "typed";
    std::string sigmaSource = "typed";
};

struct PredictedSignal {
    int index = 0;  // 1-based position in the series, as the CUSUM numbers its parties
    CusumSide side = CusumSide::Up;
    std::string party, date, due;
    // Days from the early result (the signal) to the 28-day result's due date; empty when
    // either date is not a valid date.
    std::optional<long> daysBefore;
};

struct SeriesPartyMark {
    std::string party, date;
    bool predicted = false;
};

struct SeriesCusum {
    CusumResult cusum;
    std::vector<SeriesPartyMark> parties;
    std::optional<PredictedSignal> firstPredictedSignal;
};

// A mix's series for the CUSUM, in the order of `inputs`: each party with its 28-day result as
// tested, each predicted one with its prediction (its early result E days and its 28-day
// result 28 days after the party's date); a party with neither result is left out.
std::vector<SeriesParty> seriesOf(EarlyAgeInputs inputs, const EarlyAgePrediction& prediction);

// The CUSUM's own refusals and failure (runCusum); when done its report, each party's row
// naming the party (predicted ones marked "(predicted)"), and the early-signal lines.
Outcome<SeriesCusum> runSeriesCusum(const SeriesCusumInputs& inputs, NumberFormat format);

}  // namespace orvan::control
