#pragma once
// The choice of a technique that lowers the cement content (a stronger cement, fly ash, a
// superplasticizer, a plasticizer, or none). The choice stays from one run to the next.
#include <QCoreApplication>

#include "mixdesign/MixDialogBase.h"

class CementSavingChoiceDialog : public MixDialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "Teconomy";

    explicit CementSavingChoiceDialog(AppContext& app, QWidget* parent = nullptr);

    // Shows the dialog; on OK {"rgEconomy": the chosen index}.
    std::optional<orvan::FieldTexts> ask() { return askOnPage(0); }
};
