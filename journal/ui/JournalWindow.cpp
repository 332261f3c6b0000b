#include "journal/ui/JournalWindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "common/HelpTopic.h"
#include "journal/Journal.h"
#include "journal/ui/JournalTexts.h"
#include "journal/ui/PartyTableModel.h"
#include "kit/AppContext.h"
#include "kit/Messages.h"

namespace jrn = orvan::journal;

namespace {

QLineEdit* dayField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setPlaceholderText(jt("YYYY-MM-DD"));
    edit->setMaxLength(10);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("YYYY-MM-DD") + 16);
    return edit;
}

// Messages longer than this many lines open a window of their own.
constexpr int kShownLines = 6;

}  // namespace

JournalWindow::JournalWindow(AppContext& app, QWidget* parent, QString location)
    : QWidget(parent, Qt::Window), app_(app), location_(std::move(location)) {
    setObjectName("JournalWindow");
    // Closing the main window still ends the program at once, with this window open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(jt("Journal"));
    resize(900, 600);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(buildMixes());
    splitter->addWidget(buildParties());
    splitter->setStretchFactor(1, 1);
    lbState = new QLabel(this);
    lbState->setObjectName("lbState");
    lbState->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(buildMenu());
    layout->addWidget(splitter, 1);
    layout->addWidget(buildAnalysis());
    layout->addWidget(lbState);
    // F1: the journal's help page (the main window's F1 does not reach this window).
    auto* help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    connect(help, &QAction::triggered, this, [this] {
        if (app_.help()) app_.help()->showContext(orvan::kHelpJournal);
    });
    addAction(help);
}

JournalWindow::~JournalWindow() = default;

QPushButton* JournalWindow::button(const char* name, const char* caption,
                                   void (JournalWindow::*action)()) {
    auto* b = new QPushButton(jt(caption), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, action);
    return b;
}

QMenuBar* JournalWindow::buildMenu() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("mbJournal");
    QMenu* menu = bar->addMenu(jt("&Journal"));
    menu->setObjectName("mnJournal");
    auto add = [&](const char* name, const char* caption, void (JournalWindow::*action)()) {
        QAction* item = menu->addAction(jt(caption), this, action);
        item->setObjectName(name);
        return item;
    };
    add("acOpen", "Open journal...", &JournalWindow::chooseOpen);
    add("acNew", "New journal...", &JournalWindow::chooseNew);
    add("acConnect", "Connect to a server...", &JournalWindow::chooseServer);
    menu->addSeparator();
    add("acCopy", "Save a copy...", &JournalWindow::chooseCopy);
    add("acCheck", "Check the journal", &JournalWindow::checkJournal);
    add("acHistory", "History...", &JournalWindow::showHistory);
    add("acCorrect", "Correct the mix...", &JournalWindow::correctMix);
    add("acRefresh", "Refresh", &JournalWindow::refresh)->setShortcut(QKeySequence::Refresh);
    return bar;
}

QWidget* JournalWindow::buildMixes() {
    auto* box = new QGroupBox(jt("Mixes"), this);
    lbMixes = new QListWidget(box);
    lbMixes->setObjectName("lbMixes");
    connect(lbMixes, &QListWidget::currentRowChanged, this, &JournalWindow::mixChosen);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("bbAddMix", "Add mix...", &JournalWindow::addMix));
    buttons->addWidget(button("bbDeleteMix", "Delete mix", &JournalWindow::deleteMix));
    auto* designs = new QHBoxLayout;
    designs->addWidget(button("bbSaveDesign", "Save design", &JournalWindow::saveDesign));
    designs->addWidget(button("bbLoadDesign", "Load design", &JournalWindow::loadDesign));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(lbMixes);
    layout->addLayout(buttons);
    layout->addLayout(designs);
    return box;
}

QWidget* JournalWindow::buildParties() {
    auto* box = new QGroupBox(jt("Parties and extracts"), this);
    edFrom = dayField("edFrom", box);
    edTo = dayField("edTo", box);
    for (QLineEdit* edit : {edFrom, edTo})
        connect(edit, &QLineEdit::editingFinished, this, &JournalWindow::applyFilter);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(jt("Dated from"), box));
    filter->addWidget(edFrom);
    filter->addWidget(new QLabel(jt("to"), box));
    filter->addWidget(edTo);
    filter->addStretch(1);
    model_ = new PartyTableModel(this);
    tvParties = new QTableView(box);
    tvParties->setObjectName("tvParties");
    tvParties->setModel(model_);
    tvParties->setSortingEnabled(true);
    tvParties->sortByColumn(PartyTableModel::Date, Qt::AscendingOrder);
    tvParties->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvParties->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvParties->setWordWrap(false);
    tvParties->verticalHeader()->setDefaultSectionSize(tvParties->fontMetrics().height() + 6);
    tvParties->hideColumn(PartyTableModel::Id);
    QHeaderView* header = tvParties->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The extracts take the room that is left, unless columns of other ages follow them: the
    // table is then wider than its view and a stretched column would shrink to "...".
    auto fitExtracts = [this, header] {
        const bool alone = model_->columnCount() <= PartyTableModel::FixedColumns;
        header->setSectionResizeMode(PartyTableModel::Extracts,
                                     alone ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    };
    fitExtracts();
    connect(model_, &QAbstractItemModel::modelReset, this, fitExtracts);

    connect(tvParties, &QTableView::doubleClicked, this, &JournalWindow::editParty);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("bbAddParty", "Add party...", &JournalWindow::addParty));
    buttons->addWidget(button("bbEditParty", "Edit party...", &JournalWindow::editParty));
    buttons->addWidget(button("bbDeleteParty", "Delete", &JournalWindow::deleteSelectedParties));
    buttons->addWidget(button("bbPaste", "Paste extracts", &JournalWindow::pasteClipboard));
    buttons->addStretch(1);
    buttons->addWidget(button("bbImport", "Import CSV...", &JournalWindow::chooseImport));
    buttons->addWidget(button("bbExport", "Export CSV...", &JournalWindow::chooseExport));
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(filter);
    layout->addWidget(tvParties, 1);
    layout->addLayout(buttons);
    return box;
}

QWidget* JournalWindow::buildAnalysis() {
    auto* box = new QGroupBox(jt("Statistical control from the journal"), this);
    cbLayout = new QComboBox(box);
    cbLayout->setObjectName("cbLayout");
    cbLayout->addItems(
        {jt("5 parties (6 extracts in each batch)"), jt("10 parties (3 extracts in each batch)")});
    edClass = new QLineEdit(box);
    edClass->setObjectName("edClass");
    // A class such as "27.5" stays readable however the row is squeezed.
    edClass->setMinimumWidth(edClass->fontMetrics().horizontalAdvance(QStringLiteral("000.00")) +
                             12);
    edUntil = dayField("edUntil", box);
    // Two rows, so that the window is no wider than the parties' table needs in either
    // language: what to take, then what to make of it.
    auto* fields = new QHBoxLayout;
    fields->addWidget(cbLayout);
    fields->addWidget(new QLabel(jt("Class B, MPa"), box));
    fields->addWidget(edClass);
    fields->addWidget(new QLabel(jt("Parties dated on or before"), box));
    fields->addWidget(edUntil);
    fields->addStretch(1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(button("bbAnalyse", "Analyzed period", &JournalWindow::analyse));
    actions->addWidget(button("bbChart", "Control chart", &JournalWindow::showChart));
    actions->addWidget(button("bbConformity", "Conformity...", &JournalWindow::checkConformity));
    actions->addWidget(button("bbPredict", "28-day prediction", &JournalWindow::predictStrengths));
    actions->addWidget(button("bbCusum", "CUSUM", &JournalWindow::runCusum));
    actions->addStretch(1);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(fields);
    layout->addLayout(actions);
    return box;
}

void JournalWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    openJournal();
}

// Changes another program made to the same journal show when the user comes back.
void JournalWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !journal_) return;
    // Quietly: a box about a failed read would activate the window again when it closes, and
    // so ask again for as long as the server is down. The status line says it instead.
    const QScopedValueRollback<bool> quiet(quiet_, true);
    refresh();
}

bool JournalWindow::openJournal() {
    if (journal_) return true;
    const QString location = location_.isEmpty() ? jrn::configuredJournalLocation() : location_;
    auto opened = jrn::Journal::open(location);
    if (!opened.ok()) {
        setWindowTitle(jt("Journal"));
        applyPermissions();
        tell(opened.message + "\n" + toCore(jt("Choose another journal in the Journal menu.")));
        return false;
    }
    journal_ = std::move(opened.values);
    location_ = location;
    journalOpened();
    return true;
}

bool JournalWindow::switchJournal(const QString& location) {
    auto opened = jrn::Journal::open(location);
    if (!opened.ok()) {
        tell(opened.message);
        return false;
    }
    model_->show(nullptr, 0, {}, {});  // no rows of the journal that goes
    journal_ = std::move(opened.values);
    location_ = location;
    jrn::rememberJournalLocation(location);
    journalOpened();
    return true;
}

void JournalWindow::journalOpened() {
    const QString where = fromCore(jrn::shownLocation(journal_->location()));
    setWindowTitle(jt("Journal - %1").arg(where));
    applyPermissions();
    say(jt("Journal: %1").arg(where));
    if (!journal_->damage().empty())
        tell(toCore(jt("The journal is damaged and is open read-only: analysis and copy still "
                       "work, nothing is written.")) +
             "\n" + journal_->damage());
    else if (!journal_->permissions().edit)
        say(jt("Journal: %1 (the role %2 may not %3)")
                .arg(where, fromCore(journal_->role()),
                     journal_->permissions().add ? jt("edit, delete or undo")
                                                 : jt("add, edit or delete")));
    lbMixes->setCurrentRow(-1);
    reloadMixes();
}

// The buttons of what the journal lets this user do.
void JournalWindow::applyPermissions() {
    const jrn::Permissions may =
        journal_ ? journal_->permissions() : jrn::Permissions{false, false, false};
    for (const char* name : {"bbAddMix", "bbAddParty", "bbPaste", "bbImport", "bbSaveDesign"})
        if (auto* b = findChild<QPushButton*>(name)) b->setEnabled(may.add);
    for (const char* name : {"bbDeleteMix", "bbEditParty", "bbDeleteParty"})
        if (auto* b = findChild<QPushButton*>(name)) b->setEnabled(may.edit);
}

// A journal on a server whose connection was lost is opened again; while it cannot be reached,
// the window says so and keeps what it showed.
bool JournalWindow::reachable() {
    if (!openJournal()) return false;
    if (const orvan::Outcome<> reconnected = journal_->reconnectIfLost(); !reconnected.ok()) {
        tell(reconnected.message);
        return false;
    }
    return true;
}

void JournalWindow::say(const QString& text) {
    lbState->setText(text);
}

void JournalWindow::tell(const std::string& message) {
    const QString text = fromCore(message);
    say(text.section('\n', 0, 0));
    if (!quiet_) showMessage(this, text);
}

// A message with a list too long for a box's lines: the first lines, the rest in the box's
// details, which the user opens and scrolls.
void JournalWindow::tellList(const std::string& message, const std::vector<std::string>& details) {
    if (static_cast<int>(details.size()) <= kShownLines) {
        std::string text = message;
        for (const auto& line : details) text.append(text.empty() ? "" : "\n").append(line);
        return tell(text);
    }
    say(fromCore(details.front()));
    QMessageBox box(QMessageBox::Warning, jt("Journal"), fromCore(message), QMessageBox::Ok, this);
    box.setObjectName("JournalProblems");
    box.setInformativeText(
        jt("%1 lines; the first: %2").arg(details.size()).arg(fromCore(details.front())));
    QString all;
    for (const auto& line : details) all += fromCore(line) + "\n";
    box.setDetailedText(all);
    box.exec();
}

void JournalWindow::refresh() {
    if (!reachable()) return;
    reloadMixes();
}

void JournalWindow::reloadMixes() {
    const QString current = lbMixes->currentItem() ? lbMixes->currentItem()->text() : QString();
    const auto mixes =
        journal_ ? journal_->mixes() : orvan::Outcome<std::vector<jrn::Mix>>::done({});
    if (!mixes.ok()) return tell(mixes.message);  // the list shown stays
    QSignalBlocker block(lbMixes);
    lbMixes->clear();
    for (const jrn::Mix& mix : mixes.values) lbMixes->addItem(fromCore(mix.name));
    const auto found = lbMixes->findItems(current, Qt::MatchExactly);
    lbMixes->setCurrentRow(found.isEmpty() ? -1 : lbMixes->row(found[0]));
    block.unblock();
    mixChosen();
}

void JournalWindow::selectMix(const QString& name) {
    const auto found = lbMixes->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) lbMixes->setCurrentItem(found[0]);
}

std::optional<jrn::Mix> JournalWindow::currentMix() {
    if (!journal_ || !lbMixes->currentItem()) return std::nullopt;
    const auto mix = journal_->findMix(toCore(lbMixes->currentItem()->text()));
    if (!mix.ok()) {
        tell(mix.message);
        return std::nullopt;
    }
    return mix.values;
}

void JournalWindow::mixChosen() {
    const auto mix = currentMix();
    edClass->setText(mix ? fromCore(mix->classText) : QString());
    if (mix && !mix->layout.empty()) cbLayout->setCurrentIndex(mix->layout == "10x3" ? 1 : 0);
    applyFilter();
}

void JournalWindow::applyFilter() {
    const auto mix = currentMix();
    if (!model_->show(mix ? journal_.get() : nullptr, mix ? mix->id : 0, edFrom->text().trimmed(),
                      edTo->text().trimmed()))
        tell(model_->lastError());
    updatePredictions();
}
