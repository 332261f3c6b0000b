// The conformity dialog: the rule, the specified strength and its specimen, s where the rule
// uses it, the results; OK publishes the conformity report.
#include "strength_control/ConformityDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "kit/AppContext.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "strength_control/QualityFields.h"
#include "strength_control/QualityPublish.h"

namespace ctl = orvan::control;

namespace {
QString conformityText(const char* source) {
    return QCoreApplication::translate("fmConformity", source);
}
// The rule captions come from the core; listed here so that the translation tools find them.
[[maybe_unused]] const char* const kRuleCaptions[] = {
    QT_TRANSLATE_NOOP("fmConformity", "EN 206, initial production (groups of 3 results)"),
    QT_TRANSLATE_NOOP("fmConformity", "EN 206, continuous production (15 results or more)"),
    QT_TRANSLATE_NOOP("fmConformity", "ACI 318 (averages of three consecutive results)"),
};
}  // namespace

ConformityDialog::ConformityDialog(AppContext& app, QWidget* parent) : DialogBase(app, parent) {
    setObjectName("fmConformity");
    setWindowTitle(conformityText("Conformity of compressive strength"));
    setMinimumWidth(kQualityDialogMinimumWidth);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    cbRule = new QComboBox(this);
    cbRule->setObjectName("cbRule");
    for (ctl::ConformityRule rule : ctl::allRules())
        cbRule->addItem(conformityText(ctl::ruleCaption(rule).c_str()),
                        fromCore(ctl::ruleName(rule)));
    form->addRow(conformityText("Rule:"), cbRule);
    edSpecified = addQualityField(this, form, "edSpecified",
                                  conformityText("Specified strength fck or f'c, MPa:"));
    cbSpecimen = new QComboBox(this);
    cbSpecimen->setObjectName("cbSpecimen");
    cbSpecimen->addItem(conformityText("Cylinder"), QStringLiteral("cylinder"));
    cbSpecimen->addItem(conformityText("Cube"), QStringLiteral("cube"));
    form->addRow(conformityText("Specified strength measured on:"), cbSpecimen);
    edSigma = addQualityField(this, form, "edSigma",
                              conformityText("Standard deviation s, MPa (continuous production):"));
    layout->addLayout(form);
    edResults = addQualityList(this, layout, "edResults",
                               conformityText("Results in order, MPa (typed or pasted):"));
    layout->addLayout(makeButtonRow(conformityText("OK")));
    setHelpContext(this, kQualityHelpContext);
}

void ConformityDialog::setJournalResults(const std::optional<ctl::JournalConformity>& given) {
    history_ = given ? given->history : std::vector<ctl::DatedResult>{};
    if (given) edResults->setPlainText(fromCore(given->resultsText));
}

void ConformityDialog::runConformity() {
    ctl::ConformityInputs in;
    in.rule = ctl::allRules().at(static_cast<std::size_t>(std::max(0, cbRule->currentIndex())));
    const auto specified = readQualityNumber(this, edSpecified);
    if (!specified) return;
    in.specified = *specified;
    in.specimen = ctl::specimenFromName(toCore(cbSpecimen->currentData().toString()))
                      .value_or(ctl::Specimen::Cylinder);
    // s is read only where the rule uses it, and an empty field means "not given".
    if (in.rule == ctl::ConformityRule::En206Continuous && !edSigma->text().trimmed().isEmpty()) {
        const auto sigma = readQualityNumber(this, edSigma);
        if (!sigma) return;
        in.sigma = sigma;
    } else if (in.rule == ctl::ConformityRule::En206Continuous && !history_.empty()) {
        // Blank s over the journal's results: the mix's own production gives it.
        const auto estimate = ctl::estimateSigma(history_, numberFormat());
        if (!estimate.ok()) return showOutcome(this, estimate);
        in.sigma = estimate.values.sigma;
        in.sigmaSource = estimate.lines;
    }
    const auto results = readQualityList(this, edResults);
    if (!results) return;
    in.results = *results;
    publishConformity(app(), this, in);
}
