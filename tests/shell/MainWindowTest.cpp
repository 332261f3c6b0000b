// The main window: its windows, command table, hints, window number and window commands.
#include <QDialog>
#include <QDockWidget>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "ModalDriver.h"
#include "journal/ui/JournalWindow.h"
#include "kit/DialogBase.h"
#include "kit/DocumentArea.h"
#include "kit/TextWindow.h"
#include "kit/Translations.h"
#include "shell/CommandTable.h"
#include "shell/MainWindow.h"
#include "shell/MenuColumn.h"
#include "shell/Splash.h"
#include "strength_control/ControlChartWindow.h"

namespace {

QString reportTitle(int n) {
    return QString("Window №%1. Proportioning concrete mixture").arg(n);
}

QStringList actionCaptions(const QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? QString("-") : action->text());
    return captions;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = new MainWindow;
        window_->createWindows();
        window_->resize(900, 600);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() { delete window_; }

    void createsEveryWindowOnceInOrder() {
        struct Row {
            const char* className;
            const char* name;
            const char* caption;
        } rows[] = {
            {"ProportioningOptionsDialog", "fmOptions",
             "Options for proportioning concrete mixture"},
            {"MixInputDialog", "fmBNS", "Data for proportioning concrete mixture"},
            {"DurabilityDialog", "F_W", "Properties of concrete"},
            {"CementSavingChoiceDialog", "economy",
             "Technological decisions for decreasing of cement content"},
            {"CementSavingTechniqueDialog", "Vubor_Econ",
             "Technological decisions for decreasing of cement content"},
            {"SteamCuringDialog", "fmTVO", "Initial data for steam curing"},
            {"CorrectionDialog", "correction", "Correction concrete mixture"},
            {"AnalysedPeriodSetupDialog", "fmPeriod_Analiz1",
             "Statistical control of concrete strength. Analyzed period."},
            {"AnalysedPeriodInputDialog", "fmPeriod_analiz2_5",
             "Statistical control of concrete strength. Analyzed period."},
            {"ControlChartWindow", "fmPeriod_Control2",
             "Statistical control of concrete strength. Controllable period."},
            {"PictureWindow", "fmShowPicture", "Viewing of pictures"},
            {"ControlledPeriodDialog", "fmPeriod_Control1",
             "Statistical control of concrete strength. Controllable period."},
            {"BatchStrengthPrompt", "fmPeriod_Control3", "Statistical control "},
            {"AnalysedPeriodInputDialog", "fmPeriod_analiz2_15",
             "Statistical control of concrete strength. Analyzed period."},
            {"AboutBox", "fmAbout", "About program"},
        };
        const auto windows = window_->app().windows();
        QCOMPARE(windows.size(), std::size(rows));
        for (std::size_t i = 0; i < windows.size(); ++i) {
            QCOMPARE(windows[i]->metaObject()->className(), rows[i].className);
            QCOMPARE(windows[i]->objectName(), QString(rows[i].name));
            QCOMPARE(windows[i]->windowTitle(), QString::fromUtf8(rows[i].caption));
            QVERIFY(!windows[i]->isVisible());
        }
        QCOMPARE(window_->windowTitle(), QString("Orvan-6.4"));
        QCOMPARE(window_->windowNumber(), 0);
    }

    void costlyWindowsAreMadeWhenFirstAskedFor() {
        // Start-up lists no folder and lays out neither the chart nor the About box.
        QVERIFY(window_->findChildren<QFileDialog*>().isEmpty());
        for (const char* name : {"fmPeriod_Control2", "fmAbout"})
            QVERIFY2(!window_->findChild<QWidget*>(name), name);
        // Asking for an earlier window makes no later one.
        QCOMPARE(window_->app().window<QDialog>()->objectName(), QString("fmOptions"));
        QVERIFY(!window_->findChild<QWidget*>("fmPeriod_Control2"));
        // Asked for, the chart is made once, a hidden child of the main window.
        auto* chart = window_->app().window<ControlChartWindow>();
        QVERIFY(chart && !chart->isVisible());
        QCOMPARE(chart->parentWidget(), window_);
        QCOMPARE(window_->app().window<ControlChartWindow>(), chart);
        QCOMPARE(window_->findChildren<ControlChartWindow*>().size(), 1);
    }

    void mainMenuCaptionsShortcutsAndSeparators() {
        const QMenuBar* bar = window_->mainMenuBar();
        const auto menus = bar->actions();
        QCOMPARE(menus.size(), 6);
        QStringList tops;
        for (QAction* a : menus) tops << a->text();
        // The first is translated to "File" by the interface-language table.
        QCOMPARE(tops.mid(1),
                 QStringList({"Window", "Proportioning concrete mixture",
                              "Correction concrete mixture", "Statistical control", "   Help"}));
        QVERIFY(tops[0] == "File" || tops[0] == QString::fromUtf8("  Файл"));
        QCOMPARE(actionCaptions(menus[0]->menu()),
                 QStringList({"Open text...", "Open graphic...", "Save...", "Print...",
                              "Export PDF...", "-", "Close"}));
        QCOMPARE(actionCaptions(menus[1]->menu()),
                 QStringList({"Cascade", "Tile", "-", "Next", "Previous"}));
        QCOMPARE(actionCaptions(menus[2]->menu()),
                 QStringList({"New mixture...", "-", "Options for proportioning..."}));
        QCOMPARE(actionCaptions(menus[3]->menu()),
                 QStringList({"in depending on concrete strength...",
                              "in depending on aggregates grading and humidity...",
                              "Batch weights..."}));
        QCOMPARE(actionCaptions(menus[4]->menu()),
                 QStringList({"Analyzed period...", "Controllable period...", "CUSUM...",
                              "Conformity...", "Journal"}));
        QCOMPARE(actionCaptions(menus[5]->menu()),
                 QStringList({"Orvan Help", "-", "About program...", "-", "Interface language"}));

        struct Row {
            const char* caption;
            const char* shortcut;
        } rows[] = {{"Open text...", "Ctrl+N"},
                    {"Open graphic...", "Ctrl+G"},
                    {"Save...", "Ctrl+S"},
                    {"Print...", "Ctrl+P"},
                    {"Close", ""},
                    {"Cascade", ""},
                    {"Tile", ""},
                    {"Next", "Ctrl+F1"},
                    {"Previous", "Ctrl+F2"},
                    {"New mixture...", "Ctrl+Alt+A"},
                    {"Options for proportioning...", ""},
                    {"in depending on concrete strength...", "Ctrl+Alt+B"},
                    {"in depending on aggregates grading and humidity...", "Ctrl+Alt+C"},
                    {"Analyzed period...", "Ctrl+Alt+D"},
                    {"Controllable period...", "Ctrl+Alt+E"},
                    {"Orvan Help", "F1"},
                    {"About program...", ""},
                    {"Export PDF...", ""},
                    {"Batch weights...", ""},
                    {"CUSUM...", ""},
                    {"Conformity...", ""},
                    {"Journal", "Ctrl+Alt+J"}};
        QMap<QString, QAction*> byCaption;
        for (QAction* top : menus)
            for (QAction* a : top->menu()->actions()) byCaption[a->text()] = a;
        for (const auto& row : rows) {
            QAction* action = byCaption.value(row.caption);
            QVERIFY2(action, row.caption);
            QCOMPARE(action->shortcut(), QKeySequence(row.shortcut));
            QVERIFY2(action->statusTip().isEmpty(), row.caption);  // menu items have no hints
            if (*row.shortcut) QVERIFY2(window_->actions().contains(action), row.caption);
        }
    }

    // The journal is a window of its own (not kept above the main window, so that the reports
    // it publishes come up in front), and it goes when the main window is closed.
    void journalClosesWithTheMainWindow() {
        QStandardPaths::setTestModeEnabled(true);  // the journal's database kept apart
        QWidget* journal = window_->journal();
        journal->show();
        QVERIFY(journal->isVisible());
        QVERIFY(!journal->parentWidget());
        window_->close();
        QVERIFY(!journal->isVisible());
    }

    void contextMenuHasTheSameItemsEverywhere() {
        QMenu* menu = window_->buildContextMenu(window_);
        QCOMPARE(
            actionCaptions(menu),
            QStringList({"Open text...", "Open graphic...", "-", "Proportioning concrete mixture",
                         "-", "Correction concrete mixture", "-", "Statistical control"}));
        const auto actions = menu->actions();
        QCOMPARE(actionCaptions(actions[3]->menu()),
                 QStringList({"New mixture...", "Options for proportioning..."}));
        QCOMPARE(actionCaptions(actions[5]->menu()),
                 QStringList({"in depending on concrete strength...",
                              "in depending on aggregates grading...", "Batch weights..."}));
        QCOMPARE(actionCaptions(actions[7]->menu()),
                 QStringList({"Analyzed period...", "Controllable period...", "CUSUM...",
                              "Conformity..."}));
        for (QAction* a : actions) QVERIFY(a->shortcut().isEmpty());
        delete menu;
    }

    void toolbarButtonsHintsAndSeparators() {
        QToolBar* bar = window_->toolBar();
        QCOMPARE(window_->toolDock()->windowTitle(), QString("Orvan-6.3"));
        QCOMPARE(window_->menuDock()->windowTitle(), QString("Menu Bar"));
        QVERIFY(!(window_->toolDock()->features() & QDockWidget::DockWidgetClosable));
        QStringList layout;
        for (QAction* a : bar->actions()) layout << (a->isSeparator() ? "-" : a->toolTip());
        QCOMPARE(
            layout,
            QStringList(
                {"Open text", "Open graphic", "-", "Save", "-", "Proportioning concrete mixture",
                 "-", "Correction concrete mixture in depending on concrete strength",
                 "Correction concrete mixture in depending on aggregates grading and humidity", "-",
                 "Statistical control. Analyzed period", "-",
                 "Statistical control. Controllable period", "Journal"}));
        QStringList longHints;
        for (QAction* a : bar->actions())
            if (!a->isSeparator()) longHints << a->statusTip();
        QCOMPARE(longHints[0], QString("Open text file (*.txt)"));
        QCOMPARE(longHints[1], QString(" Open graphic file"));  // the long part keeps its blank
        QCOMPARE(longHints[7],
                 QString("Statistical control of concrete strength. Conrollable period"));
        for (QAction* a : bar->actions()) QVERIFY(a->isSeparator() || !a->icon().isNull());
    }

    void hintSplitRows() {
        QCOMPARE(shortHint("Save|Save file"), QString("Save"));
        QCOMPARE(longHint("Save|Save file"), QString("Save file"));
        QCOMPARE(shortHint("a|b|c"), QString("a"));
        QCOMPARE(longHint("a|b|c"), QString("b|c"));
        QCOMPARE(longHint("plain"), QString("plain"));
    }

    void statusBarShowsLongHintAndClears() {
        auto* button = window_->findChild<QToolButton*>("ToolButton3Button");
        QVERIFY(button);
        QStatusTipEvent tip(button->defaultAction()->statusTip());
        QCoreApplication::sendEvent(button, &tip);
        QCOMPARE(window_->statusBar()->currentMessage(), QString("Save file"));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(window_->documents()->viewport(), &enter);
        QCOMPARE(window_->statusBar()->currentMessage(), QString());
    }

    void windowNumberCountsEveryWindowAndNeverReuses() {
        DocumentArea* area = window_->documents();
        auto* first = area->publishReport(reportTitle, {"a"});
        QCOMPARE(first->windowTitle(), QString("Window №1. Proportioning concrete mixture"));
        area->publishReport(reportTitle, {"b"});
        area->publishReport(reportTitle, {"c"});
        area->closeAllSubWindows();
        QCoreApplication::processEvents();
        QCOMPARE(area->subWindowList().size(), 0);
        auto* fourth = area->publishReport(reportTitle, {"", "x"});
        QCOMPARE(fourth->windowTitle(), QString("Window №4. Proportioning concrete mixture"));
        QCOMPARE(fourth->logicalLines(), QStringList({"", "x"}));
        QCOMPARE(window_->windowNumber(), 4);
    }

    void nextAndPreviousWrapAround() {
        DocumentArea* area = window_->documents();
        QList<TextWindow*> docs;
        for (int i = 0; i < 3; ++i) docs << area->publishReport(reportTitle, {"line"});
        QCOMPARE(area->activeDocument(), docs[2]);
        window_->run(Command::Next);
        QCOMPARE(area->activeDocument(), docs[0]);
        window_->run(Command::Previous);
        QCOMPARE(area->activeDocument(), docs[2]);
        window_->run(Command::Previous);
        QCOMPARE(area->activeDocument(), docs[1]);
    }

    void tileStacksFullWidthWindows() {
        DocumentArea* area = window_->documents();
        for (int i = 0; i < 3; ++i) area->publishReport(reportTitle, {"line"});
        window_->run(Command::Tile);
        const auto subs = area->subWindowList(QMdiArea::CreationOrder);
        const QSize viewport = area->viewport()->size();
        int y = 0;
        for (QMdiSubWindow* sub : subs) {
            QCOMPARE(sub->geometry().x(), 0);
            QCOMPARE(sub->geometry().y(), y);
            QCOMPARE(sub->geometry().width(), viewport.width());
            y += sub->geometry().height();
        }
        QCOMPARE(y, viewport.height());
    }

    // Which window is active before Cascade; it ends last, on top, with the largest offset.
    void cascadeKeepsWindowsReadable_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("active");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("one window") << 1 << 0 << false;
        QTest::newRow("three, the newest active") << 3 << 2 << false;
        QTest::newRow("three, the first active") << 3 << 0 << false;
        QTest::newRow("three, the middle one maximized") << 3 << 1 << true;
    }
    void cascadeKeepsWindowsReadable() {
        QFETCH(int, count);
        QFETCH(int, active);
        QFETCH(bool, maximized);
        DocumentArea* area = window_->documents();
        for (int i = 0; i < count; ++i) area->publishReport(reportTitle, {"line"});
        QList<QMdiSubWindow*> order = area->subWindowList(QMdiArea::CreationOrder);
        area->setActiveSubWindow(order[active]);
        if (maximized) order[active]->showMaximized();
        window_->run(Command::Cascade);
        order.move(active, count - 1);
        const QSize viewport = area->viewport()->size();
        const int step = area->cascadeStep();
        QVERIFY(step >= area->style()->pixelMetric(QStyle::PM_TitleBarHeight));
        for (int i = 0; i < count; ++i) {
            const QRect expected(i * step, i * step, viewport.width() - i * step,
                                 viewport.height() - i * step);
            QCOMPARE(order[i]->geometry(), expected);
        }
        QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last(), order.last());
        QCOMPARE(area->activeSubWindow(), order.last());
    }

    // The part repainted (after a window or a dialog closes) shows the same pixels as the
    // whole client area painted at once.
    void gradientIsWholeInEveryRepaint_data() {
        QTest::addColumn<QRect>("part");
        QTest::newRow("right strip") << QRect(600, 0, 100, 300);
        QTest::newRow("bottom-left corner") << QRect(0, 250, 120, 80);
    }
    void gradientIsWholeInEveryRepaint() {
        QFETCH(QRect, part);
        QWidget* viewport = window_->documents()->viewport();
        QImage whole(viewport->size(), QImage::Format_ARGB32);
        viewport->render(&whole);
        QImage repainted(viewport->size(), QImage::Format_ARGB32);
        repainted.fill(Qt::black);
        viewport->render(&repainted, part.topLeft(), QRegion(part));
        const QRect inside = part.intersected(viewport->rect()).adjusted(1, 1, -1, -1);
        QVERIFY(!inside.isEmpty());
        for (const QPoint& p : {inside.topLeft(), inside.center(), inside.bottomRight()})
            QCOMPARE(repainted.pixel(p), whole.pixel(p));
    }

    // Keys pressed in the main window; the menu open afterwards (-1: none).
    void menuKeysOpenTheMenus_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("open");
        QTest::newRow("F10") << QStringList{"F10"} << 0;
        QTest::newRow("F10, Right") << QStringList{"F10", "Right"} << 1;
        QTest::newRow("F10, Right, Right, Left")
            << QStringList{"F10", "Right", "Right", "Left"} << 1;
        QTest::newRow("F10, Left wraps") << QStringList{"F10", "Left"} << 5;
        QTest::newRow("Alt alone") << QStringList{"Alt"} << 0;
        QTest::newRow("Alt with a letter") << QStringList{"Alt+X"} << -1;
        QTest::newRow("Alt alone, side column, Right")
            << QStringList{"column", "Alt", "Right"} << 1;
        // "report": a report window has the focus; its text must stay as it was.
        QTest::newRow("Alt alone in a report") << QStringList{"report", "Alt"} << 0;
        QTest::newRow("Alt+P in a report") << QStringList{"report", "Alt+P"} << 2;
        QTest::newRow("Alt+W in a report") << QStringList{"report", "Alt+W"} << 1;
        QTest::newRow("Alt+H: the blanks before Help aside") << QStringList{"Alt+H"} << 5;
        QTest::newRow("Alt+S, then Alt+C from the open menu")
            << QStringList{"report", "Alt+S", "Alt+C"} << 3;
        QTest::newRow("Alt+C, side column") << QStringList{"column", "Alt+C"} << 3;
    }
    void menuKeysOpenTheMenus() {
        QFETCH(QStringList, keys);
        QFETCH(int, open);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QStringList captions;
        const auto menus = window_->mainMenuBar()->actions();
        for (QAction* a : menus) captions << a->text();
        QPlainTextEdit* report = nullptr;
        for (const QString& key : keys) {
            if (key == "report") {
                TextWindow* document = window_->documents()->publishReport(reportTitle, {"line"});
                report = document->findChild<QPlainTextEdit*>();
                report->setFocus();
                QCOMPARE(QApplication::focusWidget(), report);
            } else if (key == "column") {
                window_->addDockWidget(Qt::LeftDockWidgetArea, window_->menuDock());
                QVERIFY(window_->menuColumn()->isVisible());
            } else if (key == "Alt") {
                QTest::keyPress(static_cast<QWidget*>(nullptr), Qt::Key_Alt, Qt::AltModifier);
                QTest::keyRelease(static_cast<QWidget*>(nullptr), Qt::Key_Alt, Qt::AltModifier);
            } else if (key.startsWith("Alt+")) {
                const auto letter = Qt::Key(key.back().unicode());
                QTest::keyPress(static_cast<QWidget*>(nullptr), Qt::Key_Alt, Qt::AltModifier);
                QTest::keyClick(static_cast<QWidget*>(nullptr), letter, Qt::AltModifier);
                QTest::keyRelease(static_cast<QWidget*>(nullptr), Qt::Key_Alt, Qt::AltModifier);
            } else {
                QTest::keySequence(static_cast<QWidget*>(nullptr), QKeySequence(key));
            }
        }
        QWidget* popup = QApplication::activePopupWidget();
        QCOMPARE(popup ? menus.indexOf(qobject_cast<QMenu*>(popup)->menuAction()) : -1, open);
        if (popup) popup->close();
        QStringList after;
        for (QAction* a : menus) after << a->text();
        QCOMPARE(after, captions);
        if (report) QCOMPARE(report->toPlainText(), QString("line"));
    }

    // Each bar at each edge and floating: a column at the sides, a row elsewhere, never a tab,
    // floating no larger than its own size.
    void barsTakeTheirEdgesOrientation_data() {
        QTest::addColumn<int>("area");  // 0: floating
        QTest::addColumn<bool>("column");
        QTest::newRow("left") << int(Qt::LeftDockWidgetArea) << true;
        QTest::newRow("right") << int(Qt::RightDockWidgetArea) << true;
        QTest::newRow("bottom") << int(Qt::BottomDockWidgetArea) << false;
        QTest::newRow("top") << int(Qt::TopDockWidgetArea) << false;
        QTest::newRow("floating") << 0 << false;
    }
    void barsTakeTheirEdgesOrientation() {
        QFETCH(int, area);
        QFETCH(bool, column);
        for (QDockWidget* dock : {window_->toolDock(), window_->menuDock()}) {
            if (area)
                window_->addDockWidget(Qt::DockWidgetArea(area), dock);
            else
                dock->setFloating(true);
            QCOMPARE(dock->isFloating(), area == 0);
        }
        QCOMPARE(window_->toolBar()->orientation(), column ? Qt::Vertical : Qt::Horizontal);
        QCOMPARE(window_->menuColumn()->isVisible(), column);
        QCOMPARE(window_->mainMenuBar()->isVisible(), !column);
        QVERIFY(window_->tabifiedDockWidgets(window_->menuDock()).isEmpty());
        QVERIFY(!(window_->dockOptions() & QMainWindow::AllowTabbedDocks));
        if (area == 0)
            for (QDockWidget* dock : {window_->toolDock(), window_->menuDock()})
                QCOMPARE(dock->size(), dock->sizeHint());
    }

    // A floated bar leaves no band behind it; two bars in one row both show every command
    // when the row is wide enough for the two.
    void barsGiveBackTheRoomTheyLeave() {
        window_->resize(1200, 600);
        QDockWidget* menu = window_->menuDock();
        QDockWidget* tool = window_->toolDock();
        window_->splitDockWidget(menu, tool, Qt::Horizontal);
        QTRY_COMPARE(tool->geometry().top(), menu->geometry().top());
        for (const char* extension : {"qt_menubar_ext_button", "qt_toolbar_ext_button"}) {
            auto* button = window_->findChild<QWidget*>(extension);
            QVERIFY(button);
            QTRY_VERIFY2(!button->isVisible(), extension);
        }
        // Short of room, the menu bar keeps its menus and none of the row to spare.
        window_->resize(menu->sizeHint().width() + tool->sizeHint().width() - 60, 600);
        QTRY_COMPARE(menu->width(), menu->sizeHint().width());
        QTRY_VERIFY(!window_->findChild<QWidget*>("qt_menubar_ext_button")->isVisible());
        window_->resize(1200, 600);
        tool->setFloating(true);
        const int separator = window_->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
        QTRY_VERIFY(window_->centralWidget()->geometry().top() <=
                    menu->geometry().bottom() + 1 + separator);
        QTRY_COMPARE(menu->height(), std::max(menu->widget()->sizeHint().height(),
                                              menu->minimumSizeHint().height()));
    }

    void ctrlF4ClosesTheActiveWindow() {
        DocumentArea* area = window_->documents();
        for (int i = 0; i < 3; ++i) area->publishReport(reportTitle, {"line"});
        QMdiSubWindow* first = area->subWindowList(QMdiArea::CreationOrder).first();
        area->setActiveSubWindow(first);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QPointer<QMdiSubWindow> closing(first);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_F4, Qt::ControlModifier);
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(area->subWindowList().size(), 2);
    }

    void restoredSizeIs577By358() {
        MainWindow fresh;
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QCOMPARE(fresh.size(), QSize(577, 358));
    }

    void windowCommandsWithoutWindowsDoNothing() {
        ModalWatchdog watchdog(5000);
        for (Command c : {Command::Save, Command::Print, Command::Cascade, Command::Tile,
                          Command::Next, Command::Previous})
            window_->run(c);
        QVERIFY(!watchdog.fired());
        QCOMPARE(window_->windowNumber(), 0);
        QCOMPARE(window_->documents()->subWindowList().size(), 0);
    }

    // A mix the method cannot make: after the refusal the input dialog is still up, with the
    // focus on the input the refusal names; the next OK runs again.
    void impossibleMixStaysOpenAtTheInput() {
        auto* bns = window_->findChild<DialogBase*>("fmBNS");
        QVERIFY(bns);
        auto* workability = bns->findChild<QLineEdit*>("edYdoboykl");
        QVERIFY(workability);
        const QString before = workability->text();
        workability->setText("200");
        ModalWatchdog watchdog(10000);
        int refusals = 0;
        QWidget* focusAfter = nullptr;
        bool upAfter = false;
        // The run's own dialogs are answered with OK; after the second refusal, Close.
        std::function<void(QWidget*)> answer = [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++refusals;
                answerNextModal(answer, box);
                box->close();
            } else if (modal == bns && refusals > 0) {
                upAfter = bns->isVisible();
                focusAfter = bns->focusWidget();
                if (refusals == 1) {
                    answerNextModal(answer, bns);
                    bns->actionButton()->click();
                } else {
                    bns->findChild<QPushButton*>("BitBtn2")->click();
                }
            } else if (auto* dialog = qobject_cast<DialogBase*>(modal); dialog && dialog != bns) {
                answerNextModal(answer, modal);
                dialog->actionButton()->click();
            } else {
                answerNextModal(answer, modal);
                bns->actionButton()->click();
            }
        };
        answerNextModal(answer);
        window_->run(Command::NewMixture);
        workability->setText(before);
        QVERIFY(!watchdog.fired());
        QCOMPARE(refusals, 2);
        QVERIFY(upAfter);
        QCOMPARE(focusAfter, workability);
        QCOMPARE(window_->windowNumber(), 0);
    }

    void correctionCommandsOpenTheirDialog() {
        ModalWatchdog watchdog(5000);
        for (Command c :
             {Command::CorrectStrength, Command::CorrectAggregates, Command::NewMixture,
              Command::Options, Command::AnalysedPeriod, Command::ControlledPeriod, Command::About,
              Command::Cusum, Command::Conformity, Command::BatchWeights}) {
            QString shown;
            answerNextModal([&](QWidget* modal) {
                shown = modal->objectName();
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
            });
            window_->run(c);
            QVERIFY2(!shown.isEmpty(), "no dialog shown");
        }
        QVERIFY(!watchdog.fired());
    }

    // The Help menu's language items keep the choice for the next start, where it beats the
    // locale and yields to --lang; the running interface does not change.
    void languageChoiceKeptForNextStart() {
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        ModalWatchdog watchdog(5000);
        const struct {
            const char* item;
            const char* stored;
            orvan::InterfaceLanguage next;
        } rows[] = {{"LanguageRussian", "ru", orvan::InterfaceLanguage::Russian},
                    {"LanguageEnglish", "en", orvan::InterfaceLanguage::English}};
        for (const auto& row : rows) {
            auto* action = window_->findChild<QAction*>(row.item);
            QVERIFY2(action, row.item);
            QString told;
            answerNextModal([&](QWidget* modal) {
                told = modal->objectName();
                if (auto* box = qobject_cast<QDialog*>(modal)) box->accept();
            });
            action->trigger();
            QCOMPARE(told, QString("messageBox"));
            QCOMPARE(storedLanguageChoice(), QString(row.stored));
            QCOMPARE(languageForThisRun({"orvan"}), row.next);
            QCOMPARE(languageForThisRun({"orvan", "--lang=ru"}), orvan::InterfaceLanguage::Russian);
            QCOMPARE(window_->mainMenuBar()->actions()[1]->text(), QString("Window"));
        }
        QVERIFY(!watchdog.fired());
    }

    void splashArgumentRows() {
        struct Row {
            QStringList args;
            bool wanted;
        } rows[] = {
            {{"orvan"}, true},         {{"orvan", "-ns"}, false},      {{"orvan", "-NS"}, false},
            {{"orvan", "/ns"}, false}, {{"orvan", "/Ns"}, false},      {{"orvan", "ns"}, true},
            {{"orvan", "-nsx"}, true}, {{"orvan", "x", "/NS"}, false},
        };
        for (const auto& row : rows) QCOMPARE(splashWanted(row.args), row.wanted);
    }

    void splashIsFramedAndClosesOnClick() {
        auto* splash = new SplashWindow(QPixmap(198, 198));
        QCOMPARE(splash->pixmap().size(), QSize(218, 218));
        QPointer<SplashWindow> guard(splash);
        splash->show();
        QTest::mouseClick(splash, Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
    }

private:
    MainWindow* window_ = nullptr;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
