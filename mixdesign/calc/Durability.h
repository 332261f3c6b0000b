#pragma once
// The requirements that the run asks for in the middle of its calculation: frost resistance
// (entrained air and a raised strength), water-tightness (a cap on W/C) and the strength after
// atmospheric steam curing. Plain numbers in, plain numbers out; faults throw orvan::Fault.
#include <string>

#include "common/CoreGuard.h"
#include "mixdesign/calc/MixCalc.h"

namespace orvan::mix {

// Frost resistance from F = a*R^b*e^(0.35*v): concrete of strength R (MPa) with v % of
// entrained air endures F freeze-thaw cycles; every percent of air costs 5 % of strength.
struct FrostConstants {
    double a = 0, b = 0;
};
// Slump above 8 cm: 0.34/1.68; slump up to 8 cm: 0.91/1.47; Vebe: 2.48/1.25.
FrostConstants frostConstants(Workability kind, double workability);

struct FrostResult {
    double air1 = 0;            // % of air at the entered strength
    double air2 = 0;            // % of air at the raised strength
    double entrainedAir = 0;    // litres per cu m (10 * the mean percentage, 0 when negative)
    double targetStrength = 0;  // the raised strength, or the entered one when no air is needed
};
// F cycles; R the strength the mix aims at; enteredStrength the strength as typed.
FrostResult frostRequirement(double cycles, Workability kind, double workability, double R,
                             double enteredStrength);

// The W/C limit for a water pressure in kPa: n = p/100 rounded half to even; n <= 4: 0.55,
// 5..6: 0.45, n >= 7: 0.40.
double maxWaterCementRatioFor(double pressureKPa);

// Accelerating admixtures of the steam-curing dialog (rgYskoriteli) and cement types
// (rgVid_Cem).
enum class Accelerator { None = 0, NatriumSulphate = 1, CalciumChloride = 2, Superplasticizer = 3 };
enum class CementType { Portland = 0, SlagPortland = 1 };

struct SteamCuringInputs {
    double steamingHours = 10;  // tau
    double afterHours = 4;      // t, the period after steam curing
    Accelerator accelerator = Accelerator::None;
    CementType cementType = CementType::Portland;
};

struct SteamCuringResult {
    double cementFactor = 0;  // Kc
    double periodFactor = 0;  // K_tau
    double afterFactor = 0;   // Kt
    double strength = 0;      // % of the 28-day moist-cured strength
    double waterFactor = 1;   // 0.8 with the superplasticizer: water and W/C are multiplied
};
// At the mix's W/C (before the superplasticizer's reduction) and cement strength Rc.
SteamCuringResult steamCuring(const SteamCuringInputs& in, double waterCementRatio,
                              double cementStrength);

}  // namespace orvan::mix
