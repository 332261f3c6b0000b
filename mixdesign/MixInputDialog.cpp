#include "mixdesign/MixInputDialog.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "common/NumberText.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "kit/TextWindow.h"
#include "mixdesign/CementSavingChoiceDialog.h"
#include "mixdesign/CementSavingTechniqueDialog.h"
#include "mixdesign/DurabilityDialog.h"
#include "mixdesign/ProportioningInputs.h"
#include "mixdesign/SteamCuringDialog.h"
#include "mixdesign/calc/MixForms.h"

namespace mix = orvan::mix;

namespace {

// The run's questions answered by the program's own dialogs, each shown modally; a dialog
// not given counts as cancelled.
class ShownDialogs : public mix::MixRunDialogs {
public:
    explicit ShownDialogs(const ProportioningRunWindows& windows) : w_(windows) {}

    mix::DialogAnswer frostPage(const mix::MixState&) override {
        return w_.durability ? w_.durability->showPage(DurabilityDialog::F) : std::nullopt;
    }
    mix::DialogAnswer waterTightnessPage(const mix::MixState&) override {
        return w_.durability ? w_.durability->showPage(DurabilityDialog::W) : std::nullopt;
    }
    mix::DialogAnswer steamCuring(const mix::MixState&) override {
        return w_.steamCuring ? w_.steamCuring->ask() : std::nullopt;
    }
    mix::DialogAnswer economyChoice(const mix::MixState&) override {
        return w_.cementSavingChoice ? w_.cementSavingChoice->ask() : std::nullopt;
    }
    mix::DialogAnswer techniquePage(mix::Technique technique, const orvan::FieldTexts& prefilled,
                                    const mix::MixState&) override {
        auto* dialog = w_.cementSavingTechnique;
        return dialog ? dialog->ask(static_cast<int>(technique) - 1, prefilled) : std::nullopt;
    }

private:
    const ProportioningRunWindows& w_;
};

}  // namespace

MixInputDialog::MixInputDialog(AppContext& app, const mix::ProportioningOptions& options,
                               QWidget* parent)
    : MixDialogBase(app, parent), options_(options) {
    buildFrom(mix::mixInputForm(), kForm);
}

void MixInputDialog::runProportioning() {
    ShownDialogs dialogs(windows_);
    const orvan::NumberFormat format = numberFormat();
    const mix::MixOutcome outcome =
        mix::runProportioning(fields().texts(), options_, dialogs, format);
    values_ = outcome.values;
    outcome_ = outcome.kind;
    if (outcome.kind == orvan::OutcomeKind::Done) {
        if (DocumentArea* documents = app().documents()) {
            TextWindow* report = documents->publishReport(
                [](int n) { return fromCore(mix::mixReportTitle(n)); }, outcome.lines);
            // The figures the report prints, for "Batch weights..." from this window.
            const mix::MixValues& v = outcome.values;
            if (windows_.session)
                windows_.session->setReportDesign(
                    report,
                    {fromCore(orvan::formatFixed(v.mix.waterContent, 0, format)),
                     fromCore(orvan::formatFixed(v.sand, 0, format)),
                     fromCore(orvan::formatFixed(v.coarseAggregate, 0, format)),
                     fromCore(orvan::formatFixed(v.mix.cementContent, 0, format)),
                     v.flyAshContent > 0 ? fromCore(orvan::formatGeneral15(v.flyAshContent, format))
                                         : QString(),
                     v.mix.waterCementRatio, v.mix.waterContent, v.mix.cementContent});
        }
        return;
    }
    showOutcome(this, outcome,
                outcome.values.impossible
                    ? impossibleMixShown(*outcome.values.impossible, outcome.message)
                    : fromCore(outcome.message.empty() ? mix::kRunError : outcome.message));
    if (!outcome.values.impossible || !isVisible()) return;
    // Open again at the first input of this dialog the refusal names as out of range.
    keepOpen_ = true;
    for (const auto& input : outcome.values.impossible->outside) {
        if (QLineEdit* edit = fields().edit(fromCore(input.field))) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            break;
        }
    }
}

void MixInputDialog::done(int result) {
    const bool stay = keepOpen_ && result == QDialog::Accepted;
    keepOpen_ = false;
    if (!stay) MixDialogBase::done(result);
}

QString MixInputDialog::impossibleMixShown(const mix::ImpossibleMix& impossible,
                                           const std::string& message) const {
    auto shared = [](const std::string& text) {
        return QCoreApplication::translate("Shared", text.c_str());
    };
    auto withUnit = [&](const std::string& value, const std::string& unit) {
        return unit.empty() ? fromCore(value) : fromCore(value) + QLatin1Char(' ') + shared(unit);
    };
    QStringList quantities;
    for (const auto& q : impossible.quantities)
        quantities << shared("%1 is %2").arg(shared(q.name), withUnit(q.value, q.unit));
    QStringList outside;
    for (const auto& input : impossible.outside) {
        const QString name = fromCore(input.field);
        QString caption = shownCaption(name);
        if (caption.isEmpty() && windows_.optionCaption) caption = windows_.optionCaption(name);
        if (caption.isEmpty()) return fromCore(message);
        const QString range =
            shared("%1 to %2").arg(fromCore(input.min), withUnit(input.max, input.unit));
        outside << QStringLiteral("\"%1\" %2 (%3)").arg(caption, fromCore(input.text), range);
    }
    QString shown =
        shared("The mix cannot be made: %1.").arg(quantities.join(QStringLiteral(", ")));
    shown += QLatin1Char(' ');
    shown +=
        outside.isEmpty()
            ? shared("Every input lies within the method's range.")
            : shared("Outside the method's range: %1.").arg(outside.join(QStringLiteral("; ")));
    return shown;
}
