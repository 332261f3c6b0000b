// The journal window's commands from the results back to the mix: the prediction of the
// 28-day strength from an early one, the CUSUM of the parties and the correction of the mix
// from the parties of its designs.
#include <QInputDialog>
#include <QLineEdit>
#include <map>

#include "common/NumberText.h"
#include "correction/calc/DesignCorrection.h"
#include "journal/JournalLoop.h"
#include "journal/ui/JournalTexts.h"
#include "journal/ui/JournalWindow.h"
#include "journal/ui/PartyTableModel.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"

namespace jrn = orvan::journal;
namespace ctl = orvan::control;

// The report in a new window of the main window, which comes up in front of the journal so
// that the report is seen.
void JournalWindow::publishReport(std::string (*title)(int),
                                  const std::vector<std::string>& lines) {
    DocumentArea* documents = app_.documents();
    if (!documents) return;
    documents->publishReport([title](int n) { return fromCore(title(n)); }, lines);
    QWidget* main = documents->window();
    main->raise();
    main->activateWindow();
}

// The table's predicted strengths: only for a mix with early results, quietly none when the
// relation is refused (too few parties with both results).
void JournalWindow::updatePredictions() {
    std::map<std::string, double> predicted;
    const auto mix = currentMix();
    const auto& ages = model_->otherAges();
    if (mix && journal_ && !ages.empty() && ages.front() < jrn::kDesignAge) {
        const auto prediction = jrn::predictionFromJournal(*journal_, mix->id, {});
        if (prediction.ok())
            for (const ctl::PredictedParty& p : prediction.values.predicted)
                predicted[p.party] = p.strength;
    }
    model_->setPredicted(std::move(predicted));
}

void JournalWindow::predictStrengths() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const auto prediction = jrn::predictionFromJournal(*journal_, mix->id, numberFormat());
    if (!prediction.ok()) return tell(prediction.message);
    publishReport(ctl::predictionReportTitle, prediction.lines);
}

void JournalWindow::runCusum() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    jrn::CusumRequest request;
    request.from = toCore(edFrom->text().trimmed());
    // With early results, the prediction stands in for a 28-day result not yet tested.
    const auto& ages = model_->otherAges();
    request.predicted = !ages.empty() && ages.front() < jrn::kDesignAge;
    const auto age = jrn::earlyAgeOf(*journal_, mix->id);
    if (!age.ok()) return tell(age.message);
    request.earlyAge = age.values;
    const auto inputs = jrn::cusumInputs(*journal_, mix->id, request);
    if (!inputs.ok()) return tell(inputs.message);
    const auto cusum = ctl::runSeriesCusum(inputs.values, numberFormat());
    if (!cusum.ok()) return tell(cusum.message);
    publishReport(ctl::cusumReportTitle, cusum.lines);
    if (!cusumOpener_) return;
    const ctl::SeriesCusumInputs& in = inputs.values;
    ctl::CusumInputs drawn{in.target, in.sigma, in.k, in.h, {}, in.targetSource, in.sigmaSource};
    for (const ctl::SeriesParty& party : in.parties) drawn.strengths.push_back(party.strength);
    cusumOpener_(drawn, cusum.values);
}

void JournalWindow::correctMix() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    bool ok = false;
    const QString text =
        QInputDialog::getText(this, jt("Correct the mix"),
                              jt("Required strength, MPa (blank: the stored analysed period's "
                                 "average level):"),
                              QLineEdit::Normal, QString(), &ok)
            .trimmed();
    if (!ok) return;
    jrn::CorrectionRequest request;
    if (!text.isEmpty()) {
        const std::optional<double> required = orvan::tryTextToFloat(toCore(text), numberFormat());
        if (!required || *required <= 0)
            return tell(toCore(jt("The required strength is a number above zero")));
        request.required = required;
    }
    const auto inputs = jrn::designCorrectionInputs(*journal_, mix->id, request);
    if (!inputs.ok()) return tell(inputs.message);
    const auto corrected =
        orvan::correction::correctFromDesigns(inputs.values.inputs, numberFormat());
    if (!corrected.ok()) return tell(corrected.message);
    std::vector<std::string> lines = jrn::correctionSourceLines(inputs.values);
    lines.insert(lines.end(), corrected.lines.begin(), corrected.lines.end());
    publishReport(orvan::correction::designCorrectionTitle, lines);
}
