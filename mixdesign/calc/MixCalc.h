#pragma once
// The formulas of the absolute-volume proportioning method, over plain numbers. Each uses
// checked arithmetic and throws orvan::Fault on a division by zero, an invalid operation or an
// overflow; the run turns that into its message.
//
// Units: strengths in MPa; D in mm; slump X in cm or Vebe time X in s; NG, Cs, Cg in %;
// bulk and relative densities in kg per litre; T in degrees Celsius; contents in kg per cu m.
#include "common/CoreGuard.h"

namespace orvan::mix {

// How the workability of the mix is given: as a slump in cm (item 0 of rgYdoboykl) or as a
// Vebe time in s (any other item).
enum class Workability { Slump, Vebe };

inline constexpr int kCrushedStone = 0;
inline constexpr int kGravel = 1;

// What the aggregate-quality coefficient A and the water demand W are computed from.
struct MaterialInputs {
    Workability workability = Workability::Slump;
    double X = 0;              // slump, cm, or Vebe time, s
    double D = 0;              // maximum coarse aggregate size, mm
    double Mk = 0;             // fineness modulus of sand
    double NG = 0;             // normal consistency of cement paste, %
    double Cs = 0;             // clay lumps and friable particles in sand, %
    double Cg = 0;             // the same in coarse aggregate, %
    double T = 20;             // temperature of fresh concrete, degrees Celsius (W only)
    int kind = kCrushedStone;  // kind of coarse aggregate (A only)
};

// aD, the correction of A for the maximum aggregate size, from D rounded half to even.
double aggregateSizeTerm(double D);

// A = A0 + aD + aNG + aMk + aX, the aggregate-quality coefficient of R = A*Rc*(C/W - 0.5).
// kind: kCrushedStone or kGravel (anything else is refused before this is called).
double computeAggregateFactor(const MaterialInputs& in);

// W, litres of mixing water per cu m, from the water-demand regression on workability and
// maximum size, corrected for sand fineness, paste consistency, clay and temperature.
double computeWaterDemand(const MaterialInputs& in);

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
double grainSpacingWorkabilityCorrection(Workability workability, double X);
double grainSpacingCementCorrection(double binder);  // binder B = C + fly ash
double grainSpacing(double sandBulk, double sandDensity, double coarseBulk, double coarseDensity,
                    int kind, Workability workability, double X, double binder);

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
