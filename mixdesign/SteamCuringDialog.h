#pragma once
// "Initial data for steam curing": steaming period, period after steaming, accelerating
// admixture and type of cement. A proportioning run shows it when steam curing is used; the
// strength after steaming is computed by the run from these texts.
#include <QCoreApplication>

#include "mixdesign/MixDialogBase.h"

class SteamCuringDialog : public MixDialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmTVO";

    explicit SteamCuringDialog(AppContext& app, QWidget* parent = nullptr);

    // Shows the dialog; on OK its four texts (the radio groups as item indices).
    std::optional<orvan::FieldTexts> ask() { return askOnPage(0); }
};
