#include "mixdesign/CementSavingTechniqueDialog.h"

#include "mixdesign/calc/MixForms.h"

CementSavingTechniqueDialog::CementSavingTechniqueDialog(AppContext& app, QWidget* parent)
    : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::techniqueDialog(), [this](const char* text, const char* name) {
        return QCoreApplication::translate(kForm, text, name);
    });
}

std::optional<orvan::FieldTexts> CementSavingTechniqueDialog::ask(
    int index, const orvan::FieldTexts& prefilled) {
    fields().setTexts(prefilled);
    return askOnPage(index);
}
