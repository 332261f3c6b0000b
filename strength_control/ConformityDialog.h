#pragma once
// "Conformity...": a rule, the specified strength and what it was measured on, the standard
// deviation (for continuous production) and the results (typed or pasted). OK publishes the
// conformity report, or says why the rule does not apply.
#include <QPlainTextEdit>
#include <optional>

#include "kit/DialogBase.h"
#include "strength_control/calc/Conformity.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class ConformityDialog : public DialogBase {
    Q_OBJECT
public:
    explicit ConformityDialog(AppContext& app, QWidget* parent = nullptr);

    // What the journal hands on: its results in place of what was there, and the mix's dated
    // results from which a blank s of continuous production is estimated. Nothing: the dialog
    // as the user left it, s typed or none.
    void setJournalResults(const std::optional<orvan::control::JournalConformity>& given);

    void runConformity();

protected:
    void runAction() override { runConformity(); }

private:
    QComboBox* cbRule = nullptr;  // the rules in the order of allRules()
    QLineEdit* edSpecified = nullptr;
    QComboBox* cbSpecimen = nullptr;  // cylinder, cube
    QLineEdit* edSigma = nullptr;
    QPlainTextEdit* edResults = nullptr;
    std::vector<orvan::control::DatedResult> history_;
};
