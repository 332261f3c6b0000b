#include "mixdesign/calc/MixCalc.h"

#include "common/Checked.h"
#include "common/NumberText.h"

namespace orvan::mix {

using namespace orvan::checked;

namespace {

// Bands of the rounded maximum size and their correction of A.
struct SizeBand {
    double low, high, term;
};
constexpr SizeBand kSizeBands[] = {
    {0, 10, -0.03}, {11, 20, -0.02}, {21, 40, -0.01}, {41, 80, 0.0}, {81, 1000, 0.01},
};

}  // namespace

double aggregateSizeTerm(double D) {
    double rounded = roundHalfEven(D);
    for (const auto& band : kSizeBands)
        if (rounded >= band.low && rounded <= band.high) return band.term;
    return 0;
}

double computeAggregateFactor(const MaterialInputs& in) {
    const double X = in.X, Mk = in.Mk, NG = in.NG, Cg = in.Cg, Cs = in.Cs;
    const int kind = in.kind;
    double a0 = kind == kGravel ? sub(sub(0.61, mul(0.017, Cs)), mul(0.03, Cg))
                                : sub(sub(0.65, mul(0.012, Cs)), mul(0.03, Cg));
    double aNG = NG >= 27 ? mul(-0.0075, sub(NG, 27)) : sub(mul(0.015, NG), 0.405);
    double aMk = mul(0.014, sub(Mk, 3));
    double aX = 0;
    if (in.workability == Workability::Slump) {
        if (X > 2) aX = mul(-0.0033, X);
    } else if (X > 5) {
        aX = mul(0.0012, X);
    }
    return add(add(add(add(a0, aggregateSizeTerm(in.D)), aNG), aMk), aX);
}

double computeWaterDemand(const MaterialInputs& in) {
    const double T = in.T, Cg = in.Cg, Cs = in.Cs, NG = in.NG, D = in.D, X = in.X, Mk = in.Mk;
    double w0;
    if (in.workability == Workability::Slump) {
        w0 = sub(add(add(sub(179, mul(0.8, D)), mul(6.4, X)), mul(0.0029, mul(D, D))),
                 mul(0.14, mul(X, X)));
    } else {
        double Z = mul(4.4, X);
        w0 = add(add(sub(sub(211, mul(0.77, D)), mul(1.12, Z)), mul(0.0026, mul(D, D))),
                 mul(0.0047, mul(Z, Z)));
    }
    double wMk = mul(div(sub(3, Mk), 0.5), 4);
    double wNG = mul(4, sub(NG, 28));
    double wCs = Cs > 3 ? mul(2, sub(Cs, 3)) : 0;
    double wCg = Cg > 2 ? mul(2, sub(Cg, 2)) : 0;
    double Tr = roundHalfEven(T);
    double wT = 0;
    if (Tr > 20)
        wT = sub(mul(0.73, T), 14.7);
    else if (Tr < 20)
        wT = sub(mul(0.33, T), 6.67);
    return add(add(add(add(add(w0, wMk), wNG), wCs), wCg), wT);
}

double waterCementRatioFor(double A, double Rc, double R) {
    double ARc = mul(A, Rc);
    return div(ARc, add(mul(0.5, ARc), R));
}

double strengthAt(double A, double Rc, double waterCementRatio) {
    return mul(mul(A, Rc), sub(div(1, waterCementRatio), 0.5));
}

double richMixWater(double W, double waterCementRatio, double NG) {
    double critical = div(1, mul(0.0168, NG));
    double cementWater = div(1, waterCementRatio);
    if (!(cementWater > critical)) return W;
    // (W/100)^5.5 as exp(5.5*ln(W/100)), so a non-positive water content faults
    return add(W, mul(sub(cementWater, critical), exp(mul(5.5, ln(div(W, 100))))));
}

CementAndWater clampCement(double cement, double water, double waterCementRatio, bool reinforced) {
    const double minimum = reinforced ? 220 : 200;
    const double maximum = 600;
    CementAndWater out{cement, water};
    if (out.cement < minimum) out = {minimum, mul(minimum, waterCementRatio)};
    if (out.cement > maximum) out = {maximum, mul(maximum, waterCementRatio)};
    return out;
}

double baseGrainSpacing(double Vs, double Vg) {
    return sub(sub(2.5159, mul(0.93165, Vs)), mul(1.9469, Vg));
}

double grainSpacingWorkabilityCorrection(Workability workability, double X) {
    if (workability == Workability::Slump)
        return X > 2 ? div(sub(X, 2), add(mul(1.3777, X), 22.952)) : 0;
    double Z = mul(4.4, X);
    return Z > 23 ? -div(sub(Z, 23), add(mul(1.7337, Z), 122.81)) : 0;
}

double grainSpacingCementCorrection(double binder) {
    return binder > 350 ? sub(mul(0.00048, binder), 0.168) : 0;
}

double grainSpacing(double sandBulk, double sandDensity, double coarseBulk, double coarseDensity,
                    int kind, Workability workability, double X, double binder) {
    double Vs = sub(1, div(sandBulk, sandDensity));
    double Vg = sub(1, div(coarseBulk, coarseDensity));
    double alpha = baseGrainSpacing(Vs, Vg);
    if (kind != kCrushedStone) alpha = sub(alpha, 0.045);
    alpha = add(alpha, grainSpacingWorkabilityCorrection(workability, X));
    return add(alpha, grainSpacingCementCorrection(binder));
}

double coarseAggregateContent(double alpha, double coarseBulk, double coarseDensity) {
    double Vg = sub(1, div(coarseBulk, coarseDensity));
    return div(mul(1000, coarseBulk), add(mul(sub(alpha, 1), Vg), 1));
}

double sandVolume(const VolumeParts& p) {
    double left = sub(1000, div(p.coarse, p.coarseDensity));
    left = sub(left, p.water);
    left = sub(left, div(p.cement, p.cementDensity));
    left = sub(left, div(p.flyAsh, 2.6));
    return sub(left, p.entrainedAir);
}

double sandContent(const VolumeParts& p) {
    const double left = sandVolume(p);
    return mul(left < 0 ? -left : left, p.sandDensity);
}

}  // namespace orvan::mix
