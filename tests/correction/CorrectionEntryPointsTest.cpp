// Both corrections from every entry point of the main window: main menu, context menu and
// toolbar each open the dialog on their own page, whatever page was left, and the correction
// publishes its report as window number 1.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include "ModalDriver.h"
#include "NumberLocale.h"
#include "RegisteredWindow.h"
#include "kit/DocumentArea.h"
#include "kit/TextWindow.h"
#include "common/NumberText.h"
#include "correction/CorrectionDialog.h"
#include "shell/MainWindow.h"

namespace {

// The action with this caption anywhere under `root` (menus and their submenus).
QAction* actionByCaption(QObject* root, const QString& caption) {
    for (QAction* action : root->findChildren<QAction*>())
        if (action->text() == caption) return action;
    for (QMenu* menu : root->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->text() == caption) return action;
    return nullptr;
}

}  // namespace

class CorrectionEntryPointsTest : public QObject {
    Q_OBJECT

private:
    MainWindow* window_ = nullptr;

    QAction* entry(const QString& where, int pageIndex, QMenu** context) {
        if (where == "menu")
            return actionByCaption(window_->mainMenuBar(),
                                   pageIndex == 0
                                       ? "in depending on concrete strength..."
                                       : "in depending on aggregates grading and humidity...");
        if (where == "context") {
            *context = window_->buildContextMenu(window_);
            return actionByCaption(*context, pageIndex == 0
                                                 ? "in depending on concrete strength..."
                                                 : "in depending on aggregates grading...");
        }
        return window_->toolBar()->findChild<QAction*>(pageIndex == 0 ? "ToolButton5"
                                                                      : "ToolButton6");
    }

private slots:
    void init() {
        useDecimalPoint();
        window_ = new MainWindow;
        window_->createWindows();
    }
    void cleanup() { delete window_; }

    void eachEntryOpensItsPageAndReports_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QString>("title");
        const QString strength =
            "Correction concrete mixture in depending on compressive strength. Window №1";
        const QString aggregates =
            "Correction concrete mixture in depending on aggregates grading. Window №1";
        for (const char* where : {"menu", "context", "toolbar"}) {
            QTest::newRow(QByteArray(where) + ", strength") << where << 0 << strength;
            QTest::newRow(QByteArray(where) + ", aggregates") << where << 1 << aggregates;
        }
    }
    void eachEntryOpensItsPageAndReports() {
        QFETCH(QString, where);
        QFETCH(int, pageIndex);
        QFETCH(QString, title);
        ModalWatchdog watchdog(5000);
        auto* dialog = registeredWindow<CorrectionDialog>(window_->app(), "correction");
        QVERIFY(dialog);
        const char* texts[][2] = {{"edRb1", "30"},   {"edC_V1", "2.0"}, {"edRb2", "20"},
                                  {"edC_V2", "1.6"}, {"edRtr", "25"},   {"edV", "180"},
                                  {"edP", "600"},    {"edSC", "1200"},  {"edVoda", "180"},
                                  {"edWp", "5"},     {"edWsc", "2"},    {"edXp_sc", "0"},
                                  {"edYsc_p", "0"}};
        for (const auto& [name, text] : texts) dialog->findChild<QLineEdit*>(name)->setText(text);
        dialog->selectPage(1 - pageIndex);  // left on the other page last time

        QMenu* context = nullptr;
        QAction* action = entry(where, pageIndex, &context);
        QVERIFY(action);
        int shown = -1;
        answerNextModal([&](QWidget* modal) {
            shown = modal->findChild<QTabWidget*>("page")->currentIndex();
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
        });
        action->trigger();
        delete context;
        QVERIFY(!watchdog.fired());
        QCOMPARE(shown, pageIndex);
        QCOMPARE(window_->windowNumber(), 1);
        const auto documents = window_->documents()->documents();
        QCOMPARE(documents.size(), 1);
        QCOMPARE(documents.front()->windowTitle(), title);
        const QString last = documents.front()->logicalLines().last();
        QCOMPARE(last, pageIndex == 0 ? QString("Updated amount of mixing water, kg per cu m: 180")
                                      : QString("Cement content is constant"));
    }
};

QTEST_MAIN(CorrectionEntryPointsTest)
#include "CorrectionEntryPointsTest.moc"
