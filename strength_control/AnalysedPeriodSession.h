#pragma once
// What the analysed-period windows keep for the whole run, owned by the main window: the set-up
// dialog's choices, which the input dialogs read when they run, and the newest completed run,
// which "CUSUM..." reads. Plain values: the set-up dialog loads from it when shown and writes
// to it as its fields change; the input dialogs write each completed run.
#include <cstdlib>
#include <optional>
#include <string>

#include "common/FieldSpec.h"
#include "strength_control/calc/AnalysedPeriod.h"

struct AnalysedPeriodSession {
    // rgCount_Party: 0 is 5 parties of 6 extracts, 1 is 10 parties of 3 extracts.
    int countPartyIndex = std::atoi(setupDefault("rgCount_Party").c_str());
    // The text of edB, the specified class B of the concrete, MPa; converted by the run after
    // every extract field.
    std::string classText = setupDefault("edB");
    // The results of the newest completed run of either layout.
    std::optional<orvan::analysed::AnalysedPeriodResult> latestResult;

    static std::string setupDefault(const char* name) {
        return orvan::fieldText({}, orvan::analysed::setupForm(), name);
    }
};
