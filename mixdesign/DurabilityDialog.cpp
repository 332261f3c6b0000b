#include "mixdesign/DurabilityDialog.h"

#include <QTabWidget>

#include "mixdesign/calc/MixForms.h"

DurabilityDialog::DurabilityDialog(AppContext& app, QWidget* parent) : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::propertiesDialog(), kForm);
}

std::optional<orvan::FieldTexts> DurabilityDialog::showPage(Page page) {
    const int other = page == F ? W : F;
    selectPage(page);
    pageControl()->setTabVisible(other, false);
    auto answer = askOnPage(page);
    pageControl()->setTabVisible(other, true);
    return answer;
}
