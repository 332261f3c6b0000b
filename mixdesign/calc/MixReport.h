#pragma once
// The proportioning report: the input texts exactly as typed, the options that applied, the
// cement-saving technique and the proportions of one cubic metre. Lines are UTF-8 and never
// translated.
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "common/NumberText.h"
#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"

namespace orvan::mix {

// What the report prints besides the values: the texts of every dialog shown in the run.
struct ReportTexts {
    const FieldTexts* mixInputs = nullptr;  // fmBNS as given; a field left out prints its default
    FieldTexts frost;                 // F_W page F (edMarka_F), when shown
    FieldTexts water;                 // F_W page W (edW), when shown
    FieldTexts steam;                 // fmTVO, when shown
    FieldTexts technique;             // Vubor_Econ, the chosen page's field
    int workabilityIndex = 0;         // rgYdoboykl
    int accelerator = 0;              // rgYskoriteli
    int cementType = 0;               // rgVid_Cem
};

std::vector<std::string> mixReportLines(const ReportTexts& texts,
                                        const ProportioningOptions& options,
                                        const MixValues& values, NumberFormat format);

}  // namespace orvan::mix
