#pragma once
// Page's tabular CUSUM of party strengths: an upper and a lower cumulative sum of the
// deviations from a target mean beyond a reference value K, each signalling when it exceeds
// the decision interval H. It flags a slow drift of the strength that single parties within
// the control limits do not show.
//   C+(0) = C-(0) = 0
//   C+(i) = max(0, C+(i-1) + x(i) - T - K)
//   C-(i) = max(0, C-(i-1) + T - K - x(i))
//   K = k * s, H = h * s; a signal at party i for each side whose sum exceeds H strictly.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::control {

struct CusumInputs {
    double target = 0;              // T, MPa
    double sigma = 0;               // s, MPa
    double k = 0.5;                 // K = k * s
    double h = 5.0;                 // H = h * s
    std::vector<double> strengths;  // x(1..n), MPa
    // Where T and s came from, for the report: "typed", or how an analysed period gave them.
    std::string targetSource = "typed";
    std::string sigmaSource = "typed";
};

enum class CusumSide { Up, Down };

struct CusumSignal {
    int party = 0;  // 1-based
    CusumSide side = CusumSide::Up;
    bool operator==(const CusumSignal&) const = default;
};

struct CusumResult {
    double referenceValue = 0;            // K, MPa
    double decisionInterval = 0;          // H, MPa
    std::vector<double> upper;            // C+(1..n), MPa
    std::vector<double> lower;            // C-(1..n), MPa
    std::vector<CusumSignal> signalList;  // in party order, Up before Down for one party
};

// Refused: `message` says why, in a plain message box; Failed: the runtime's message of an
// overflow, for the error box.
using CusumOutcome = Outcome<CusumResult>;

// What a caller adds to the report's row of party i (0-based) as it is written: a series of the
// journal names each row's party.
using CusumRowNote = std::function<void(std::size_t index, std::string& row)>;

// Refuses no strengths, s <= 0, k < 0 and h <= 0; a sum that overflows fails. Never throws.
// `extraLines`: room kept for the lines a caller adds after the report's own.
CusumOutcome runCusum(const CusumInputs& inputs, NumberFormat format,
                      const CusumRowNote& rowNote = {}, std::size_t extraLines = 0);

// s of a party mean from an analysed period, which the CUSUM of party strengths runs on: the
// standard deviation of single results, its overall coefficient of variation (%) times the
// mean of its party means, divided by the square root of the extracts per party (as the
// control chart's limits take it). `source` says so for the report. Empty without parties or
// extracts.
struct PartyMeanDeviation {
    double sigma = 0;  // MPa
    std::string source;
};
std::optional<PartyMeanDeviation> partyMeanDeviation(double overallVariation,
                                                     const std::vector<double>& partyMeans,
                                                     int extractsPerParty, NumberFormat format);
// The source of a T taken as an analysed period's average level of strength.
inline constexpr const char* kAnalysedTargetSource =
    "the average level of strength of the newest analysed period";

// "Statistical control. CUSUM. Window №" n
std::string cusumReportTitle(int windowNumber);

}  // namespace orvan::control
