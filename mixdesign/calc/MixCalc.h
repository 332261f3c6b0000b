#pragma once
// The formulas of the absolute-volume proportioning method, over plain numbers. Each uses
// checked arithmetic and throws orvan::Fault on a division by zero, an invalid operation or an
// overflow; the run turns that into its message.
//
// Units: strengths in MPa; D in mm; slump X in cm or Vebe time X in s; NG, Cs, Cg in %;
// bulk and relative densities in kg per litre; T in degrees Celsius; contents in kg per cu m.
#include <string>

#include "common/CoreGuard.h"

namespace orvan::mix {

inline constexpr const char* kSlumpCode = "OK";
inline constexpr const char* kVebeCode = "SZ";

// Whether a workability code says slump ("OK"); anything else is a Vebe time.
inline bool isSlumpCode(const std::string& code) {
    return code.size() == 2 && code[0] == 'O' && code[1] == 'K';
}

inline constexpr int kCrushedStone = 0;
inline constexpr int kGravel = 1;

// aD, the correction of A for the maximum aggregate size, from D rounded half to even.
double aggregateSizeTerm(double D);

// A = A0 + aD + aNG + aMk + aX, the aggregate-quality coefficient of R = A*Rc*(C/W - 0.5).
// kind: kCrushedStone or kGravel (anything else is refused before this is called).
double computeAggregateFactor(int kind, double X, double Mk, double NG, double Cg, double Cs,
                              const std::string& workabilityCode, double D);

// W, litres of mixing water per cu m, from the water-demand regression on workability and
// maximum size, corrected for sand fineness, paste consistency, clay and temperature.
double computeWaterDemand(const std::string& workabilityCode, double T, double Cg, double Cs,
                          double NG, double D, double X, double Mk);

// The W/C at which the strength law gives R: A*Rc / (0.5*A*Rc + R).
double waterCementRatioFor(double A, double Rc, double R);

// The strength the law gives at a W/C: A*Rc*(1/(W/C) - 0.5).
double strengthAt(double A, double Rc, double waterCementRatio);

// Extra water for rich mixes: above the critical cement-water ratio 1/(0.0168*NG) the water
// grows by (C/W - CWcr)*(W/100)^5.5.
double richMixWater(double W, double waterCementRatio, double NG);

// The cement content kept within Cmin (220 reinforced, 200 otherwise) and 600 kg per cu m, at
// the same W/C; the water follows.
struct CementAndWater {
    double cement = 0;
    double water = 0;
};
CementAndWater clampCement(double cement, double water, double waterCementRatio, bool reinforced);

// The grain-spacing coefficient alpha (coarse aggregate grains moved apart by mortar).
double baseGrainSpacing(double Vs, double Vg);  // 2.5159 - 0.93165*Vs - 1.9469*Vg
double grainSpacingWorkabilityCorrection(const std::string& workabilityCode, double X);
double grainSpacingCementCorrection(double binder);  // binder B = C + fly ash
double grainSpacing(double sandBulk, double sandDensity, double coarseBulk, double coarseDensity,
                    int kind, const std::string& workabilityCode, double X, double binder);

// G = 1000*rho_bg / ((alpha - 1)*Vg + 1), Vg the voids of the coarse aggregate.
double coarseAggregateContent(double alpha, double coarseBulk, double coarseDensity);

// S: the absolute volume left for sand, folded to positive, times the sand density.
struct VolumeParts {
    double coarse = 0, coarseDensity = 0, water = 0, cement = 0, cementDensity = 0, flyAsh = 0,
           entrainedAir = 0, sandDensity = 0;
};
double sandContent(const VolumeParts& parts);
// The absolute volume left for sand, litres per cu m, before it is folded to positive.
double sandVolume(const VolumeParts& parts);

}  // namespace orvan::mix
