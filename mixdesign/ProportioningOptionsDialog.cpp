#include "mixdesign/ProportioningOptionsDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "mixdesign/calc/MixForms.h"

namespace mix = orvan::mix;

ProportioningOptionsDialog::ProportioningOptionsDialog(AppContext& app,
                                                       mix::ProportioningOptions& options,
                                                       QWidget* parent)
    : MixDialogBase(app, parent), options_(options) {
    buildFrom(mix::optionsDialog(), kForm);
    auto* save = new QPushButton(
        QCoreApplication::translate(kForm, mix::kSaveOptionsCaption, mix::kSaveOptionsButton),
        this);
    save->setObjectName(mix::kSaveOptionsButton);
    addButton(save);
    connect(save, &QPushButton::clicked, this, [this] { saveOptions(); });
    storeOptions();
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, [this] { storeOptions(); });
    for (QRadioButton* item : findChildren<QRadioButton*>())
        connect(item, &QRadioButton::toggled, this, [this] { storeOptions(); });
}

void ProportioningOptionsDialog::storeOptions() {
    if (!loading_) options_ = currentOptions();
}

mix::ProportioningOptions ProportioningOptionsDialog::currentOptions() const {
    mix::ProportioningOptions options;
    auto index = [this](const char* name) { return fields().group(name)->itemIndex(); };
    auto text = [this](const char* name) { return toCore(fields().edit(name)->text()); };
    options.waterTightness = index("rgWaterproof");
    options.frostResistance = index("rgFrost");
    options.reinforcement = index("rgArmatyra");
    options.steaming = index("rgProparka");
    options.cementSaving = index("rgEconomy");
    options.aggregateKind = index("rgZapolnitel");
    options.cementDensity = text("edPlotnostC");
    options.sandDensity = text("edPlotnostP");
    options.coarseDensity = text("edPlotnostSC");
    options.concreteTemperature = text("edTemperatyr");
    return options;
}

void ProportioningOptionsDialog::setOptions(const mix::ProportioningOptions& options) {
    loading_ = true;
    fields().setTexts(options.toTexts());
    loading_ = false;
    storeOptions();
}

// The dialog is modal and reloads each time it is shown; a message box of its own (after a
// failed save) does not count as a new activation, so unsaved texts are not lost to it.
void ProportioningOptionsDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (options_ != currentOptions()) setOptions(options_);
        reloadOptions();
    }
    MixDialogBase::showEvent(event);
}

void ProportioningOptionsDialog::reloadOptions() {
    if (auto loaded = mix::loadOptionsFile(mix::kOptionsFileName, currentOptions(), numberFormat()))
        setOptions(*loaded);
}

void ProportioningOptionsDialog::saveOptions() {
    const mix::OptionsSaveOutcome outcome =
        mix::saveOptionsFile(mix::kOptionsFileName, currentOptions(), numberFormat());
    showOutcome(this, outcome);
}
