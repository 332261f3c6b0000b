#pragma once
// The main window: the frame of the text document windows, the command table (main menu,
// context menu, toolbar), the status bar with the long hints, and the start-up of every
// other window of the program.
#include <QCoreApplication>
#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>

#include "common/InterfaceLanguage.h"
#include "kit/AppContext.h"
#include "mixdesign/ProportioningInputs.h"
#include "mixdesign/calc/OptionsFile.h"
#include "shell/CommandTable.h"
#include "strength_control/AnalysedPeriodSession.h"
#include "strength_control/ControlledPeriodInputs.h"
#include "strength_control/calc/Conformity.h"
#include "strength_control/calc/ControlChart.h"
#include "strength_control/calc/Cusum.h"
#include "strength_control/calc/SeriesCusum.h"

class ConformityDialog;
class CusumDialog;
class DocumentArea;
class HelpViewer;
class MenuColumn;
class JournalWindow;
class QDockWidget;
class QMenuBar;
class QToolBar;
class TextFileCommands;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmForm1";

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Creates windows 2 to 16 of the start-up order, hidden (some on first use).
    void createWindows();

    // Runs a command as every one of its entry points does.
    void run(Command command);

    AppContext& app() { return app_; }
    DocumentArea* documents() const { return documents_; }
    int windowNumber() const;
    HelpViewer* helpViewer() const { return help_; }
    TextFileCommands* textFiles() const { return textFiles_; }
    QToolBar* toolBar() const { return toolBar_; }
    QDockWidget* menuDock() const { return menuDock_; }
    QDockWidget* toolDock() const { return toolDock_; }
    QMenuBar* mainMenuBar() const { return menuBar_; }
    MenuColumn* menuColumn() const { return menuColumn_; }

    // The journal window, made when first asked for.
    JournalWindow* journal();

    // A new context menu PopupMenu1 (deleted with `parent`).
    QMenu* buildContextMenu(QWidget* parent);

    // The restored (not maximized) size.
    static constexpr QSize kRestoredSize{577, 358};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildMainMenu();
    void buildToolBar();
    QDockWidget* makeDock(const QString& caption, const QString& name, QWidget* bar);
    void fitBars();
    void shareRow();
    void fillMenu(QMenu* menu, const std::vector<MenuItem>& items, bool withShortcuts);
    void bindCommands();
    void addKeyboardCommands();
    // Opens the first menu of the main menu, as F10 and Alt alone do.
    void openFirstMenu();
    void openMenu(int index);
    // The first menu after `after` (-1: from the start) whose caption begins with `letter`,
    // blanks aside, in any letter case; -1 when none does.
    int menuForLetter(QChar letter, int after) const;
    bool openMenuByLetter(QObject* watched, QEvent* event);
    bool isOwnWindow(const QWidget* widget) const;
    void watchAltAlone(QObject* watched, QEvent* event);
    // The Help menu's language choice: kept for the next start, said so.
    void chooseLanguage(orvan::InterfaceLanguage language);
    template <class Window>
    void showModal();
    void showJournal();  // the "Journal" command
    // The journal window's openers of the chart and the conformity dialog.
    void connectJournal();
    // One opener per window made on demand or shown with something handed to it.
    void openCorrection(int page);
    // `given`: a chart built from the journal, drawn instead of asking the batch strengths.
    void openChart(std::optional<orvan::control::ChartOutcome> given);
    // `given`: what the journal hands on, put in the dialog before it shows.
    void openConformity(const std::optional<orvan::control::JournalConformity>& given);
    void openCusum();
    // The chart of a CUSUM the journal computed (its report is published already), with the
    // journal's parties behind its sums.
    void openCusumChart(const orvan::control::CusumInputs& inputs,
                        const orvan::control::CusumResult& result,
                        const std::vector<orvan::control::SeriesPartyMark>& parties);

    AppContext app_;
    // The session: what the windows keep between showings and hand on to each other.
    orvan::mix::ProportioningOptions proportioningOptions_;
    ProportioningInputs proportioningInputs_;
    AnalysedPeriodSession analysedPeriod_;
    ControlledPeriodInputs controlledPeriod_;
    DocumentArea* documents_;
    HelpViewer* help_;
    TextFileCommands* textFiles_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    MenuColumn* menuColumn_ = nullptr;
    QDockWidget* menuDock_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QDockWidget* toolDock_ = nullptr;
    std::map<Command, std::function<void()>> handlers_;
    bool altAlone_ = false;  // Alt is down and nothing else was pressed since
    JournalWindow* journal_ = nullptr;
    // Made on first use (not start-up windows); they live, keeping their texts, to the end.
    ConformityDialog* conformity_ = nullptr;
    CusumDialog* cusum_ = nullptr;
};
