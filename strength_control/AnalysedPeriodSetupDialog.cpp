#include "strength_control/AnalysedPeriodSetupDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "kit/AppContext.h"
#include "kit/Messages.h"
#include "common/HelpTopic.h"
#include "strength_control/AnalysedPeriodSession.h"

namespace {

constexpr int kHelpContext = orvan::kHelpAnalysedPeriod;

}  // namespace

AnalysedPeriodSetupDialog::AnalysedPeriodSetupDialog(AppContext& app,
                                                     AnalysedPeriodSession& session,
                                                     QWidget* parent)
    : DialogBase(app, parent), session_(session) {
    setObjectName("fmPeriod_Analiz1");
    setWindowTitle(QCoreApplication::translate(
        kForm, "Statistical control of concrete strength. Analyzed period."));
    setHelpContext(this, kHelpContext);
    auto* layout = new QVBoxLayout(this);

    rgCount_Party =
        new QGroupBox(QCoreApplication::translate(kForm, "Choose duration of the analyzed period",
                                                  "rgCount_Party"),
                      this);
    rgCount_Party->setObjectName("rgCount_Party");
    auto* items = new QVBoxLayout(rgCount_Party);
    countPartyItems_ = new QButtonGroup(this);
    const char* itemTexts[] = {QT_TR_NOOP("5 parties (6 extracts in each batch)"),
                               QT_TR_NOOP("10 parties (3 extracts in each batch)")};
    for (int index = 0; index < 2; ++index) {
        auto* item = new QRadioButton(
            QCoreApplication::translate(kForm, itemTexts[index], "rgCount_Party"), rgCount_Party);
        item->setObjectName(QStringLiteral("rgCount_Party_%1").arg(index));
        countPartyItems_->addButton(item, index);
        items->addWidget(item);
    }
    layout->addWidget(rgCount_Party);

    auto* form = new QFormLayout;
    edB = new QLineEdit(this);
    edB->setObjectName("edB");
    auto* label =
        new QLabel(QCoreApplication::translate(kForm, "Strength of concrete, MPa", "edB"), this);
    label->setObjectName("Label1");
    label->setBuddy(edB);
    form->addRow(label, edB);
    layout->addLayout(form);

    layout->addLayout(makeButtonRow(QCoreApplication::translate(kForm, "OK", "BitBtn1")));

    loadSession();
    connect(edB, &QLineEdit::textChanged, this, [this] { storeSession(); });
    connect(countPartyItems_, &QButtonGroup::idToggled, this, [this] { storeSession(); });
}

void AnalysedPeriodSetupDialog::loadSession() {
    const QSignalBlocker blockEdB(edB);
    const QSignalBlocker blockItems(countPartyItems_);
    // edB already showing the text is left alone, its cursor and undo history with it.
    if (edB->text() != fromCore(session_.classText)) edB->setText(fromCore(session_.classText));
    setCountPartyIndex(session_.countPartyIndex);
}

void AnalysedPeriodSetupDialog::storeSession() {
    session_.classText = toCore(edB->text());
    session_.countPartyIndex = countPartyIndex();
}

void AnalysedPeriodSetupDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) loadSession();
    DialogBase::showEvent(event);
}

int AnalysedPeriodSetupDialog::countPartyIndex() const {
    return countPartyItems_->checkedId();
}

void AnalysedPeriodSetupDialog::setCountPartyIndex(int index) {
    if (QAbstractButton* item = countPartyItems_->button(index)) item->setChecked(true);
}

QString AnalysedPeriodSetupDialog::edBText() const {
    return edB->text();
}

void AnalysedPeriodSetupDialog::runAction() {
    showInputDialog();
}

// Shows the input dialog of the chosen layout; this dialog closes once that one has closed,
// whatever its result.
void AnalysedPeriodSetupDialog::showInputDialog() {
    storeSession();
    if (openInput_) openInput_(countPartyIndex());
}
