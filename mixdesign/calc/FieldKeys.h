#pragma once
// The fields the run and the report read, looked up once in the dialog tables, so that a
// run finds a text or its default without searching the tables again.
#include <string>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "mixdesign/calc/MixForms.h"

namespace orvan::mix {

struct MixFieldKeys {
    // The mix inputs (fmBNS).
    const Field &workabilityKind, &workability, &sandFineness, &sandBulkDensity, &sandClay,
        &cementStrength, &normalConsistency, &maxCoarseSize, &coarseBulkDensity, &coarseClay,
        &concreteStrength;
    // The in-run dialogs (F_W, fmTVO, economy, Vubor_Econ).
    const Field &frostCycles, &waterPressure, &steamingHours, &afterSteamingHours, &accelerator,
        &cementType, &technique, &strongerCementStrength, &flyAsh, &superplasticizerEffect,
        &plasticizerEffect;
};
const MixFieldKeys& fieldKeys();

// A field's text as the dialog holds it: as given, else its default.
inline const std::string& textOf(const FieldTexts& texts, const Field& field) {
    auto it = texts.find(field.name);
    return it == texts.end() ? field.defaultText : it->second;
}

}  // namespace orvan::mix
