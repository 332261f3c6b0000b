#pragma once
// A mix the method cannot make. The method's regressions hold only over a range of inputs:
// far outside it (a slump of 200 cm) they give a negative water-cement ratio or water, or no
// volume left for the sand. Such a run is refused; its message names each quantity at or
// below zero and each input that lies outside the method's range.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "common/NumberText.h"
#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"

namespace orvan::mix {

// The range over which the method is used in plant practice, for one input field.
struct InputRange {
    std::string field;  // component name: "edYdoboykl", "edPlotnostC"
    double min = 0, max = 0;
    std::string unit;  // as the captions write it, after the range: "sm", "%", ""
};

// The ranges of the fields of fmBNS and fmOptions; the workability's depends on its kind.
std::vector<InputRange> methodRanges(bool slump);

// The figures of a finished run whose W/C, water, cement, coarse aggregate or volume left for
// sand is at or below zero, and the inputs outside the method's range; nothing when the mix
// can be made. The windows word it in the interface's language.
std::optional<ImpossibleMix> impossibleMix(const MixValues& values, const FieldTexts& mixInputs,
                                           const ProportioningOptions& options,
                                           NumberFormat format);

// The refusal's message as the core words it (English).
std::string impossibleMixText(const ImpossibleMix& impossible);

}  // namespace orvan::mix
