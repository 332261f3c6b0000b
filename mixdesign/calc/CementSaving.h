#pragma once
// The cement-saving techniques and their coefficient tables. Plain numbers in and out; faults
// throw orvan::Fault.
#include <optional>

#include "common/CoreGuard.h"

namespace orvan::mix {

// Kilograms of cement one kilogram of fly ash replaces, by the strength R the mix aims at
// (bands include their lower bound: below 30, 30 to below 40, 40 and more), steam curing, and
// the cement strength Rc (below 50 or 50 and more, steam-cured mixes only).
double flyAshEfficiency(double R, bool steamCuring, double Rc);

// The water factor of a superplasticizer whose effect is not entered, by workability and the
// cement content C before the technique. Lower bounds exclusive, upper bounds inclusive, and
// anything at or below the lowest bound falls into the first row or column. nullopt outside
// the table: slump above 100 cm, 4.4 * Vebe time above 1000, C above 1000.
std::optional<double> averagedWaterFactor(bool slump, double workability, double C);

// What a technique hands back to the run.
struct EconomyResult {
    double waterCementRatio = 0;  // econWaterCementRatio
    double cementContent = 0;     // econCementContent
    double flyAshContent = 0;     // kg per cu m
    double waterContent = 0;      // the mix's water after the technique
    double cementStrength = 0;    // the mix's Rc after the technique
};

// The mix as the economy step finds it.
struct EconomyStart {
    double waterCementRatio = 0, cementContent = 0, targetStrength = 0, cementStrength = 0,
           aggregateFactor = 0, waterContent = 0;
};

// Nothing applied: the result fields as the technique dialog sets them when it opens.
EconomyResult unchanged(const EconomyStart& mix);
// A stronger cement Rc': W/C = A*Rc'/(R + 0.5*A*Rc'), C = W / (W/C).
EconomyResult strongerCement(const EconomyStart& mix, double newCementStrength);
// Fly ash: C - k*ash with k = flyAshEfficiency; W/C unchanged.
EconomyResult flyAsh(const EconomyStart& mix, double ash, bool steamCuring);
// A water-reducing admixture with water factor k: W := k*W, C = W / (W/C), not clamped again.
EconomyResult waterReducer(const EconomyStart& mix, double waterFactor);
// The factor of an entered water-reducing effect in %: 1 - x/100.
double waterFactorFromEffect(double effectPercent);

}  // namespace orvan::mix
