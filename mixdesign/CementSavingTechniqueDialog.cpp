#include "mixdesign/CementSavingTechniqueDialog.h"

#include "mixdesign/calc/MixForms.h"

CementSavingTechniqueDialog::CementSavingTechniqueDialog(AppContext& app, QWidget* parent)
    : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::techniqueDialog(), kForm);
}

std::optional<orvan::FieldTexts> CementSavingTechniqueDialog::ask(
    int index, const orvan::FieldTexts& prefilled) {
    fields().setTexts(prefilled);
    return askOnPage(index);
}
