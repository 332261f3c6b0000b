#pragma once
// The options dialog: the switches that decide which durability, curing and cement-saving steps
// a proportioning run includes, the relative densities of the materials and the temperature of
// the fresh concrete. The choices and densities are kept in options.slv in the working folder:
// "Save current options" writes it, and every showing of the dialog reloads it. What the
// fields show is kept, as it changes, in the session's options, which the next run uses.
#include <QCoreApplication>

#include "mixdesign/MixDialogBase.h"
#include "mixdesign/calc/OptionsFile.h"

class ProportioningOptionsDialog : public MixDialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmOptions";

    // `options` takes the fields' starting texts.
    ProportioningOptionsDialog(AppContext& app, orvan::mix::ProportioningOptions& options,
                               QWidget* parent = nullptr);

    // What the fields show now; the session's options are kept equal to it.
    orvan::mix::ProportioningOptions currentOptions() const;
    void setOptions(const orvan::mix::ProportioningOptions& options);

    // Loads options.slv over the fields; a missing, short or unreadable file changes nothing
    // and shows nothing.
    void reloadOptions();
    // "Save current options": writes options.slv whole or not at all; a density that does not
    // convert or a failed write is shown in the error box and the file stays as it was.
    void saveOptions();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void storeOptions();

    orvan::mix::ProportioningOptions& options_;
    bool loading_ = false;
};
