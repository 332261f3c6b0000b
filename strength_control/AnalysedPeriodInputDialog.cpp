#include "strength_control/AnalysedPeriodInputDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "common/HelpTopic.h"
#include "strength_control/AnalysedPeriodSession.h"

namespace an = orvan::analysed;

namespace {

constexpr int kHelpContext = orvan::kHelpAnalysedPeriod;

QByteArray asName(const std::string& text) {
    return QByteArray::fromStdString(text);
}

}  // namespace

const AnalysedPeriodInputDialog::Configuration& AnalysedPeriodInputDialog::fiveBySix() {
    static const Configuration configuration{an::fiveBySixLayout(), "fmPeriod_analiz2_5",
                                             "TfmPeriod_analiz2_5", false};
    return configuration;
}

const AnalysedPeriodInputDialog::Configuration& AnalysedPeriodInputDialog::tenByThree() {
    static const Configuration configuration{an::tenByThreeLayout(), "fmPeriod_analiz2_15",
                                             "TfmPeriod_analiz2_15", true};
    return configuration;
}

AnalysedPeriodInputDialog::AnalysedPeriodInputDialog(AppContext& app,
                                                     AnalysedPeriodSession& session,
                                                     const Configuration& configuration,
                                                     QWidget* parent)
    : DialogBase(app, parent),
      session_(session),
      configuration_(configuration),
      layout_(configuration.layout) {
    setObjectName(configuration.objectName);
    setWindowTitle(
        translate("Statistical control of concrete strength. Analyzed period.", nullptr));
    build();
    if (configuration.fixedBorder)
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    else
        setSizeGripEnabled(true);
}

QString AnalysedPeriodInputDialog::translate(const char* text, const char* componentName) const {
    return QCoreApplication::translate(configuration_.form, text, componentName);
}

void AnalysedPeriodInputDialog::build() {
    setHelpContext(this, kHelpContext);
    auto* layout = new QVBoxLayout(this);
    page = new QTabWidget(this);
    page->setObjectName("page");
    // Every party's tab in sight: the dialog grows to the width of its tabs.
    page->setUsesScrollButtons(false);
    for (int party = 1; party <= layout_.partyCount; ++party) {
        const QByteArray name = asName(an::partyTabName(party));
        page->addTab(buildPartyTab(party),
                     translate(an::partyTabCaption(party).c_str(), name.constData()));
    }
    layout->addWidget(page);

    auto* paste = new QPushButton(translate("Paste", "bbPaste"), this);
    paste->setObjectName("bbPaste");
    paste->setAutoDefault(false);
    paste->setToolTip(
        translate("Fill every extract field from the clipboard: one party per line, "
                  "extracts separated by commas, semicolons or tabs",
                  "bbPaste"));
    connect(paste, &QPushButton::clicked, this, [this] { pasteExtracts(); });
    // Ctrl+V outside a field; inside a field, the field pastes into itself.
    auto* pasteAction = new QAction(this);
    pasteAction->setObjectName("actPaste");
    pasteAction->setShortcut(QKeySequence::Paste);
    pasteAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(pasteAction, &QAction::triggered, this, [this] { pasteExtracts(); });
    addAction(pasteAction);

    QHBoxLayout* buttons = makeButtonRow(translate("OK", "BitBtn1"));
    buttons->insertWidget(0, paste);
    layout->addLayout(buttons);
}

QWidget* AnalysedPeriodInputDialog::buildPartyTab(int party) {
    auto* tab = new QWidget(this);
    tab->setObjectName(QString::fromStdString(an::partyTabName(party)));
    auto* form = new QFormLayout(tab);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    std::vector<QLineEdit*> row;
    for (int extract = 1; extract <= layout_.extractCount; ++extract) {
        const std::string name = an::extractFieldName(party, extract);
        auto* edit = new QLineEdit(tab);
        edit->setObjectName(QString::fromStdString(name));
        auto* label = new QLabel(translate(an::extractCaption(extract).c_str(), name.c_str()), tab);
        label->setObjectName(QStringLiteral("Label%1_%2").arg(party).arg(extract));
        label->setBuddy(edit);
        edit->installEventFilter(this);
        form->addRow(label, edit);
        row.push_back(edit);
    }
    fields_.push_back(std::move(row));
    return tab;
}

QLineEdit* AnalysedPeriodInputDialog::extractField(int party, int extract) const {
    if (party < 1 || party > layout_.partyCount || extract < 1 || extract > layout_.extractCount)
        return nullptr;
    return fields_[party - 1][extract - 1];
}

an::ExtractTexts AnalysedPeriodInputDialog::extractTexts() const {
    an::ExtractTexts texts;
    for (const auto& row : fields_) {
        std::vector<std::string> party;
        for (const QLineEdit* edit : row) party.push_back(toCore(edit->text()));
        texts.push_back(std::move(party));
    }
    return texts;
}

void AnalysedPeriodInputDialog::showParty(int party) {
    page->setCurrentIndex(party - 1);
}

void AnalysedPeriodInputDialog::runAction() {
    runAnalysis();
}

void AnalysedPeriodInputDialog::runAnalysis() {
    const orvan::NumberFormat format = numberFormat();
    const an::AnalysedPeriodOutcome outcome =
        an::computeAnalysedPeriod(layout_, extractTexts(), session_.classText, format);
    // The run takes the parties up one after another, each with its tab made current; the
    // last tab it reached stays current (the failing party's, when one failed).
    for (int party = 1; party <= outcome.values.partiesRead; ++party) showParty(party);
    failedField_ = outcome.ok() ? QString() : fromCore(outcome.values.failedField);
    if (!outcome.ok()) return showOutcome(this, outcome, translate(an::kDataError, "BitBtn1"));
    session_.latestResult = outcome.values.result;
    if (DocumentArea* documents = app().documents())
        documents->publishReport(
            [](int n) { return fromCore(an::analysedReportTitle(n)); },
            an::writeAnalysedPeriodReport(layout_, outcome.values.result, format));
}

QString AnalysedPeriodInputDialog::pasteProblem(const an::ExtractBlock& block) const {
    // The core's English sentence, unless the interface has its own words for it.
    const char* const pattern = block.badLine == 0 ? "%1 lines; the period needs %2 parties."
                                                   : "Line %1 holds %2 extracts; a party needs %3.";
    const QString translated = translate(pattern, "bbPaste");
    if (translated == QLatin1String(pattern)) return fromCore(block.error);
    if (block.badLine == 0) return translated.arg(block.found).arg(layout_.partyCount);
    return translated.arg(block.badLine).arg(block.found).arg(layout_.extractCount);
}

void AnalysedPeriodInputDialog::pasteExtracts() {
    const QString text = QApplication::clipboard()->text();
    const an::ExtractBlock block = an::parseExtractBlock(layout_, toCore(text));
    if (!block.ok) {
        showMessage(this, translate("Nothing was pasted.", "bbPaste") + QLatin1Char(' ') +
                              pasteProblem(block));
        return;
    }
    for (std::size_t i = 0; i < fields_.size(); ++i)
        for (std::size_t j = 0; j < fields_[i].size(); ++j)
            fields_[i][j]->setText(fromCore(block.texts[i][j]));
}

bool AnalysedPeriodInputDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        QString text = QApplication::clipboard()->text();
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
            pasteExtracts();
            return true;
        }
    }
    return DialogBase::eventFilter(watched, event);
}

void AnalysedPeriodInputDialog::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    // After "Data error" the field that failed, on its party's tab, ready to be typed over.
    if (QLineEdit* failed =
            failedField_.isEmpty() ? nullptr : findChild<QLineEdit*>(failedField_)) {
        failedField_.clear();
        failed->setFocus(Qt::OtherFocusReason);
        failed->selectAll();
        return;
    }
    QWidget* current = page->currentWidget();
    QWidget* focus = focusLeftByUser();
    if (current && focus && current->isAncestorOf(focus)) {
        if (focus != focusWidget()) focus->setFocus();
    } else if (auto* first = current ? current->findChild<QLineEdit*>() : nullptr) {
        first->setFocus();
    }
}
