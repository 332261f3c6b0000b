#include "strength_control/AnalysedPeriodSetupDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "common/HelpTopic.h"
#include "strength_control/AnalysedPeriod10x3Dialog.h"
#include "strength_control/AnalysedPeriod5x6Dialog.h"
#include "strength_control/calc/AnalysedPeriod.h"

namespace {

constexpr int kHelpContext = orvan::kHelpAnalysedPeriod;

// The default of a field of this dialog, from the table the command-line tool shares.
QString defaultText(const char* name) {
    const orvan::Field* field = orvan::analysed::setupForm().field(name);
    return field ? QString::fromStdString(field->defaultText) : QString();
}

}  // namespace

AnalysedPeriodSetupDialog::AnalysedPeriodSetupDialog(AppContext& app, QWidget* parent)
    : OrvanDialog(app, parent) {
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
    edB = new QLineEdit(defaultText("edB"), this);
    edB->setObjectName("edB");
    auto* label =
        new QLabel(QCoreApplication::translate(kForm, "Strength of concrete, MPa", "edB"), this);
    label->setObjectName("Label1");
    label->setBuddy(edB);
    form->addRow(label, edB);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(
        makeActionButton(QCoreApplication::translate(kForm, "OK", "BitBtn1"), "BitBtn1"));
    buttons->addWidget(makeCloseButton("BitBtn2"));
    layout->addLayout(buttons);

    setCountPartyIndex(defaultText("rgCount_Party").toInt());
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
    if (countPartyIndex() == 0) {
        if (auto* input = app().window<AnalysedPeriod5x6Dialog>()) input->exec();
    } else if (auto* input = app().window<AnalysedPeriod10x3Dialog>()) {
        input->exec();
    }
}
