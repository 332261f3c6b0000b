#pragma once
// The two corrections of a concrete mix: by two measured points of strength against
// cement-water ratio, and from dry design quantities to batch weights of moist, intermixed
// aggregates. Each takes the field texts of its page, converts them in a fixed order, computes
// with checked arithmetic and returns its values and its report lines, or the runtime's
// message of the fault that stopped it.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::correction {

// The correction dialog "correction": page control "page" with the pages correct_strength
// (the correction by strength) and correct_granulom (by aggregates), every field empty at start.
const Form& correctionDialog();

// The fields of one page as the command line takes them: the dialog with that page alone.
const Form& strengthForm();   // correct_strength
const Form& aggregateForm();  // correct_granulom

// --- Correction by strength and cement-water ratio -------------------------------------

// Two measured points (strength R in MPa at cement-water ratio K), the required strength and
// the required mixing water in kg per cubic metre.
struct StrengthInputs {
    double r1 = 0, k1 = 0, r2 = 0, k2 = 0, required = 0, water = 0;
};

// The line R = A * (C/W - b) through both points, the corrected ratio and cement content.
struct StrengthCorrection {
    double intercept = 0;  // b, the C/W at which the line meets zero strength
    double slope = 0;      // A, MPa per unit of C/W
    double ratio = 0;      // K, the corrected cement-water ratio
    double cement = 0;     // C, kg per cubic metre
    double water = 0;      // W, kg per cubic metre, unchanged
};

// Converts the page's texts in the order R1, R2, Rreq, K1, K2, W; throws Fault.
StrengthInputs readStrengthInputs(const FieldTexts& texts, NumberFormat format);
// Throws Fault on division by zero, invalid operation or overflow.
StrengthCorrection correctByStrength(const StrengthInputs& in);
std::vector<std::string> strengthReportLines(const FieldTexts& texts,
                                             const StrengthCorrection& result, NumberFormat format);
std::string strengthReportTitle(int windowNumber);
// The whole correction over the page's texts; never throws. Failed: the runtime's message of
// the fault that stopped it, for the error box.
Outcome<StrengthCorrection> runStrengthCorrection(const FieldTexts& texts, NumberFormat format);

// --- Correction by aggregate grading and moisture --------------------------------------

// Dry sand P and dry coarse aggregate SC the mix must receive, total water V (kg per cubic
// metre), humidities wp and wsc, share x of sand in the coarse aggregate and share y of
// coarse grains in the sand (percent of the moist delivered mass).
struct AggregateInputs {
    double sand = 0, coarse = 0, water = 0;
    double sandHumidity = 0, coarseHumidity = 0;
    double sandInCoarse = 0, coarseInSand = 0;
};

// The batch weights of one load of a mixer of `volume` cubic metres, kg: every material of
// the design, water, sand and coarse aggregate as corrected for moisture.
struct MixerLoad {
    double volume = 0;  // cu m
    double water = 0, sand = 0, coarse = 0;
    std::optional<double> cement, flyAsh, admixture;  // when the design holds them
};

// Batch weights of the materials as delivered, kg per cubic metre.
struct AggregateCorrection {
    double determinant = 0;  // D of the two grain balances
    double sand = 0;         // Ps, moist sand to weigh
    double coarse = 0;       // Gs, moist coarse aggregate to weigh
    double water = 0;        // Vs, water still to add
    std::optional<MixerLoad> load;  // when a mixer volume was typed
};

// Converts the page's texts in the order P, SC, V, wp, wsc, x, y; throws Fault.
AggregateInputs readAggregateInputs(const FieldTexts& texts, NumberFormat format);
// Throws Fault on division by zero, invalid operation or overflow.
AggregateCorrection correctByAggregates(const AggregateInputs& in);
std::vector<std::string> aggregateReportLines(const FieldTexts& texts,
                                              const AggregateCorrection& result,
                                              NumberFormat format);
std::string aggregateReportTitle(int windowNumber);
// The whole correction; with a mixer volume in edMixerVolume (blank: none), the batch weights
// of one mixer load follow the report's lines, which stay as they are.
Outcome<AggregateCorrection> runAggregateCorrection(const FieldTexts& texts, NumberFormat format);

// The mixer load of a finished correction: a blank edMixerVolume gives none; a volume that is
// no number, or not above zero, throws Fault. edCement, edFlyAsh and edAdmixture (kg per cu m,
// blank: not in the design) are read after the volume. MixerLoad.cpp.
std::optional<MixerLoad> mixerLoad(const FieldTexts& texts, const AggregateCorrection& c,
                                   NumberFormat format);
std::vector<std::string> mixerLoadLines(const std::string& volumeText, const MixerLoad& load,
                                        NumberFormat format);

}  // namespace orvan::correction
