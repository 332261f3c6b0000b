#include "strength_control/BatchStrengthPrompt.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/HelpTopic.h"
#include "strength_control/calc/ControlChart.h"

namespace {
constexpr int kHelpContext = orvan::kHelpControlledPeriod;
}

BatchStrengthPrompt::BatchStrengthPrompt(AppContext& app, QWidget* parent)
    : DialogBase(app, parent) {
    setObjectName("fmPeriod_Control3");
    setWindowTitle(QCoreApplication::translate(kForm, "Statistical control "));
    setHelpContext(this, kHelpContext);
    auto* layout = new QVBoxLayout(this);

    // The text is replaced before every showing; this one stands only until then.
    Label1 = new QLabel(promptFor(1), this);
    Label1->setObjectName("Label1");
    edRi = new QLineEdit(this);
    edRi->setObjectName("edRi");
    Label1->setBuddy(edRi);
    layout->addWidget(Label1);
    layout->addWidget(edRi);

    layout->addLayout(makeButtonRow(QCoreApplication::translate(kForm, "OK", "BitBtn1")));
}

QString BatchStrengthPrompt::promptFor(int batch) {
    // The core's prompt, "Strength in " n " party, MPa:", with the number put in.
    const QString pattern =
        QCoreApplication::translate(kForm, "Strength in %1 party, MPa:", "Label1");
    return pattern.contains(QLatin1String("%1"))
               ? pattern.arg(batch)
               : QString::fromStdString(orvan::control::batchPromptText(batch));
}

QString BatchStrengthPrompt::ask(const QString& promptText) {
    Label1->setText(promptText);
    edRi->clear();
    edRi->setFocus();
    exec();
    return edRi->text();
}
