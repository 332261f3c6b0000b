#pragma once
// The fields the run and the report read, looked up once in the dialog tables, so that a
// run finds a text or its default without searching the tables again.
#include <string>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "mixdesign/calc/MixForms.h"

namespace orvan::mix {

struct MixFieldKeys {
    // fmBNS
    const Field &rgYdoboykl, &edYdoboykl, &edMkr_P, &edNPl_P, &edPr_P, &edMarkCem, &edNGCT,
        &edNKr_Sc, &edNPl_Sc, &edPr_Sc, &edClassBet;
    // F_W, fmTVO, economy, Vubor_Econ
    const Field &edMarka_F, &edW, &edT_prop, &edT_vuderz, &rgYskoriteli, &rgVid_Cem, &rgEconomy,
        &edMarka_C, &edAsh, &edSuperplast, &edPlast;
};
const MixFieldKeys& fieldKeys();

// A field's text as the dialog holds it: as given, else its default.
inline const std::string& textOf(const FieldTexts& texts, const Field& field) {
    auto it = texts.find(field.name);
    return it == texts.end() ? field.defaultText : it->second;
}

}  // namespace orvan::mix
