#pragma once
// The correction by strength and cement-water ratio taken from the designs a plant has made:
// each design's parties give a measured point (their mean strength at the design's C/W).
// Two designs: the correction by two points, exactly, the newer design's water kept. Three or
// more: the least-squares line of party strength against C/W over all their parties,
//   R = a + b * C/W,
// and the C/W on it that gives the required strength.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"
#include "common/Outcome.h"
#include "correction/calc/CorrectionCalc.h"

namespace orvan::correction {

inline constexpr int kMinLineParties = 5;

// One design as its parties show it. With `strengths` empty, `parties` and `strength` (their
// mean) stand for them; then the spread of the parties within the design is not known, and
// the correlation of the line is that of the design means.
struct DesignSample {
    std::string design;
    double cementWaterRatio = 0;
    double water = 0;               // kg per cubic metre
    std::vector<double> strengths;  // MPa, each party's strength, when known
    int parties = 0;                // when `strengths` is empty
    double strength = 0;            // MPa, mean of the parties, when `strengths` is empty
};

struct DesignCorrectionInputs {
    std::vector<DesignSample> designs;  // oldest first: the last is the newer design
    double required = 0;                // MPa
};

struct DesignPoint {
    std::string design;
    int parties = 0;
    double strength = 0;  // MPa, mean of the design's parties
    double cementWaterRatio = 0;
};

// The line over three designs or more.
struct DesignLine {
    int parties = 0;                    // n
    double slope = 0;                   // b, MPa per unit of C/W
    double intercept = 0;               // a, MPa
    std::optional<double> correlation;  // r; none when every strength is the same
};

struct DesignCorrection {
    std::vector<DesignPoint> points;
    double required = 0;             // MPa
    double water = 0;                // kg per cubic metre, the newer design's
    std::optional<DesignLine> line;  // three designs or more
    // The corrected mix: with two designs exactly what the correction by two points gives.
    StrengthCorrection correction;
};

// Refused (plain message box): fewer than two designs, a design without parties; with three
// designs or more fewer than 5 parties or one C/W only. Failed: the runtime's message of the
// fault that stopped the arithmetic (equal strengths of two designs divide by zero). Never
// throws. Two designs: the lines of the correction by two points as it publishes them, under
// lines naming the designs.
Outcome<DesignCorrection> correctFromDesigns(const DesignCorrectionInputs& inputs,
                                             NumberFormat format);

// The page's texts of the correction by two points for a value: its shortest round-trip form,
// with the format's separator.
std::string correctionText(double value, NumberFormat format);

// "Correction concrete mixture by the designs. Window №" n
std::string designCorrectionTitle(int windowNumber);

}  // namespace orvan::correction
