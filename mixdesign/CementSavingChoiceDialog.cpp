#include "mixdesign/CementSavingChoiceDialog.h"

#include "mixdesign/calc/MixForms.h"

CementSavingChoiceDialog::CementSavingChoiceDialog(AppContext& app, QWidget* parent)
    : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::economyDialog(), kForm);
}
