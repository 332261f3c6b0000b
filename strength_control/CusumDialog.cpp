// The CUSUM dialog: the target, the standard deviation, k and h (the analysed period's figures
// where left empty), the strengths; OK publishes the CUSUM report and chart.
#include "strength_control/CusumDialog.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Fault.h"
#include "common/NumberText.h"
#include "kit/AppContext.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "strength_control/AnalysedPeriodSession.h"
#include "strength_control/ControlledPeriodInputs.h"
#include "strength_control/QualityFields.h"
#include "strength_control/QualityPublish.h"

namespace ctl = orvan::control;

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
    setMinimumWidth(kQualityDialogMinimumWidth);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edTarget = addQualityField(this, form, "edTarget", cusumText("Target mean T, MPa:"));
    edSigma = addQualityField(
        this, form, "edSigma",
        cusumText("Standard deviation s of a party mean, MPa (blank: the analyzed period's):"));
    edK = addQualityField(this, form, "edK", cusumText("Reference value K = k*s, k:"),
                          withLocaleSeparator(QStringLiteral("0.5")));
    edH = addQualityField(this, form, "edH", cusumText("Decision interval H = h*s, h:"), "5");
    layout->addLayout(form);
    edStrengths =
        addQualityList(this, layout, "edStrengths",
                       cusumText("Strengths of the parties in order, MPa (typed or pasted):"));
    layout->addLayout(makeButtonRow(cusumText("OK")));
    setHelpContext(this, kQualityHelpContext);
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
        const auto typed = readQualityNumber(this, field);
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
        const auto number = readQualityNumber(this, field);
        if (!number) return;
        *value = *number;
    }
    const auto strengths = readQualityList(this, edStrengths);
    if (!strengths) return;
    in.strengths = *strengths;
    publishCusum(app(), this, in);
}
