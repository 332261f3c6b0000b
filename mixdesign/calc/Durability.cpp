#include "mixdesign/calc/Durability.h"

#include "common/Checked.h"
#include "common/NumberText.h"
#include "mixdesign/calc/MixCalc.h"

namespace orvan::mix {

using namespace orvan::checked;

namespace {

double fabs(double x) {
    return x < 0 ? -x : x;
}

// ln(F / (a*R^b)) / 0.35 with R^b taken as exp(b*ln R): the air percentage at strength R.
double airPercentage(double cycles, const FrostConstants& k, double R) {
    double strengthTerm = mul(k.a, exp(mul(k.b, ln(R))));
    return div(ln(div(cycles, strengthTerm)), 0.35);
}

}  // namespace

FrostConstants frostConstants(Workability kind, double workability) {
    if (kind != Workability::Slump) return {2.48, 1.25};
    return workability > 8 ? FrostConstants{0.34, 1.68} : FrostConstants{0.91, 1.47};
}

FrostResult frostRequirement(double cycles, Workability kind, double workability, double R,
                             double enteredStrength) {
    FrostConstants k = frostConstants(kind, workability);
    FrostResult out;
    out.air1 = airPercentage(cycles, k, R);
    // R / (1 - 0.05*air1), written as the program always has: R*R / (R - 0.05*air1*R)
    double raised = div(mul(R, R), sub(R, mul(mul(0.05, out.air1), R)));
    out.air2 = airPercentage(cycles, k, raised);
    double v = div(add(out.air1, out.air2), 2);
    out.targetStrength = raised;
    if (v < 0) {  // the concrete endures F cycles without entrained air
        v = 0;
        out.targetStrength = enteredStrength;
    }
    out.entrainedAir = mul(10, v);
    return out;
}

double maxWaterCementRatioFor(double pressureKPa) {
    double n = roundHalfEven(div(pressureKPa, 100));
    if (n <= 4) return 0.55;
    if (n <= 6) return 0.45;
    return 0.40;
}

SteamCuringResult steamCuring(const SteamCuringInputs& in, double waterCementRatio,
                              double cementStrength) {
    SteamCuringResult out;
    if (in.accelerator == Accelerator::Superplasticizer) out.waterFactor = 0.8;
    double CW = div(1, mul(out.waterFactor, waterCementRatio));
    double Rc = cementStrength;
    double CW2 = mul(CW, CW);
    if (in.cementType == CementType::Portland) {
        double sum = add(add(add(add(78.7, mul(1.5, CW)), mul(2, CW2)), mul(0.383, Rc)),
                         mul(mul(-0.1, Rc), CW));
        out.cementFactor = div(fabs(sum), 100);
    } else {
        double sum = add(add(add(add(add(98.2, mul(3.88, CW)), mul(-1.276, CW2)), mul(-1.152, Rc)),
                             mul(0.019, mul(Rc, Rc))),
                         mul(mul(0.25, Rc), CW));
        out.cementFactor = div(fabs(sum), 100);
    }
    double tau = in.steamingHours;
    out.periodFactor =
        sub(add(sub(mul(0.06, tau), div(mul(tau, tau), 600)), mul(0.106, CW)), 0.054);
    double bracket =
        add(sub(add(sub(16.74, mul(0.716, tau)), mul(0.007, mul(tau, tau))), mul(5.873, CW)),
            mul(0.473, add(CW2, mul(mul(0.145, tau), CW))));
    out.afterFactor = add(1, div(mul(fabs(bracket), sub(in.afterHours, 4)), 100));
    out.strength = mul(mul(mul(100, out.cementFactor), out.periodFactor), out.afterFactor);
    if (in.accelerator == Accelerator::NatriumSulphate ||
        in.accelerator == Accelerator::CalciumChloride)
        out.strength = mul(1.2, out.strength);
    return out;
}

}  // namespace orvan::mix
