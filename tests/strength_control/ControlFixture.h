#pragma once
// The three windows of the controlled period as the program creates them, without a main
// window, and script steps for the windows a run shows.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ControlScript.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "strength_control/AnalysedPeriodSession.h"
#include "strength_control/BatchStrengthPrompt.h"
#include "strength_control/ControlChartWindow.h"
#include "strength_control/ControlledPeriodDialog.h"
#include "strength_control/ControlledPeriodInputs.h"

struct ControlWindows {
    AppContext app;
    DocumentArea area{app};
    // The session the main window would own.
    ControlledPeriodInputs inputs;
    AnalysedPeriodSession analysed;
    std::unique_ptr<ControlChartWindow> chart;
    std::unique_ptr<ControlledPeriodDialog> input;
    std::unique_ptr<BatchStrengthPrompt> prompt;

    ControlWindows() {
        app.setDocuments(&area);
        // The program's creation order: the chart window first, then the input and the prompt.
        chart = std::make_unique<ControlChartWindow>(app, inputs);
        input = std::make_unique<ControlledPeriodDialog>(app, inputs);
        prompt = std::make_unique<BatchStrengthPrompt>(app);
        app.registerWindow(chart.get());
        app.registerWindow(input.get());
        app.registerWindow(prompt.get());
        // As the main window connects them.
        input->setChartOpener([this] { chart->exec(); });
        chart->setBatchPrompt(
            [this](int batch) { return prompt->ask(BatchStrengthPrompt::promptFor(batch)); });
    }

    void setFigures(const QString& ry, const QString& count, const QString& warnTop,
                    const QString& warnBottom, const QString& corrTop, const QString& corrBottom) {
        input->findChild<QLineEdit*>("edRy")->setText(ry);
        input->findChild<QLineEdit*>("edCountParty")->setText(count);
        input->findChild<QLineEdit*>("edRpr1")->setText(warnTop);
        input->findChild<QLineEdit*>("edRpr2")->setText(warnBottom);
        input->findChild<QLineEdit*>("edRcor1")->setText(corrTop);
        input->findChild<QLineEdit*>("edRcor2")->setText(corrBottom);
    }
};

// What the prompts showed, in order.
struct PromptLog {
    QStringList labels;
    QList<bool> emptied;  // edRi was empty when the prompt appeared
};

// Answers one batch prompt: types `text`, then closes it by "ok", "close" or "escape".
inline ModalScript::Step answerPrompt(ControlWindows& w, PromptLog& log, const QString& text,
                                      const QString& how = QStringLiteral("ok")) {
    return [&w, &log, text, how](QWidget* modal) {
        if (modal != w.prompt.get()) {
            QTest::qFail("expected the batch prompt", __FILE__, __LINE__);
            modal->close();
            return;
        }
        log.labels << w.prompt->findChild<QLabel*>("Label1")->text();
        log.emptied << w.prompt->findChild<QLineEdit*>("edRi")->text().isEmpty();
        QTest::keyClicks(w.prompt->findChild<QLineEdit*>("edRi"), text);
        if (how == "close")
            w.prompt->findChild<QPushButton*>("BitBtn2")->click();
        else if (how == "escape")
            QTest::keyClick(w.prompt->findChild<QLineEdit*>("edRi"), Qt::Key_Escape);
        else
            w.prompt->findChild<QPushButton*>("BitBtn1")->click();
    };
}

// Records the text of an error or message box and closes it.
inline ModalScript::Step closeMessageBox(QString& text) {
    return [&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        text =
            box ? box->text() : QStringLiteral("<not a message box: %1>").arg(modal->objectName());
        if (box)
            box->done(QMessageBox::Ok);
        else
            modal->close();
    };
}

// Runs `inspect` on the chart window while it is up, then closes it.
inline ModalScript::Step inspectChart(ControlWindows& w, std::function<void()> inspect) {
    return [&w, inspect](QWidget* modal) {
        if (modal == w.chart.get())
            inspect();
        else
            QTest::qFail("expected the chart window", __FILE__, __LINE__);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
    };
}
