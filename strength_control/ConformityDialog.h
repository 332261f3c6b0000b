#pragma once
// "Conformity...": a rule, the specified strength and what it was measured on, the standard
// deviation (for continuous production) and the results (typed or pasted). OK publishes the
// conformity report, or says why the rule does not apply.
#include <QPlainTextEdit>

#include "kit/DialogBase.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class ConformityDialog : public DialogBase {
    Q_OBJECT
public:
    explicit ConformityDialog(AppContext& app, QWidget* parent = nullptr);

    // The results as the opener hands them on (one strength a line), in place of what was there.
    void setResultsText(const QString& results) { edResults->setPlainText(results); }

    void runConformity();

protected:
    void runAction() override { runConformity(); }

private:
    QComboBox* cbRule = nullptr;  // the rules in the order of allRules()
    QLineEdit* edSpecified = nullptr;
    QComboBox* cbSpecimen = nullptr;  // cylinder, cube
    QLineEdit* edSigma = nullptr;
    QPlainTextEdit* edResults = nullptr;
};
