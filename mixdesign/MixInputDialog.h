#pragma once
// "Data for proportioning concrete mixture": the properties of the concrete, cement and
// aggregates of one mix. Its OK runs the proportioning over these texts and the session's
// options, showing the frost, water-tightness, steam-curing and cement-saving dialogs on the
// way as the options ask, and publishes the report in a new text window.
#include <QCoreApplication>
#include <functional>

#include "mixdesign/MixDialogBase.h"
#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"

class CementSavingChoiceDialog;
class CementSavingTechniqueDialog;
class DurabilityDialog;
class ProportioningInputs;
class SteamCuringDialog;

// What a proportioning run reaches besides its own fields, given by the main window that made
// it all: the in-run dialogs (one not given counts as cancelled), the caption of an options
// field as the options dialog shows it, and the session that keeps each report's design
// quantities.
struct ProportioningRunWindows {
    DurabilityDialog* durability = nullptr;
    SteamCuringDialog* steamCuring = nullptr;
    CementSavingChoiceDialog* cementSavingChoice = nullptr;
    CementSavingTechniqueDialog* cementSavingTechnique = nullptr;
    std::function<QString(const QString& name)> optionCaption;
    ProportioningInputs* session = nullptr;
};

class MixInputDialog : public MixDialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmBNS";

    MixInputDialog(AppContext& app, const orvan::mix::ProportioningOptions& options,
                   QWidget* parent = nullptr);

    void setRunWindows(ProportioningRunWindows windows) { windows_ = std::move(windows); }

    // The mix of the last run, as far as it got; it stays until the next run.
    const orvan::mix::MixValues& lastValues() const { return values_; }
    orvan::OutcomeKind lastOutcome() const { return outcome_; }

    // The proportioning run: a report window on success, a message on a fault or a refusal,
    // nothing at all when an in-run dialog is cancelled.
    void runProportioning();
    // A mix refused as one that cannot be made keeps the dialog open instead of closing it.
    void done(int result) override;

protected:
    void runAction() override { runProportioning(); }

private:
    // The refusal of a mix the method cannot make, in the interface's language; the core's
    // message when a field's caption is not found.
    QString impossibleMixShown(const orvan::mix::ImpossibleMix& impossible,
                               const std::string& message) const;

    const orvan::mix::ProportioningOptions& options_;
    ProportioningRunWindows windows_;
    orvan::mix::MixValues values_;
    orvan::OutcomeKind outcome_ = orvan::OutcomeKind::Cancelled;
    bool keepOpen_ = false;  // the last run was refused: stay up for the input to be corrected
};
