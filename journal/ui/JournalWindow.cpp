#include "journal/ui/JournalWindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Messages.h"
#include "common/HelpTopic.h"
#include "journal/Journal.h"
#include "journal/ui/PartyTableModel.h"

namespace jrn = orvan::journal;

namespace {

// Every text of the window under its own translation context.
QString jt(const char* text) {
    return QCoreApplication::translate("JournalWindow", text);
}

QLineEdit* dayField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setPlaceholderText(jt("YYYY-MM-DD"));
    edit->setMaxLength(10);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("YYYY-MM-DD") + 16);
    return edit;
}

}  // namespace

JournalWindow::JournalWindow(AppContext& app, QWidget* parent, QString location)
    : QWidget(parent, Qt::Window), app_(app), location_(std::move(location)) {
    setObjectName("JournalWindow");
    // Closing the main window still ends the program at once, with this window open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(jt("Journal"));
    resize(900, 560);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(buildMixes());
    splitter->addWidget(buildParties());
    splitter->setStretchFactor(1, 1);
    lbState = new QLabel(this);
    lbState->setObjectName("lbState");
    lbState->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
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

JournalWindow::~JournalWindow() {
    delete model_;  // its query holds the connection, which the journal closes
    model_ = nullptr;
}

QPushButton* JournalWindow::button(const char* name, const char* caption,
                                   void (JournalWindow::*action)()) {
    auto* b = new QPushButton(jt(caption), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, action);
    return b;
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
    model_ = new PartyTableModel;
    tvParties = new QTableView(box);
    tvParties->setObjectName("tvParties");
    tvParties->setModel(model_);
    tvParties->setSortingEnabled(true);
    tvParties->sortByColumn(PartyTableModel::Date, Qt::AscendingOrder);
    tvParties->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvParties->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvParties->setWordWrap(false);
    tvParties->verticalHeader()->setDefaultSectionSize(tvParties->fontMetrics().height() + 6);

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

bool JournalWindow::openJournal() {
    if (journal_) return true;
    QString location = location_;
    if (location.isEmpty()) location = jrn::configuredJournalLocation();
    jrn::OpenedJournal opened = jrn::Journal::open(location);
    if (!opened.journal) {
        tell(opened.message);
        return false;
    }
    journal_ = std::move(opened.journal);
    lbState->setText(jt("Journal: %1").arg(location));
    reloadMixes();
    return true;
}

void JournalWindow::tell(const std::string& message) {
    lbState->setText(fromCore(message));
    showMessage(this, fromCore(message));
}

void JournalWindow::reloadMixes() {
    const QString current = lbMixes->currentItem() ? lbMixes->currentItem()->text() : QString();
    QSignalBlocker block(lbMixes);
    lbMixes->clear();
    if (journal_)
        for (const jrn::Mix& mix : journal_->mixes()) lbMixes->addItem(fromCore(mix.name));
    const auto found = lbMixes->findItems(current, Qt::MatchExactly);
    lbMixes->setCurrentRow(found.isEmpty() ? (lbMixes->count() ? 0 : -1) : lbMixes->row(found[0]));
    block.unblock();
    mixChosen();
}

void JournalWindow::selectMix(const QString& name) {
    const auto found = lbMixes->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) lbMixes->setCurrentItem(found[0]);
}

std::optional<jrn::Mix> JournalWindow::currentMix() const {
    if (!journal_ || !lbMixes->currentItem()) return std::nullopt;
    return journal_->findMix(toCore(lbMixes->currentItem()->text()));
}

void JournalWindow::mixChosen() {
    const auto mix = currentMix();
    edClass->setText(mix ? fromCore(mix->classText) : QString());
    if (mix && !mix->layout.empty()) cbLayout->setCurrentIndex(mix->layout == "10x3" ? 1 : 0);
    applyFilter();
}

void JournalWindow::applyFilter() {
    const auto mix = currentMix();
    model_->show(mix ? journal_.get() : nullptr, mix ? mix->id : 0, edFrom->text().trimmed(),
                 edTo->text().trimmed());
    tvParties->hideColumn(PartyTableModel::Id);
    if (model_->columnCount() == PartyTableModel::ColumnCount) {  // the query made the sections
        QHeaderView* header = tvParties->horizontalHeader();
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(PartyTableModel::Extracts, QHeaderView::Stretch);
    }
}
