#include "mixdesign/SteamCuringDialog.h"

#include "mixdesign/calc/MixForms.h"

SteamCuringDialog::SteamCuringDialog(AppContext& app, QWidget* parent)
    : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::steamCuringDialog(), [this](const char* text, const char* name) {
        return QCoreApplication::translate(kForm, text, name);
    });
}
