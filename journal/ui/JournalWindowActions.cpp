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
#include <QTableView>

#include "app/AppContext.h"
#include "app/DocumentArea.h"
#include "app/LocaleNumberFormat.h"
#include "app/Messages.h"
#include "app/TextWindow.h"
#include "common/NumberText.h"
#include "journal/JournalCsv.h"
#include "journal/JournalDesigns.h"
#include "journal/JournalExchange.h"
#include "journal/JournalPeriods.h"
#include "journal/ui/JournalWindow.h"
#include "journal/ui/PartyTableModel.h"
#include "mixdesign/ProportioningInputs.h"
#include "mixdesign/calc/MixRun.h"

namespace jrn = orvan::journal;
namespace an = orvan::analysed;

namespace {

QString jt(const char* text) {
    return QCoreApplication::translate("JournalWindow", text);
}

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

constexpr int kShownProblems = 20;

}  // namespace

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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(jt("Date (YYYY-MM-DD)"), date);
    form->addRow(jt("Party"), number);
    form->addRow(jt("Extract strengths, MPa, separated by \";\""), strengths);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    party.date = toCore(date->text().trimmed());
    party.number = toCore(number->text().trimmed());
    party.strengthTexts.clear();
    for (const auto& text : splitStrengths(strengths->text()))
        party.strengthTexts.push_back(journalStrength(text));
    return true;
}

void JournalWindow::addMix() {
    if (!openJournal()) return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, jt("Journal"), jt("Name of the new mix"),
                                               QLineEdit::Normal, {}, &ok)
                             .trimmed();
    if (!ok || name.isEmpty()) return;
    if (jrn::Status status = journal_->addMix(toCore(name)); !status) return tell(status.message);
    reloadMixes();
    selectMix(name);
}

void JournalWindow::deleteMix() {
    const auto mix = currentMix();
    if (!mix) return;
    if (jrn::Status status = journal_->deleteMix(mix->id); !status) return tell(status.message);
    reloadMixes();
}

void JournalWindow::addParty() {
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    jrn::Party party{0,
                     mix->id,
                     toCore(QDate::currentDate().toString(Qt::ISODate)),
                     journal_->nextPartyNumber(mix->id),
                     {}};
    if (!editPartyDialog(party, jt("New party"))) return;
    if (const auto added = journal_->addParty(party); !added) return tell(added.status.message);
    model_->refresh();
}

void JournalWindow::editParty() {
    const QModelIndex current = tvParties->currentIndex();
    if (!current.isValid()) return;
    auto party = journal_->party(model_->partyId(current.row()));
    if (!party || !editPartyDialog(*party, jt("Party"))) return;
    if (jrn::Status status = journal_->updateParty(*party); !status) return tell(status.message);
    model_->refresh();
}

void JournalWindow::deleteSelectedParties() {
    std::vector<long long> ids;
    for (const QModelIndex& row : tvParties->selectionModel()->selectedRows())
        ids.push_back(model_->partyId(row.row()));
    if (ids.empty()) return;
    if (jrn::Status status = journal_->deleteParties(ids); !status) return tell(status.message);
    model_->refresh();
}

void JournalWindow::pasteClipboard() {
    pasteBlock(QApplication::clipboard()->text());
}

// A block of the analysed-period paste rules: one party a line, as many as the chosen layout
// holds, dated on the day in edUntil (or today) and numbered on from the mix's parties.
void JournalWindow::pasteBlock(const QString& text) {
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const an::AnalysedPeriodLayout& layout = an::layoutForItem(cbLayout->currentIndex());
    const an::ExtractBlock block = an::parseExtractBlock(layout, toCore(text));
    if (!block.ok) return tell(toCore(jt("Nothing was pasted.")) + " " + block.error);
    const QString day = jrn::isIsoDate(toCore(edUntil->text()))
                            ? edUntil->text()
                            : QDate::currentDate().toString(Qt::ISODate);
    jrn::Status status = journal_->write([&]() -> jrn::Status {
        for (const auto& texts : block.texts) {
            jrn::Party party{0, mix->id, toCore(day), journal_->nextPartyNumber(mix->id), {}};
            for (const auto& t : texts) party.strengthTexts.push_back(journalStrength(t));
            if (const auto added = journal_->insertParty(party); !added) return added.status;
        }
        return {};
    });
    if (!status) return tell(toCore(jt("Nothing was pasted.")) + " " + status.message);
    model_->refresh();
}

void JournalWindow::chooseImport() {
    const QString path = QFileDialog::getOpenFileName(this, jt("Import CSV"), {},
                                                      jt("CSV files (*.csv);;All files (*)"),
                                                      nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) importFile(path);
}

void JournalWindow::importFile(const QString& path) {
    if (!openJournal()) return;
    const jrn::ImportOutcome outcome = jrn::importCsvFile(*journal_, path);
    if (!outcome.ok()) {
        const std::vector<std::string>& problems = outcome.values.problems;
        std::string text =
            outcome.message.empty() ? toCore(jt("Nothing was imported.")) : outcome.message;
        for (int i = 0; i < static_cast<int>(problems.size()) && i < kShownProblems; ++i)
            text.append("\n").append(problems[i]);
        if (problems.size() > kShownProblems)
            text.append("\n").append(
                toCore(jt("and %1 more").arg(problems.size() - kShownProblems)));
        return tell(text);
    }
    reloadMixes();
    lbState->setText(jt("Added %1 parties and %2 extracts")
                         .arg(outcome.values.partiesAdded)
                         .arg(outcome.values.extractsAdded));
}

void JournalWindow::chooseExport() {
    const QString path =
        QFileDialog::getSaveFileName(this, jt("Export CSV"), "journal.csv", jt("CSV files (*.csv)"),
                                     nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) exportFile(path);
}

void JournalWindow::exportFile(const QString& path) {
    if (!openJournal()) return;
    const auto mix = currentMix();
    if (jrn::Status status = jrn::exportCsvFile(*journal_, path, mix ? mix->name : std::string());
        !status)
        return tell(status.message);
    lbState->setText(jt("Exported to %1").arg(path));
}

void JournalWindow::analyse() {
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const std::string until = toCore(edUntil->text().trimmed());
    if (!until.empty() && !jrn::isIsoDate(until))
        return tell(toCore(jt("The day is written YYYY-MM-DD")));
    const an::AnalysedPeriodLayout& layout = an::layoutForItem(cbLayout->currentIndex());
    const orvan::NumberFormat format = numberFormat();
    const jrn::JournalAnalysis analysis =
        jrn::analyseFromJournal(*journal_, mix->name, jrn::layoutName(layout),
                                toCore(edClass->text().trimmed()), until, format);
    if (!analysis.ok())
        return tell(analysis.values.end == jrn::AnalysisEnd::DataError ? an::kDataError
                                                                       : analysis.message);
    if (jrn::Status saved = jrn::saveAnalysedPeriod(*journal_, analysis); !saved)
        return tell(saved.message);
    if (DocumentArea* documents = app_.documents())
        documents->publishReport(
            [](int n) { return fromCore(an::analysedReportTitle(n)); },
            an::writeAnalysedPeriodReport(layout, analysis.values.run.result, format));
    mixChosen();
}

std::optional<orvan::FieldTexts> JournalWindow::chooseStoredPeriod(QWidget* parent) {
    if (!openJournal()) return std::nullopt;
    QStringList names;
    std::vector<jrn::StoredPeriod> periods;
    for (const jrn::Mix& mix : journal_->mixes())
        if (auto period = jrn::latestAnalysedPeriod(*journal_, mix.id)) {
            names << fromCore(mix.name);
            periods.push_back(*period);
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
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const jrn::ControlledPeriod period = jrn::controlledPeriod(*journal_, mix->id);
    if (!period.period)
        return tell(toCore(jt("The mix has no stored analysed period: compute it first")));
    if (period.batchMeans.empty())
        return tell(toCore(jt("No party of the mix is dated after its analysed period (%1)")
                               .arg(fromCore(period.period->lastPartyDate))));
    if (chartOpener_) chartOpener_(jrn::chartFromJournal(period, mix->name));
}

void JournalWindow::checkConformity() {
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const std::vector<double> means = jrn::partyMeansBetween(
        *journal_, mix->id, toCore(edFrom->text().trimmed()), toCore(edTo->text().trimmed()));
    if (means.empty())
        return tell(toCore(jt("No party of the mix is dated in the filter's range")));
    QStringList results;
    for (double mean : means) results << fromCore(orvan::formatRoundTrip(mean));
    if (conformityOpener_) conformityOpener_(results.join(QLatin1Char('\n')));
}

void JournalWindow::saveDesign() {
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
    jrn::Design design;
    if (inputs_)
        for (const auto& [dialog, texts] : inputs_->dialogs())
            for (const auto& [name, text] : texts)
                design.fields.push_back({dialog + "." + name, text});
    for (const QString& line : report->logicalLines()) design.reportLines.push_back(toCore(line));
    if (jrn::Status status = jrn::saveDesign(*journal_, mix->name, design); !status)
        return tell(status.message);
    lbState->setText(
        jt("Saved the design of %1 from %2").arg(fromCore(mix->name), report->windowTitle()));
}

void JournalWindow::loadDesign() {
    const auto mix = currentMix();
    if (!mix) return tell(toCore(jt("Choose a mix first")));
    const auto design = jrn::latestDesign(*journal_, mix->name);
    if (!design) return tell(toCore(jt("The mix has no saved design")));
    if (inputs_)
        for (const auto& entry : inputs_->dialogs()) {
            const std::string& dialog = entry.first;
            const std::string prefix = dialog + ".";
            orvan::FieldTexts texts;
            for (const jrn::DesignField& field : design->fields)
                if (field.name.rfind(prefix, 0) == 0)
                    texts[field.name.substr(prefix.size())] = field.text;
            inputs_->load(dialog, texts);
        }
    lbState->setText(jt("Loaded the design saved %1 into the proportioning dialogs")
                         .arg(fromCore(design->savedAt)));
}
