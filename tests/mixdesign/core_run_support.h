#pragma once
// Running the proportioning over named overrides of the dialogs' defaults.
#include <string>
#include <utility>
#include <vector>

#include "common/Form.h"
#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"

namespace mixtest {

// Field overrides of every dialog, by form name ("fmBNS", "fmOptions", "F_W", "fmTVO",
// "economy", "Vubor_Econ"), then by field name.
struct Given {
    orvan::FieldTexts mixInputs;
    orvan::FieldTexts options;
    std::vector<std::pair<std::string, orvan::FieldTexts>> inRun;
};

struct Ran {
    orvan::mix::MixOutcome outcome;
    std::vector<orvan::mix::InRunDialog> asked;
};

inline Ran runGiven(const Given& given,
                    std::optional<orvan::mix::InRunDialog> cancelAt = std::nullopt,
                    orvan::NumberFormat format = orvan::NumberFormat{}) {
    orvan::mix::AnsweringDialogs dialogs(given.inRun);
    if (cancelAt) dialogs.cancelAt(*cancelAt);
    auto options = orvan::mix::ProportioningOptions::fromTexts(given.options);
    Ran ran{orvan::mix::runProportioning(given.mixInputs, options, dialogs, format), {}};
    ran.asked = dialogs.asked();
    return ran;
}

}  // namespace mixtest
