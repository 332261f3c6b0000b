// The CUSUM and conformity dialogs: fields, their conversion and the publishing on OK.
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Fault.h"
#include "common/HelpTopic.h"
#include "common/NumberText.h"
#include "kit/AppContext.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "strength_control/AnalysedPeriodSession.h"
#include "strength_control/ConformityDialog.h"
#include "strength_control/ControlledPeriodInputs.h"
#include "strength_control/CusumDialog.h"
#include "strength_control/QualityPublish.h"
#include "strength_control/calc/StrengthList.h"

namespace ctl = orvan::control;

namespace {

constexpr int kHelpContext = orvan::kHelpQualityControl;
// Wide enough for the whole caption in the title bar, pixels.
constexpr int kMinimumWidth = 480;

QLineEdit* addField(QWidget* owner, QFormLayout* form, const char* name, const QString& caption,
                    const QString& initial = {}) {
    auto* edit = new QLineEdit(initial, owner);
    edit->setObjectName(name);
    auto* label = new QLabel(caption, owner);
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

QPlainTextEdit* addList(QWidget* owner, QVBoxLayout* layout, const char* name,
                        const QString& caption) {
    auto* label = new QLabel(caption, owner);
    auto* edit = new QPlainTextEdit(owner);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit, 1);
    return edit;
}

// A field's number; empty (with the error box shown) when its text is none.
std::optional<double> readNumber(QWidget* parent, const QLineEdit* field) {
    const std::string typed = toCore(field->text());
    if (auto value = orvan::tryTextToFloat(typed, numberFormat())) return value;
    showErrorBox(parent, fromCore(orvan::invalidFloatMessage(typed)));
    return std::nullopt;
}

std::optional<std::vector<double>> readList(QWidget* parent, const QPlainTextEdit* field) {
    const ctl::StrengthList list =
        ctl::parseStrengthList(toCore(field->toPlainText()), numberFormat());
    if (list.ok) return list.values;
    showErrorBox(parent, fromCore(list.message));
    return std::nullopt;
}

}  // namespace

// --- CUSUM -------------------------------------------------------------------------------

namespace {
QString cusumText(const char* source) {
    return QCoreApplication::translate("fmCusum", source);
}
}  // namespace

CusumDialog::CusumDialog(AppContext& app, const ControlledPeriodInputs& controlled,
                         const AnalysedPeriodSession& analysed, QWidget* parent)
    : DialogBase(app, parent), controlled_(controlled), analysed_(analysed) {
    setObjectName("fmCusum");
    setWindowTitle(cusumText("Statistical control of concrete strength. CUSUM."));
    setMinimumWidth(kMinimumWidth);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edTarget = addField(this, form, "edTarget", cusumText("Target mean T, MPa:"));
    edSigma = addField(
        this, form, "edSigma",
        cusumText("Standard deviation s of a party mean, MPa (blank: the analyzed period's):"));
    edK = addField(this, form, "edK", cusumText("Reference value K = k*s, k:"),
                   withLocaleSeparator(QStringLiteral("0.5")));
    edH = addField(this, form, "edH", cusumText("Decision interval H = h*s, h:"), "5");
    layout->addLayout(form);
    edStrengths = addList(this, layout, "edStrengths",
                          cusumText("Strengths of the parties in order, MPa (typed or pasted):"));
    layout->addLayout(makeButtonRow(cusumText("OK")));
    setHelpContext(this, kHelpContext);
}

void CusumDialog::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    // The target defaults to the average level of strength in use for the controlled period.
    if (edTarget->text().isEmpty())
        if (auto it = controlled_.texts.find("edRy"); it != controlled_.texts.end())
            edTarget->setText(QString::fromStdString(it->second));
}

// A blank target or standard deviation is taken from the newest analysed period: its average
// level of strength, and the standard deviation of its party means.
bool CusumDialog::readOrAnalysed(const QLineEdit* field, bool target, ctl::CusumInputs& in) {
    double& value = target ? in.target : in.sigma;
    std::string& source = target ? in.targetSource : in.sigmaSource;
    if (!field->text().trimmed().isEmpty()) {
        const auto typed = readNumber(this, field);
        if (typed) value = *typed;
        return typed.has_value();
    }
    if (const auto& period = analysed_.latestResult) {
        const int extracts =
            period->extractText.empty() ? 0 : static_cast<int>(period->extractText.front().size());
        if (target) {
            value = period->averageLevel;
            source = ctl::kAnalysedTargetSource;
            return true;
        }
        if (const auto s = ctl::partyMeanDeviation(period->overallVariation, period->partyMean,
                                                   extracts, numberFormat())) {
            value = s->sigma;
            source = s->source;
            return true;
        }
    }
    showMessage(this, cusumText("Type the target mean and the standard deviation, or compute an "
                                "analyzed period first."));
    return false;
}

void CusumDialog::runCusum() {
    ctl::CusumInputs in;
    if (!readOrAnalysed(edTarget, true, in) || !readOrAnalysed(edSigma, false, in)) return;
    for (auto [field, value] : {std::pair{edK, &in.k}, {edH, &in.h}}) {
        const auto number = readNumber(this, field);
        if (!number) return;
        *value = *number;
    }
    const auto strengths = readList(this, edStrengths);
    if (!strengths) return;
    in.strengths = *strengths;
    publishCusum(app(), this, in);
}

// --- Conformity --------------------------------------------------------------------------

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
    setMinimumWidth(kMinimumWidth);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    cbRule = new QComboBox(this);
    cbRule->setObjectName("cbRule");
    for (ctl::ConformityRule rule : ctl::allRules())
        cbRule->addItem(conformityText(ctl::ruleCaption(rule).c_str()),
                        fromCore(ctl::ruleName(rule)));
    form->addRow(conformityText("Rule:"), cbRule);
    edSpecified =
        addField(this, form, "edSpecified", conformityText("Specified strength fck or f'c, MPa:"));
    cbSpecimen = new QComboBox(this);
    cbSpecimen->setObjectName("cbSpecimen");
    cbSpecimen->addItem(conformityText("Cylinder"), QStringLiteral("cylinder"));
    cbSpecimen->addItem(conformityText("Cube"), QStringLiteral("cube"));
    form->addRow(conformityText("Specified strength measured on:"), cbSpecimen);
    edSigma = addField(this, form, "edSigma",
                       conformityText("Standard deviation s, MPa (continuous production):"));
    layout->addLayout(form);
    edResults = addList(this, layout, "edResults",
                        conformityText("Results in order, MPa (typed or pasted):"));
    layout->addLayout(makeButtonRow(conformityText("OK")));
    setHelpContext(this, kHelpContext);
}

void ConformityDialog::runConformity() {
    ctl::ConformityInputs in;
    in.rule = ctl::allRules().at(static_cast<std::size_t>(std::max(0, cbRule->currentIndex())));
    const auto specified = readNumber(this, edSpecified);
    if (!specified) return;
    in.specified = *specified;
    in.specimen = ctl::specimenFromName(toCore(cbSpecimen->currentData().toString()))
                      .value_or(ctl::Specimen::Cylinder);
    // s is read only where the rule uses it, and an empty field means "not given".
    if (in.rule == ctl::ConformityRule::En206Continuous && !edSigma->text().trimmed().isEmpty()) {
        const auto sigma = readNumber(this, edSigma);
        if (!sigma) return;
        in.sigma = sigma;
    }
    const auto results = readList(this, edResults);
    if (!results) return;
    in.results = *results;
    publishConformity(app(), this, in);
}
