// The journal menu: which journal the window shows (a file, a new file, a server), a copy of
// it, its check and its history with undo.
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "journal/JournalExchange.h"
#include "journal/JournalHistory.h"
#include "journal/ui/JournalTexts.h"
#include "journal/ui/JournalWindow.h"
#include "journal/ui/PartyTableModel.h"
#include "kit/FileDialogColumns.h"
#include "kit/Messages.h"

namespace jrn = orvan::journal;

namespace {

const char* const kFilter = "Journals (*.sqlite);;All files (*)";

// host, port, database and user as a postgresql:// URL; the password never: libpq takes it
// from ~/.pgpass or PGPASSWORD, or the server asks for none.
QString serverUrl(const QString& host, int port, const QString& database, const QString& user) {
    QUrl url;
    url.setScheme("postgresql");
    url.setHost(host.trimmed());
    if (port > 0) url.setPort(port);
    url.setUserName(user.trimmed());
    url.setPath("/" + database.trimmed());
    return url.toString();
}

}  // namespace

QString JournalWindow::askFile(const QString& caption, const QString& name, const QString& filter,
                               bool save) {
    QFileDialog dialog(this, caption, {}, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!name.isEmpty()) dialog.selectFile(name);
    fitDetailColumns(&dialog, QStringLiteral("journal of the laboratory 2026.sqlite"),
                     QStringLiteral("SQLite database file"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void JournalWindow::chooseOpen() {
    const QString path = askFile(jt("Open journal"), {}, jt(kFilter), false);
    if (!path.isEmpty()) switchJournal(path);
}

void JournalWindow::chooseNew() {
    const QString path = askFile(jt("New journal"), "journal.sqlite", jt(kFilter), true);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path))
        return tell(
            toCore(jt("The file %1 is there already: open it, or choose a new name").arg(path)));
    switchJournal(path);
}

void JournalWindow::chooseServer() {
    QDialog dialog(this);
    dialog.setObjectName("ServerDialog");
    dialog.setWindowTitle(jt("Connect to a server"));
    auto* host = new QLineEdit("localhost", &dialog);
    host->setObjectName("edHost");
    auto* port = new QSpinBox(&dialog);
    port->setObjectName("edPort");
    port->setRange(1, 65535);
    port->setValue(5432);
    auto* database = new QLineEdit("journal", &dialog);
    database->setObjectName("edDatabase");
    auto* user = new QLineEdit(qEnvironmentVariable("USER"), &dialog);
    user->setObjectName("edUser");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(jt("Host"), host);
    form->addRow(jt("Port"), port);
    form->addRow(jt("Database"), database);
    form->addRow(jt("User"), user);
    form->addRow(new QLabel(jt("The password is taken from ~/.pgpass or PGPASSWORD; the program "
                               "never stores it."),
                            &dialog));
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return;
    switchJournal(serverUrl(host->text(), port->value(), database->text(), user->text()));
}

void JournalWindow::chooseCopy() {
    if (!openJournal()) return;
    const QString path =
        askFile(jt("Save a copy of the journal"), "journal-copy.sqlite", jt(kFilter), true);
    if (!path.isEmpty()) copyTo(path);
}

void JournalWindow::copyTo(const QString& location) {
    if (!reachable()) return;
    if (!location.startsWith("postgres") && QFileInfo::exists(location) && !QFile::remove(location))
        return tell(toCore(jt("The file %1 cannot be replaced").arg(location)));
    auto destination = jrn::Journal::open(location);
    if (!destination.ok()) return tell(destination.message);
    const auto copied = jrn::copyJournal(*journal_, *destination.values);
    if (!copied.ok()) return tell(copied.message);
    say(jt("Saved a copy: %1 mixes, %2 parties, %3 events in %4")
            .arg(copied.values.mixes)
            .arg(copied.values.parties)
            .arg(copied.values.events)
            .arg(fromCore(jrn::shownLocation(location))));
}

void JournalWindow::checkJournal() {
    if (!reachable()) return;
    if (const auto checked = journal_->check(); !checked.ok()) return tell(checked.message);
    tell(toCore(jt("The journal is sound")));
}

namespace {

// The history, filterable by mix and days, with undo of the chosen event.
class HistoryDialog : public QDialog {
public:
    HistoryDialog(jrn::Journal& journal, const QString& mix, QWidget* parent)
        : QDialog(parent), journal_(journal) {
        setObjectName("HistoryDialog");
        setWindowTitle(jt("History of the journal"));
        resize(820, 420);
        mix_ = field("edMix", mix);
        from_ = field("edFrom", {});
        to_ = field("edTo", {});
        table_ = new QTableWidget(0, 7, this);
        table_->setObjectName("twHistory");
        table_->setHorizontalHeaderLabels({jt("Event"), jt("Time"), jt("Who"), jt("What"),
                                           jt("Mix"), jt("Parties"), jt("Reason")});
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->verticalHeader()->hide();  // the event's number is its first column
        auto* filter = new QHBoxLayout;
        for (auto [caption, edit] : {std::pair{"Mix", mix_}, {"From", from_}, {"To", to_}}) {
            filter->addWidget(new QLabel(jt(caption), this));
            filter->addWidget(edit);
        }
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        QPushButton* undo = buttons->addButton(jt("Undo..."), QDialogButtonBox::ActionRole);
        undo->setObjectName("bbUndo");
        undo->setEnabled(journal.permissions().edit && journal.damage().empty());
        connect(undo, &QPushButton::clicked, this, [this] { undoChosen(); });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(filter);
        layout->addWidget(table_, 1);
        layout->addWidget(buttons);
        reload();
    }

private:
    QLineEdit* field(const char* name, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(name);
        connect(edit, &QLineEdit::editingFinished, this, [this] { reload(); });
        return edit;
    }
    void reload() {
        const auto events = jrn::readHistory(
            journal_, {toCore(mix_->text().trimmed()), toCore(from_->text().trimmed()),
                       toCore(to_->text().trimmed())});
        if (!events.ok()) return showMessage(this, fromCore(events.message));
        table_->setRowCount(static_cast<int>(events.values.size()));
        int row = 0;
        for (const jrn::HistoryEvent& e : events.values) {
            const QStringList cells = {
                QString::number(e.id),
                fromCore(e.time),
                fromCore(e.role.empty() ? e.user : e.user + " (" + e.role + ")"),
                fromCore(e.action),
                fromCore(e.mix),
                fromCore(e.parties),
                fromCore(e.reason)};
            for (int c = 0; c < cells.size(); ++c)
                table_->setItem(row, c, new QTableWidgetItem(cells[c]));
            ++row;
        }
        table_->resizeColumnsToContents();
        table_->scrollToBottom();
    }
    void undoChosen() {
        const int row = table_->currentRow();
        if (row < 0) return showMessage(this, jt("Choose the event to undo first"));
        const long long id = table_->item(row, 0)->text().toLongLong();
        const auto reason =
            confirmWithReason(this,
                              jt("Undo event %1 (%2 %3)?")
                                  .arg(id)
                                  .arg(table_->item(row, 3)->text(), table_->item(row, 5)->text()),
                              jt("Undo"), false);
        if (!reason) return;
        if (const auto undone = jrn::undoEvent(journal_, id, *reason); !undone.ok())
            return showMessage(this, fromCore(undone.message));
        reload();
    }

    jrn::Journal& journal_;
    QLineEdit* mix_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace

void JournalWindow::showHistory() {
    if (!reachable()) return;
    const auto mix = currentMix();
    HistoryDialog dialog(*journal_, mix ? fromCore(mix->name) : QString(), this);
    dialog.exec();
    reloadMixes();
    say(jt("Journal: %1").arg(fromCore(jrn::shownLocation(journal_->location()))));
}
