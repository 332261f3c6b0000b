#pragma once
// "Data for proportioning concrete mixture": the properties of the concrete, cement and
// aggregates of one mix. Its OK runs the proportioning over these texts and the options
// dialog's current state, showing the frost, water-tightness, steam-curing and cement-saving
// dialogs on the way as the options ask, and publishes the report in a new text window.
#include <QCoreApplication>

#include "mixdesign/MixDialogBase.h"
#include "mixdesign/calc/MixRun.h"

class MixInputDialog : public MixDialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmBNS";

    explicit MixInputDialog(AppContext& app, QWidget* parent = nullptr);

    // The mix of the last run, as far as it got; it stays until the next run.
    const orvan::mix::MixValues& lastValues() const { return values_; }
    orvan::OutcomeKind lastOutcome() const { return outcome_; }

    // The proportioning run: a report window on success, a message on a fault or a refusal,
    // nothing at all when an in-run dialog is cancelled.
    void runProportioning();

protected:
    void runAction() override { runProportioning(); }

private:
    // The refusal of a mix the method cannot make, in the interface's language; the core's
    // message when a field's caption is not found.
    QString impossibleMixShown(const orvan::mix::ImpossibleMix& impossible,
                               const std::string& message) const;

    orvan::mix::MixValues values_;
    orvan::OutcomeKind outcome_ = orvan::OutcomeKind::Cancelled;
};
