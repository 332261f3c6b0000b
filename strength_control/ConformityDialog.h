#pragma once
// "Conformity...": a rule, the specified strength and what it was measured on, the standard
// deviation (for continuous production) and the results (typed or pasted). OK publishes the
// conformity report, or says why the rule does not apply.
#include "app/OrvanDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class ConformityDialog : public OrvanDialog {
    Q_OBJECT
public:
    explicit ConformityDialog(AppContext& app, QWidget* parent = nullptr);

    QComboBox* cbRule = nullptr;  // the rules in the order of allRules()
    QLineEdit* edSpecified = nullptr;
    QComboBox* cbSpecimen = nullptr;  // cylinder, cube
    QLineEdit* edSigma = nullptr;
    QPlainTextEdit* edResults = nullptr;

    void runConformity();

protected:
    void runAction() override { runConformity(); }
};
