// The behaviour every dialog shares: the action button is default and cancel at once,
// "&Close" cancels without the action, F1 finds the nearest help context number; a dialog built
// from a field table keeps the page its opening code selected.
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "ModalDriver.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/Messages.h"
#include "kit/DialogBase.h"
#include "kit/FormPagesDialog.h"
#include "correction/calc/CorrectionCalc.h"
#include "mixdesign/calc/MixForms.h"

namespace {

class SampleDialog : public DialogBase {
public:
    explicit SampleDialog(AppContext& app) : DialogBase(app, nullptr) {
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

// A dialog of a real field table, each field a line edit.
class SampleFormPagesDialog : public FormPagesDialog {
public:
    SampleFormPagesDialog(AppContext& app, const orvan::Form& form) : FormPagesDialog(app, nullptr) {
        buildFrom(form, "Sample");
    }

protected:
    void buildFields(QWidget* widget, QVBoxLayout* layout, const orvan::FormPage& page) override {
        for (const orvan::Field& field : page.fields) {
            auto* edit = new QLineEdit(widget);
            edit->setObjectName(QString::fromStdString(field.name));
            layout->addWidget(edit);
        }
    }
};

const orvan::Form& tableNamed(const QString& name) {
    return name == "correction" ? orvan::correction::correctionDialog()
                                : orvan::mix::techniqueDialog();
}

class RecordingHelp : public HelpService {
public:
    void showContents() override { shown << 0; }
    void showContext(int n) override { shown << n; }
    QList<int> shown;
};

}  // namespace

class DialogBaseTest : public QObject {
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
        DialogBase::setHelpContext(&dialog, 22);
        DialogBase::setHelpContext(dialog.page, 31);
        QTest::keyClick(&dialog, Qt::Key_F1);  // focus inside the page
        dialog.plain->setFocus();
        QTest::keyClick(&dialog, Qt::Key_F1);  // focus outside: the dialog's own number
        QCOMPARE(help.shown, QList<int>({31, 22}));
        QCOMPARE(DialogBase::helpContextFor(dialog.field), 31);
    }

    // Whatever the user does to the tab bar, the page the opening code selected stays: the
    // cement-saving technique's four pages and the correction's two.
    void pagesCannotBeSwitched_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("how");
        for (int index : {0, 1, 2, 3})
            for (const char* how : {"click", "ctrl-tab", "arrow"})
                QTest::addRow("Vubor_Econ page %d, %s", index, how) << "Vubor_Econ" << index << how;
        for (int index : {0, 1})
            for (const char* how : {"click", "ctrl-tab", "ctrl-pagedown", "arrow"})
                QTest::addRow("correction page %d, %s", index, how) << "correction" << index << how;
    }
    void pagesCannotBeSwitched() {
        QFETCH(QString, form);
        QFETCH(int, index);
        QFETCH(QString, how);
        AppContext app;
        SampleFormPagesDialog dialog(app, tableNamed(form));
        QTabWidget* tabs = dialog.pageControl();
        QVERIFY(tabs);
        const bool last = index == tabs->count() - 1;
        ModalWatchdog watchdog(5000);
        int during = -1;
        answerNextModal([&](QWidget*) {
            QTabBar* bar = tabs->tabBar();
            if (how == "click")
                QTest::mouseClick(bar, Qt::LeftButton, {},
                                  bar->tabRect((index + 1) % tabs->count()).center());
            if (how == "ctrl-tab") QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
            if (how == "ctrl-pagedown")
                QTest::keyClick(tabs, last ? Qt::Key_PageUp : Qt::Key_PageDown,
                                Qt::ControlModifier);
            if (how == "arrow") {
                bar->setFocus();
                QTest::keyClick(bar, last ? Qt::Key_Left : Qt::Key_Right);
            }
            during = tabs->currentIndex();
            dialog.done(QDialog::Rejected);
        });
        dialog.selectPage(index);
        const int code = dialog.exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(code, int(QDialog::Rejected));
        QCOMPARE(during, index);
        QCOMPARE(dialog.selectedPage(), index);
    }

    // A box of a short text is still as wide as its caption needs.
    void messageBoxShowsItsWholeCaption_data() {
        QTest::addColumn<bool>("errorBox");
        QTest::newRow("message: Data error") << false;
        QTest::newRow("error box") << true;
    }
    void messageBoxShowsItsWholeCaption() {
        QFETCH(bool, errorBox);
        ModalWatchdog watchdog(5000);
        int width = 0, wanted = -1;
        answerNextModal([&](QWidget* modal) {
            width = modal->width();
            wanted = DialogBase::widthForTitle(modal);
            modal->close();
        });
        (errorBox ? showErrorBox : showMessage)(nullptr, "Data error");
        QVERIFY(!watchdog.fired());
        QVERIFY2(width >= wanted, qPrintable(QString("%1 < %2").arg(width).arg(wanted)));
    }
};

QTEST_MAIN(DialogBaseTest)
#include "DialogBaseTest.moc"
