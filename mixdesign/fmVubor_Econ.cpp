#include "mixdesign/fmVubor_Econ.h"

#include "mixdesign/calc/MixForms.h"

TVubor_Econ::TVubor_Econ(AppContext& app, QWidget* parent) : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::techniqueDialog(), [this](const char* text, const char* name) {
        return QCoreApplication::translate(kForm, text, name);
    });
}

std::optional<orvan::FieldTexts> TVubor_Econ::ask(int index, const orvan::FieldTexts& prefilled) {
    fields().setTexts(prefilled);
    return askOnPage(index);
}
