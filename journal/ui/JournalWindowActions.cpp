// The journal window's commands: edits, paste, import and export, the analysed period and
// the control chart.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <map>

#include "common/NumberText.h"
#include "journal/JournalCsv.h"
#include "journal/JournalDesigns.h"
#include "journal/JournalExchange.h"
#include "journal/JournalLoop.h"
#include "journal/JournalPeriods.h"
#include "journal/ui/JournalTexts.h"
#include "journal/ui/JournalWindow.h"
#include "journal/ui/PartyTableModel.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "kit/TextWindow.h"
#include "mixdesign/ProportioningInputs.h"
#include "mixdesign/calc/MixRun.h"

namespace jrn = orvan::journal;
namespace an = orvan::analysed;

namespace {

// Strengths as one text, "20; 22.5; 24", and back.
QString joinStrengths(const std::vector<std::string>& texts) {
    QStringList out;
    for (const auto& t : texts) out << fromCore(t);
    return out.join("; ");
}
std::vector<std::string> splitStrengths(const QString& text) {
    std::vector<std::string> out;
    for (const QString& part : text.split(';', Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty()) out.push_back(toCore(part.trimmed()));
    return out;
}

// A strength as the journal keeps it: blanks dropped, a decimal comma made a point.
std::string journalStrength(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c == ',' ? '.' : c;
    return out;
}

// Counts as the user reads them: "1,500".
QString counted(long long n) {
    return QLocale(QLocale::English).toString(n);
}

}  // namespace

std::optional<std::string> confirmWithReason(QWidget* parent, const QString& question,
                                             const QString& action, bool undoable) {
    QDialog dialog(parent);
    dialog.setObjectName("ConfirmDialog");
    dialog.setWindowTitle(jt("Journal"));
    auto* reason = new QLineEdit(&dialog);
    reason->setObjectName("edReason");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* yes = buttons->addButton(action, QDialogButtonBox::AcceptRole);
    yes->setObjectName("bbConfirm");
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    auto* text = new QLabel(question, &dialog);
    text->setWordWrap(true);
    form->addRow(text);
    form->addRow(jt("Reason (kept in the history)"), reason);
    if (undoable)
        form->addRow(new QLabel(jt("It can be undone from the journal's history."), &dialog));
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return toCore(reason->text().trimmed());
}

bool JournalWindow::editPartyDialog(jrn::Party& party, const QString& caption) {
    QDialog dialog(this);
    dialog.setObjectName("PartyDialog");
    dialog.setWindowTitle(caption);
    auto* date = new QLineEdit(fromCore(party.date), &dialog);
    date->setObjectName("edDate");
    auto* number = new QLineEdit(fromCore(party.number), &dialog);
    number->setObjectName("edNumber");
    auto* strengths = new QLineEdit(joinStrengths(party.strengthTexts), &dialog);
    strengths->setObjectName("edStrengths");
    auto* design = new QLineEdit(fromCore(party.design), &dialog);
    design->setObjectName("edDesign");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(jt("Date (YYYY-MM-DD)"), date);
    form->addRow(jt("Party"), number);
    form->addRow(jt("Extract strengths, MPa, separated by \";\""), strengths);
    // A field for each other age of the mix and of the party: its results are edited too.
    std::map<int, QString> shown;
    for (int age : model_->otherAges()) shown[age];
    for (const jrn::AgeResults& results : party.otherAges)
        shown[results.age] = joinStrengths(results.strengthTexts);
    std::map<int, QLineEdit*> ages;
    for (const auto& [age, text] : shown) {
        QLineEdit* field = ages[age] = new QLineEdit(text, &dialog);
        field->setObjectName(QStringLiteral("edStrengths%1").arg(age));
        form->addRow(jt("%1-day extract strengths, MPa").arg(age), field);
    }
    form->addRow(jt("Design"), design);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    party.date = toCore(date->text().trimmed());
    party.number = toCore(number->text().trimmed());
    party.design = toCore(design->text().trimmed());
    auto typed = [](const QLineEdit* field) {
        std::vector<std::string> texts;
        for (const auto& text : splitStrengths(field->text()))
            texts.push_back(journalStrength(text));
        return texts;
    };
    party.strengthTexts = typed(strengths);
    party.otherAges.clear();
    for (const auto& [age, field] : ages)
        if (auto texts = typed(field); !texts.empty()) party.otherAges.push_back({age, texts});
    return true;
}

void JournalWindow::addMix() {
    if (!reachable()) return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, jt("Journal"), jt("Name of the new mix"),
                                               QLineEdit::Normal, {}, &ok)
                             .trimmed();
    if (!ok || name.isEmpty()) return;
    if (const auto added = journal_->addMix(toCore(name)); !added.ok()) return tell(added.message);
    reloadMixes();
    selectMix(name);
    say(jt("Added the mix %1").arg(name));
}

void JournalWindow::deleteMix() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const auto reason = confirmWithReason(
        this,
        jt("Delete mix %1 with %2 parties and %3 results?")
            .arg(fromCore(mix->name), counted(mix->partyCount), counted(mix->extractCount)),
        jt("Delete mix"));
    if (!reason) return;
    if (const auto deleted = journal_->deleteMix(mix->id, *reason); !deleted.ok())
        return tell(deleted.message);
    // No mix is chosen after a delete, so that a second click deletes nothing.
    lbMixes->setCurrentRow(-1);
    reloadMixes();
    say(jt("Deleted the mix %1; History... can undo it").arg(fromCore(mix->name)));
}

void JournalWindow::addParty() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const auto next = journal_->nextPartyNumber(mix->id);
    if (!next.ok()) return tell(next.message);
    jrn::Party party{
        0, mix->id, toCore(QDate::currentDate().toString(Qt::ISODate)), next.values, {}, {}, {}};
    if (!editPartyDialog(party, jt("New party"))) return;
    if (const auto added = journal_->addParty(party); !added.ok()) return tell(added.message);
    model_->refresh();
    say(jt("Added the party %1").arg(fromCore(party.number)));
}

void JournalWindow::editParty() {
    if (!reachable()) return;
    const QModelIndex current = tvParties->currentIndex();
    if (!current.isValid()) return;
    auto party = journal_->party(model_->partyId(current.row()));
    if (!party.ok()) return tell(party.message);
    if (!party.values || !editPartyDialog(*party.values, jt("Party"))) return;
    if (const auto updated = journal_->updateParty(*party.values); !updated.ok())
        return tell(updated.message);
    model_->refresh();
    say(jt("Changed the party %1").arg(fromCore(party.values->number)));
}

void JournalWindow::deleteSelectedParties() {
    if (!reachable()) return;
    std::vector<long long> ids;
    QStringList numbers;
    long long results = 0;
    for (const QModelIndex& row : tvParties->selectionModel()->selectedRows()) {
        ids.push_back(model_->partyId(row.row()));
        numbers << model_->index(row.row(), PartyTableModel::Number).data().toString();
        results += model_->resultCount(row.row());
    }
    if (ids.empty()) return tell(toCore(jt("Choose the parties to delete first")));
    const QString shown =
        numbers.size() > 10 ? numbers.mid(0, 10).join(", ") + ", ..." : numbers.join(", ");
    const auto reason = confirmWithReason(
        this,
        jt("Delete %1 parties (%2) with %3 results?")
            .arg(counted(static_cast<long long>(ids.size())), shown, counted(results)),
        jt("Delete"));
    if (!reason) return;
    if (const auto deleted = journal_->deleteParties(ids, *reason); !deleted.ok())
        return tell(deleted.message);
    model_->refresh();
    say(jt("Deleted %1 parties; History... can undo it").arg(ids.size()));
}

void JournalWindow::pasteClipboard() {
    pasteBlock(QApplication::clipboard()->text());
}

// A block of the analysed-period paste rules: one party a line, as many as the chosen layout
// holds, dated on the day in edUntil (or today) and numbered on from the mix's parties.
void JournalWindow::pasteBlock(const QString& text) {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const an::AnalysedPeriodLayout& layout = an::layoutForItem(cbLayout->currentIndex());
    const an::ExtractBlock block = an::parseExtractBlock(layout, toCore(text));
    if (!block.ok) return tell(toCore(jt("Nothing was pasted.")) + " " + block.error);
    const QString day = jrn::isIsoDate(toCore(edUntil->text()))
                            ? edUntil->text()
                            : QDate::currentDate().toString(Qt::ISODate);
    const auto next = journal_->nextPartyNumber(mix->id);
    if (!next.ok()) return tell(next.message);
    unsigned long long number = std::stoull(next.values);
    std::vector<jrn::Party> parties;
    for (const auto& texts : block.texts) {
        jrn::Party party{0, mix->id, toCore(day), std::to_string(number++), {}, {}, {}};
        for (const auto& t : texts) party.strengthTexts.push_back(journalStrength(t));
        parties.push_back(std::move(party));
    }
    if (const auto added = journal_->addParties(parties, "paste"); !added.ok())
        return tell(toCore(jt("Nothing was pasted.")) + " " + added.message);
    model_->refresh();
    say(jt("Pasted %1 parties").arg(parties.size()));
}

void JournalWindow::chooseImport() {
    const QString path =
        askFile(jt("Import CSV"), {}, jt("CSV files (*.csv);;All files (*)"), false);
    if (!path.isEmpty()) importFile(path);
}

void JournalWindow::importFile(const QString& path) {
    if (!reachable()) return;
    // A long import keeps the window answering, with a bar and Cancel; Cancel leaves the
    // journal as it was (the import is one transaction).
    QProgressDialog progress(jt("Importing %1").arg(path), jt("Cancel"), 0, 100, this);
    progress.setObjectName("ImportProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const jrn::ImportOutcome outcome =
        jrn::importCsvFile(*journal_, path, [&](long long written, long long total) {
            progress.setMaximum(static_cast<int>(std::min<long long>(total, INT32_MAX)));
            progress.setValue(static_cast<int>(std::min<long long>(written, INT32_MAX)));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome.kind == orvan::OutcomeKind::Cancelled)
        return say(jt("The import was cancelled: nothing was imported"));
    if (!outcome.ok())
        return tellList(
            outcome.message.empty() ? toCore(jt("Nothing was imported.")) : outcome.message,
            outcome.values.problems);
    reloadMixes();
    QString notes;
    for (const std::string& note : outcome.values.notes) notes += " " + fromCore(note) + ".";
    say(jt("Added %1 parties and %2 extracts")
            .arg(outcome.values.partiesAdded)
            .arg(outcome.values.extractsAdded) +
        (notes.isEmpty() ? QString() : "." + notes));
}

void JournalWindow::chooseExport() {
    const QString path = askFile(jt("Export CSV"), "journal.csv", jt("CSV files (*.csv)"), true);
    if (!path.isEmpty()) exportFile(path);
}

void JournalWindow::exportFile(const QString& path) {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (const auto written = jrn::exportCsvFile(*journal_, path, mix ? mix->name : std::string());
        !written.ok())
        return tell(written.message);
    say(jt("Exported to %1").arg(path));
}

void JournalWindow::analyse() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const std::string until = toCore(edUntil->text().trimmed());
    if (!until.empty() && !jrn::isIsoDate(until))
        return tell(toCore(jt("The day is written YYYY-MM-DD")));
    const an::AnalysedPeriodLayout& layout = an::layoutForItem(cbLayout->currentIndex());
    const orvan::NumberFormat format = numberFormat();
    const jrn::JournalAnalysis analysis = jrn::analyseFromJournal(
        *journal_, mix->id, layout, toCore(edClass->text().trimmed()), until, format);
    if (!analysis.ok())
        return tell(analysis.values.end == jrn::AnalysisEnd::DataError ? an::kDataError
                                                                       : analysis.message);
    if (const auto saved = jrn::saveAnalysedPeriod(*journal_, analysis); !saved.ok())
        return tell(saved.message);
    std::vector<std::string> lines = an::periodSourceLines(jrn::periodSources(analysis));
    const auto report = an::writeAnalysedPeriodReport(layout, analysis.values.run.result, format);
    lines.insert(lines.end(), report.begin(), report.end());
    publishReport(an::analysedReportTitle, lines);
    mixChosen();
    say(jt("The analysed period of %1 is stored with the mix").arg(fromCore(mix->name)));
}

std::optional<orvan::FieldTexts> JournalWindow::chooseStoredPeriod(QWidget* parent) {
    if (!reachable()) return std::nullopt;
    const auto mixes = journal_->mixes();
    if (!mixes.ok()) {
        showMessage(parent, fromCore(mixes.message));
        return std::nullopt;
    }
    QStringList names;
    std::vector<jrn::StoredPeriod> periods;
    for (const jrn::Mix& mix : mixes.values) {
        const auto period = jrn::latestAnalysedPeriod(*journal_, mix.id);
        if (!period.ok()) {
            showMessage(parent, fromCore(period.message));
            return std::nullopt;
        }
        if (period.values) {
            names << fromCore(mix.name);
            periods.push_back(*period.values);
        }
    }
    if (names.isEmpty()) {
        showMessage(parent, jt("No mix of the journal has a stored analysed period"));
        return std::nullopt;
    }
    bool ok = false;
    const QString name = QInputDialog::getItem(
        parent, jt("Journal"), jt("Analysed period of the mix"), names, 0, false, &ok);
    if (!ok) return std::nullopt;
    return jrn::controlFieldTexts(periods[names.indexOf(name)]);
}

void JournalWindow::showChart() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    auto period = jrn::controlledPeriod(*journal_, mix->id);
    if (!period.ok()) return tell(period.message);
    // The parties still waiting for their 28-day results stand on the chart predicted.
    if (const auto added = jrn::addPredicted(*journal_, mix->id, period.values); !added.ok())
        return tell(added.message);
    if (!period.values.period)
        return tell(toCore(jt("The mix has no stored analysed period: compute it first")));
    if (period.values.batchMeans.empty())
        return tell(toCore(jt("No party of the mix is dated after its analysed period (%1)")
                               .arg(fromCore(period.values.period->lastPartyDate))));
    if (chartOpener_) chartOpener_(jrn::chartFromJournal(period.values, mix->name));
}

void JournalWindow::checkConformity() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const auto given = jrn::conformityFromJournal(
        *journal_, mix->id, toCore(edFrom->text().trimmed()), toCore(edTo->text().trimmed()));
    if (!given.ok()) return tell(given.message);
    if (given.values.resultsText.empty())
        return tell(toCore(jt("No party of the mix is dated in the filter's range")));
    if (conformityOpener_) conformityOpener_(given.values);
}

void JournalWindow::saveDesign() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    // The newest proportioning report: its title ends as the report's pattern does.
    const std::string pattern = orvan::mix::mixReportTitle(0);
    const QString tail = fromCore(pattern.substr(pattern.find('.')));
    TextWindow* report = nullptr;
    if (DocumentArea* documents = app_.documents())
        for (TextWindow* document : documents->documents())
            if (document->windowTitle().endsWith(tail)) report = document;
    if (!report) return tell(toCore(jt("There is no proportioning report window to save")));
    bool ok = false;
    const QString name = QInputDialog::getText(this, jt("Save design"), jt("Name of the design:"),
                                               QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok) return;
    jrn::Design design;
    design.name = toCore(name);
    if (const auto figures = inputs_ ? inputs_->reportDesign(report) : std::nullopt)
        design.results = {
            {jrn::kWaterCementRatioKey, orvan::formatRoundTrip(figures->waterCementRatio)},
            {jrn::kWaterContentKey, orvan::formatRoundTrip(figures->waterContent)},
            {jrn::kCementContentKey, orvan::formatRoundTrip(figures->cementContent)}};
    if (inputs_)
        for (const auto& [dialog, texts] : inputs_->dialogs())
            for (const auto& [name, text] : texts)
                design.fields.push_back({dialog + "." + name, text});
    for (const QString& line : report->logicalLines()) design.reportLines.push_back(toCore(line));
    if (const auto saved = jrn::saveDesign(*journal_, mix->id, design); !saved.ok())
        return tell(saved.message);
    say(jt("Saved the design of %1 from %2").arg(fromCore(mix->name), report->windowTitle()));
}

void JournalWindow::loadDesign() {
    if (!reachable()) return;
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const auto design = jrn::latestDesign(*journal_, mix->id);
    if (!design.ok()) return tell(design.message);
    if (!design.values) return tell(toCore(jt("The mix has no saved design")));
    if (inputs_)
        for (const auto& entry : inputs_->dialogs()) {
            const std::string& dialog = entry.first;
            const std::string prefix = dialog + ".";
            orvan::FieldTexts texts;
            for (const jrn::DesignField& field : design.values->fields)
                if (field.name.rfind(prefix, 0) == 0)
                    texts[field.name.substr(prefix.size())] = field.text;
            inputs_->load(dialog, texts);
        }
    say(jt("Loaded the design saved %1 into the proportioning dialogs")
            .arg(fromCore(design.values->savedAt)));
}
