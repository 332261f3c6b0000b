// The behaviour every dialog shares: the action button is default and cancel at once,
// "&Close" cancels without the action, F1 finds the nearest help context number.
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "ModalDriver.h"
#include "app/AppContext.h"
#include "app/DocumentArea.h"
#include "app/OrvanDialog.h"

namespace {

class SampleDialog : public OrvanDialog {
public:
    explicit SampleDialog(AppContext& app) : OrvanDialog(app, nullptr) {
        auto* layout = new QVBoxLayout(this);
        page = new QWidget(this);
        auto* pageLayout = new QVBoxLayout(page);
        field = new QLineEdit(page);
        pageLayout->addWidget(field);
        plain = new QLineEdit(this);
        layout->addWidget(page);
        layout->addWidget(plain);
        layout->addWidget(makeActionButton("OK", "BitBtn1"));
        layout->addWidget(makeCloseButton("BitBtn2"));
    }
    int actions = 0;
    int resultDuringAction = -1;
    QWidget* page;
    QLineEdit* field;
    QLineEdit* plain;

protected:
    void runAction() override {
        ++actions;
        resultDuringAction = result();
    }
};

class RecordingHelp : public HelpService {
public:
    void showContents() override { shown << 0; }
    void showContext(int n) override { shown << n; }
    QList<int> shown;
};

}  // namespace

class OrvanDialogTest : public QObject {
    Q_OBJECT

private slots:
    void keysAndButtons_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("actions");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter runs the action") << "enter" << 1 << int(QDialog::Accepted);
        QTest::newRow("Esc runs the action too") << "escape" << 1 << int(QDialog::Accepted);
        QTest::newRow("OK clicked") << "ok" << 1 << int(QDialog::Accepted);
        QTest::newRow("Close cancels, no action") << "close" << 0 << int(QDialog::Rejected);
        QTest::newRow("title-bar close, no action") << "window" << 0 << int(QDialog::Rejected);
    }
    void keysAndButtons() {
        QFETCH(QString, how);
        QFETCH(int, actions);
        QFETCH(int, result);
        AppContext app;
        SampleDialog dialog(app);
        ModalWatchdog watchdog(5000);
        answerNextModal([&](QWidget* modal) {
            if (how == "enter") QTest::keyClick(dialog.field, Qt::Key_Return);
            if (how == "escape") QTest::keyClick(dialog.field, Qt::Key_Escape);
            if (how == "ok") dialog.actionButton()->click();
            if (how == "close") dialog.findChild<QPushButton*>("BitBtn2")->click();
            if (how == "window") modal->close();
        });
        const int code = dialog.exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(dialog.actions, actions);
        QCOMPARE(code, result);
        if (actions) QCOMPARE(dialog.resultDuringAction, int(QDialog::Accepted));
        QCOMPARE(dialog.findChild<QPushButton*>("BitBtn2")->text(), QString("&Close"));
    }

    void f1OpensTheNearestContextNumber() {
        AppContext app;
        RecordingHelp help;
        app.setHelp(&help);
        SampleDialog dialog(app);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // No number anywhere: nothing happens.
        dialog.field->setFocus();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(help.shown, QList<int>());
        OrvanDialog::setHelpContext(&dialog, 22);
        OrvanDialog::setHelpContext(dialog.page, 31);
        QTest::keyClick(&dialog, Qt::Key_F1);  // focus inside the page
        dialog.plain->setFocus();
        QTest::keyClick(&dialog, Qt::Key_F1);  // focus outside: the dialog's own number
        QCOMPARE(help.shown, QList<int>({31, 22}));
        QCOMPARE(OrvanDialog::helpContextFor(dialog.field), 31);
    }
};

QTEST_MAIN(OrvanDialogTest)
#include "OrvanDialogTest.moc"
