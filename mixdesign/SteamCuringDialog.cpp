#include "mixdesign/SteamCuringDialog.h"

#include "mixdesign/calc/MixForms.h"

SteamCuringDialog::SteamCuringDialog(AppContext& app, QWidget* parent)
    : MixDialogBase(app, parent) {
    buildFrom(orvan::mix::steamCuringDialog(), kForm);
}
