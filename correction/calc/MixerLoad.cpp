// The batch weights of one mixer load: the corrected quantities per cubic metre and the
// design's cement, fly ash and admixture, times the mixer's volume.
#include "common/Checked.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "correction/calc/CorrectionCalc.h"

namespace orvan::correction {

namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// A material per cubic metre times the volume; none for a blank field.
std::optional<double> perLoad(const FieldTexts& texts, const char* name, double volume,
                              NumberFormat format) {
    const std::string text = fieldText(texts, aggregateForm(), name);
    if (blank(text)) return std::nullopt;
    return checked::mul(textToFloat(text, format), volume);
}

}  // namespace

std::optional<MixerLoad> mixerLoad(const FieldTexts& texts, const AggregateCorrection& c,
                                   NumberFormat format) {
    const std::string volumeText = fieldText(texts, aggregateForm(), "edMixerVolume");
    if (blank(volumeText)) return std::nullopt;
    const double volume = textToFloat(volumeText, format);
    if (!(volume > 0)) throw Fault(reportText("The mixer volume must be greater than zero."));
    MixerLoad load;
    load.volume = volume;
    load.water = checked::mul(c.water, volume);
    load.sand = checked::mul(c.sand, volume);
    load.coarse = checked::mul(c.coarse, volume);
    load.cement = perLoad(texts, "edCement", volume, format);
    load.flyAsh = perLoad(texts, "edFlyAsh", volume, format);
    load.admixture = perLoad(texts, "edAdmixture", volume, format);
    return load;
}

std::vector<std::string> mixerLoadLines(const std::string& volumeText, const MixerLoad& load,
                                        NumberFormat format) {
    std::vector<std::string> lines = {
        "",
        reportText("BATCH WEIGHTS OF ONE MIXER LOAD"),
        "",
        reportText("Mixer volume, cu m: ") + volumeText,
        reportText("Mixing water, kg: ") + formatFixed(load.water, 1, format),
        reportText("Sand, kg: ") + formatFixed(load.sand, 1, format),
        reportText("Coarse aggregate, kg: ") + formatFixed(load.coarse, 1, format),
    };
    for (auto [name, mass] : {std::pair{"Cement, kg: ", load.cement},
                              {"Fly ash, kg: ", load.flyAsh},
                              {"Admixture, kg: ", load.admixture}})
        if (mass) lines.push_back(reportText(name) + formatFixed(*mass, 1, format));
    return lines;
}

}  // namespace orvan::correction
