#include "mixdesign/calc/CementSaving.h"

#include "common/Checked.h"

namespace orvan::mix {

using namespace orvan::checked;

namespace {

// Rows: R below 30, 30..40, 40 and more. Columns: no steam curing, steam curing with Rc below
// 50, steam curing with Rc 50 and more.
constexpr double kFlyAsh[3][3] = {
    {0.37, 0.30, 0.35},
    {0.33, 0.25, 0.30},
    {0.25, 0.20, 0.25},
};

// Rows: slump up to 4, 4..10, 10..100 cm; Vebe with 4.4*t up to 10, 10..1000.
// Columns: C up to 300, 300..400, 400..1000 kg per cu m.
constexpr double kAveraged[5][3] = {
    {0.88, 0.86, 0.82}, {0.85, 0.83, 0.79}, {0.83, 0.80, 0.77},
    {0.88, 0.86, 0.82}, {0.91, 0.88, 0.87},
};

// The band of `value` among upper bounds (inclusive); -1 above the last.
int band(double value, std::initializer_list<double> upperBounds) {
    int index = 0;
    for (double upper : upperBounds) {
        if (value <= upper) return index;
        ++index;
    }
    return -1;
}

}  // namespace

double flyAshEfficiency(double R, bool steamCuring, double Rc) {
    int row = R < 30 ? 0 : R < 40 ? 1 : 2;
    int column = !steamCuring ? 0 : Rc < 50 ? 1 : 2;
    return kFlyAsh[row][column];
}

std::optional<double> averagedWaterFactor(bool slump, double workability, double C) {
    int row = slump ? band(workability, {4, 10, 100}) : band(4.4 * workability, {10, 1000});
    int column = band(C, {300, 400, 1000});
    if (row < 0 || column < 0) return std::nullopt;
    return kAveraged[slump ? row : 3 + row][column];
}

EconomyResult unchanged(const EconomyStart& mix) {
    return EconomyResult{mix.waterCementRatio, mix.cementContent, 0, mix.waterContent,
                         mix.cementStrength};
}

EconomyResult strongerCement(const EconomyStart& mix, double newCementStrength) {
    EconomyResult out = unchanged(mix);
    double ARc = mul(mix.aggregateFactor, newCementStrength);
    out.waterCementRatio = div(ARc, add(mix.targetStrength, mul(0.5, ARc)));
    out.cementContent = div(mix.waterContent, out.waterCementRatio);
    out.cementStrength = newCementStrength;
    return out;
}

EconomyResult flyAsh(const EconomyStart& mix, double ash, bool steamCuring) {
    EconomyResult out = unchanged(mix);
    out.flyAshContent = ash;
    double k = flyAshEfficiency(mix.targetStrength, steamCuring, mix.cementStrength);
    out.cementContent = sub(mix.cementContent, mul(k, ash));
    return out;
}

EconomyResult waterReducer(const EconomyStart& mix, double waterFactor) {
    EconomyResult out = unchanged(mix);
    out.waterContent = mul(waterFactor, mix.waterContent);
    out.cementContent = div(out.waterContent, out.waterCementRatio);
    return out;
}

double waterFactorFromEffect(double effectPercent) {
    return sub(1, div(effectPercent, 100));
}

}  // namespace orvan::mix
