// Every text field of every dialog, filled with texts a hurried or careless user might type:
// each run ends in a report, a chart or one of the program's messages - never a crash, a
// hang, or a window showing NAN or INF.
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ModalDriver.h"
#include "RegisteredWindow.h"
#include "kit/DocumentArea.h"
#include "kit/TextWindow.h"
#include "mixdesign/MixFields.h"
#include "shell/MainWindow.h"
#include "strength_control/AnalysedPeriodSetupDialog.h"
#include "strength_control/BatchStrengthPrompt.h"

namespace {

const QStringList& badTexts() {
    static const QStringList texts = {"",   " ",   "abc", "1e999",
                                      "-0", "NaN", "1,5", QString(10000, '7')};
    return texts;
}

// The page of a tab widget that holds `widget`, or -1.
int pageOf(QWidget* widget) {
    for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()))
            if (int index = tabs->indexOf(w); index >= 0) return index;
    return -1;
}

// What one run showed.
struct Seen {
    QStringList messages;
    int charts = 0;
    int answers = 0;
};

// Answers every modal window of a run: OK on dialogs (Enter), the given text in the batch
// prompt, Close on the chart, accept on message boxes, cancel on file dialogs.
class Answerer : public QObject {
public:
    Answerer(const QString& promptText, Seen* seen) : prompt_(promptText), seen_(seen) {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, [this] { step(); });
        timer_.start();
    }

private:
    // The answer runs from a timer of its own, so that the dialogs it opens in turn are
    // answered by this one (a timer does not fire again inside its own slot).
    void step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (pending_ || !modal || !modal->isVisible() || qobject_cast<QProgressDialog*>(modal))
            return;
        pending_ = true;
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, this, [this, target] {
            pending_ = false;
            if (target && target->isVisible() && QApplication::activeModalWidget() == target)
                answer(target);
        });
    }

    void answer(QWidget* modal) {
        if (qEnvironmentVariableIsSet("ROBUST_DEBUG"))
            qInfo() << "modal" << modal->objectName() << modal->metaObject()->className();
        if (++seen_->answers > 200) {  // a run that never ends: stop it
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
            return;
        }
        // Up again after a message, even when other dialogs of the run came between (an
        // impossible mix after the durability page): the user gives up with "&Close".
        const bool shownAgain = afterMessage_ && answered_.contains(modal);
        afterMessage_ = false;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen_->messages << box->text();
            afterMessage_ = true;
            box->accept();
        } else if (shownAgain) {
            // A dialog that stays up after its message (a masked field short of its
            // pattern) waits for a correction: the user gives up with "&Close".
            for (QPushButton* button : modal->findChildren<QPushButton*>())
                if (button->text() == "&Close" && button->isVisible()) return button->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->reject();
        } else if (auto* prompt = qobject_cast<BatchStrengthPrompt*>(modal)) {
            if (auto* edit = prompt->findChild<QLineEdit*>("edRi")) edit->setText(prompt_);
            QTest::keyClick(prompt, Qt::Key_Return);
        } else if (modal->objectName() == "fmPeriod_Control2") {
            ++seen_->charts;
            qobject_cast<QDialog*>(modal)->done(QDialog::Rejected);
        } else {
            answered_.insert(modal);
            QWidget* focus = modal->focusWidget() ? modal->focusWidget() : modal;
            QTest::keyClick(focus, Qt::Key_Return);
        }
    }

    QTimer timer_;
    bool pending_ = false;
    bool afterMessage_ = false;
    QSet<QWidget*> answered_;
    QString prompt_;
    Seen* seen_;
};

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QDir::setCurrent(dir_.path());  // no options file: every dialog starts from defaults
        window_ = new MainWindow;
        window_->createWindows();
        window_->resize(1000, 700);
        window_->show();
        // Every optional dialog of the proportioning run is shown.
        QWidget* options = window_->findChild<QWidget*>("fmOptions");
        for (const char* name : {"rgWaterproof", "rgFrost", "rgProparka", "rgEconomy"}) {
            auto* group = options->findChild<RadioGroup*>(name);
            QVERIFY2(group, name);
            group->setItemIndex(0);
        }
        // The extracts start valid, so that the field under test is the one that matters.
        for (const char* dialog : {"fmPeriod_analiz2_5", "fmPeriod_analiz2_15"})
            for (QLineEdit* edit : window_->findChild<QWidget*>(dialog)->findChildren<QLineEdit*>())
                edit->setText("25");
        window_->findChild<QWidget*>("fmPeriod_Analiz1")
            ->findChild<QLineEdit*>("edB")
            ->setText("0.135");
    }
    void cleanupTestCase() { delete window_; }

    void everyFieldWithEveryBadText() {
        ModalWatchdog watchdog(qEnvironmentVariableIsSet("ROBUST_DEBUG") ? 3000 : 60000);
        int runs = 0;
        for (QWidget* dialog : window_->app().windows()) {
            const QString name = dialog->objectName();
            if (name == "fmShowPicture" || name == "fmAbout" || name == "fmPeriod_Control2")
                continue;
            for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
                if (field->objectName().isEmpty() || !field->objectName().startsWith("ed"))
                    continue;
                const QString original = field->text();
                for (const QString& text : badTexts()) {
                    runOnce(dialog, field, text);
                    ++runs;
                    if (QTest::currentTestFailed()) return;
                }
                field->setText(original);
            }
        }
        qInfo("%d runs: %d reports, %d messages, %d charts", runs, reports_, messages_, charts_);
        QVERIFY2(runs > 500, qPrintable(QString::number(runs)));
        QVERIFY(reports_ > 0 && messages_ > 0 && charts_ > 0);
        QVERIFY(!watchdog.fired());
    }

private:
    void runOnce(QWidget* dialog, QLineEdit* field, const QString& text) {
        const QString name = dialog->objectName();
        const QString where = name + "." + field->objectName() + " = '" + text.left(12) + "'";
        field->setText(text);
        Command command = Command::NewMixture;
        if (name == "correction") {
            command = pageOf(field) == 1 ? Command::CorrectAggregates : Command::CorrectStrength;
        } else if (name.startsWith("fmPeriod_Analiz1") || name.startsWith("fmPeriod_analiz2")) {
            command = Command::AnalysedPeriod;
            registeredWindow<AnalysedPeriodSetupDialog>(window_->app(), "fmPeriod_Analiz1")
                ->setCountPartyIndex(name == "fmPeriod_analiz2_15" ? 1 : 0);
        } else if (name.startsWith("fmPeriod_Control")) {
            command = Command::ControlledPeriod;
        } else if (name == "Vubor_Econ") {
            if (auto* choice =
                    window_->findChild<QWidget*>("economy")->findChild<RadioGroup*>("rgEconomy"))
                choice->setItemIndex(std::max(0, pageOf(field)));
        }
        const int before = window_->windowNumber();
        Seen seen;
        {
            Answerer answerer(name == "fmPeriod_Control3" ? text : QString("25"), &seen);
            window_->run(command);
        }
        const int reports = window_->windowNumber() - before;
        reports_ += reports, messages_ += int(seen.messages.size()), charts_ += seen.charts;
        for (TextWindow* doc : window_->documents()->documents()) {
            const QString shown = doc->memo()->toPlainText();
            QVERIFY2(!shown.contains("NAN") && !shown.contains("INF") && !shown.contains("nan"),
                     qPrintable(where + ": " + shown.left(400)));
        }
        for (const QString& message : seen.messages)
            QVERIFY2(!message.trimmed().isEmpty(), qPrintable(where));
        QVERIFY2(reports + seen.messages.size() + seen.charts > 0,
                 qPrintable(where + ": nothing came of the run"));
        QVERIFY2(seen.answers <= 200, qPrintable(where + ": the run did not end"));
        window_->documents()->closeAllSubWindows();
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir_;
    MainWindow* window_ = nullptr;
    int reports_ = 0, messages_ = 0, charts_ = 0;
};

QTEST_MAIN(RobustnessTest)
#include "RobustnessTest.moc"
