#include "mixdesign/fmF_W.h"

#include <QTabWidget>

#include "mixdesign/calc/MixForms.h"

TF_W::TF_W(AppContext& app, QWidget* parent) : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::propertiesDialog(), [this](const char* text, const char* name) {
        return QCoreApplication::translate(kForm, text, name);
    });
}

std::optional<orvan::FieldTexts> TF_W::showPage(Page page) {
    const int other = page == F ? W : F;
    selectPage(page);
    pageControl()->setTabVisible(other, false);
    auto answer = askOnPage(page);
    pageControl()->setTabVisible(other, true);
    return answer;
}
