// The batch weights of one mixer load: the corrected quantities per cubic metre times the
// mixer's volume.
#include "common/Checked.h"
#include "common/NumberText.h"
#include "correction/calc/CorrectionCalc.h"

namespace orvan::correction {

std::optional<MixerLoad> mixerLoad(const std::string& volumeText, const AggregateCorrection& c,
                                   NumberFormat format) {
    if (volumeText.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    const double volume = textToFloat(volumeText, format);
    if (!(volume > 0)) throw Fault("The mixer volume must be greater than zero.");
    return MixerLoad{volume, checked::mul(c.water, volume), checked::mul(c.sand, volume),
                     checked::mul(c.coarse, volume)};
}

std::vector<std::string> mixerLoadLines(const std::string& volumeText, const MixerLoad& load,
                                        NumberFormat format) {
    return {
        "",
        "BATCH WEIGHTS OF ONE MIXER LOAD",
        "",
        "Mixer volume, cu m: " + volumeText,
        "Mixing water, kg: " + formatFixed(load.water, 1, format),
        "Sand, kg: " + formatFixed(load.sand, 1, format),
        "Coarse aggregate, kg: " + formatFixed(load.coarse, 1, format),
    };
}

}  // namespace orvan::correction
