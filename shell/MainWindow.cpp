#include "shell/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadialGradient>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "correction/BatchWeights.h"
#include "correction/CorrectionDialog.h"
#include "journal/ui/JournalWindow.h"
#include "kit/DocumentArea.h"
#include "kit/HelpViewer.h"
#include "kit/Messages.h"
#include "kit/PdfExport.h"
#include "kit/TextFileCommands.h"
#include "kit/TextWindow.h"
#include "kit/Translations.h"
#include "mixdesign/CementSavingChoiceDialog.h"
#include "mixdesign/CementSavingTechniqueDialog.h"
#include "mixdesign/DurabilityDialog.h"
#include "mixdesign/MixInputDialog.h"
#include "mixdesign/ProportioningInputsBinding.h"
#include "mixdesign/ProportioningOptionsDialog.h"
#include "mixdesign/SteamCuringDialog.h"
#include "pictures/ui/PictureWindow.h"
#include "shell/AboutBox.h"
#include "shell/Icons.h"
#include "shell/MenuColumn.h"
#include "strength_control/AnalysedPeriodInputDialog.h"
#include "strength_control/AnalysedPeriodSetupDialog.h"
#include "strength_control/BatchStrengthPrompt.h"
#include "strength_control/ConformityDialog.h"
#include "strength_control/ControlChartWindow.h"
#include "strength_control/ControlledPeriodDialog.h"
#include "strength_control/CusumChartWindow.h"
#include "strength_control/CusumDialog.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("fmForm1");
    setWindowTitle(QCoreApplication::translate(kForm, "Orvan-6.4"));
    setWindowIcon(programIcon());
    documents_ = new DocumentArea(app_, this);
    // The empty client area: fuchsia to lime from the centre.
    QRadialGradient gradient(0.5, 0.5, 0.75);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, QColor(255, 0, 255));
    gradient.setColorAt(1, QColor(0, 255, 0));
    documents_->setBackground(gradient);
    app_.setDocuments(documents_);
    setCentralWidget(documents_);
    help_ = new HelpViewer(this);
    app_.setHelp(help_);
    textFiles_ = new TextFileCommands(app_, this);
    app_.setContextMenuBuilder([this](QWidget* parent) { return buildContextMenu(parent); });

    bindCommands();
    buildMainMenu();
    buildToolBar();
    addKeyboardCommands();
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    qApp->installEventFilter(this);

    resize(kRestoredSize);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    delete journal_;  // a window of its own, without a parent
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // The journal goes with the main window, or the program would go on running behind it.
    if (event->isAccepted() && journal_) journal_->close();
}

int MainWindow::windowNumber() const {
    return documents_->windowNumber();
}

void MainWindow::createWindows() {
    // The start-up order; each window lives, hidden, until the program ends. The chart and
    // the About box are made when first asked for: nothing reads them before they are shown,
    // and laying out the chart and the About box's fonts cost much of the start-up.
    auto add = [this](auto* window) {
        app_.registerWindow(window);
        return window;
    };
    using Input = AnalysedPeriodInputDialog;
    auto* options = add(new ProportioningOptionsDialog(app_, proportioningOptions_, this));
    auto* mixInput = add(new MixInputDialog(app_, proportioningOptions_, this));
    auto* durability = add(new DurabilityDialog(app_, this));
    auto* choice = add(new CementSavingChoiceDialog(app_, this));
    auto* technique = add(new CementSavingTechniqueDialog(app_, this));
    auto* steam = add(new SteamCuringDialog(app_, this));
    add(new CorrectionDialog(app_, this));
    auto* setup = add(new AnalysedPeriodSetupDialog(app_, analysedPeriod_, this));
    auto* wide = add(new Input(app_, analysedPeriod_, Input::fiveBySix(), this));
    app_.registerWindow(ControlChartWindow::staticMetaObject, [this] {
        auto* chart = new ControlChartWindow(app_, controlledPeriod_, this);
        chart->setBatchPrompt([this](int batch) {
            auto* prompt = app_.window<BatchStrengthPrompt>();
            return prompt ? prompt->ask(BatchStrengthPrompt::promptFor(batch)) : QString();
        });
        return chart;
    });
    add(new PictureWindow(app_, this));
    auto* control = add(new ControlledPeriodDialog(app_, controlledPeriod_, this));
    add(new BatchStrengthPrompt(app_, this));
    auto* tall = add(new Input(app_, analysedPeriod_, Input::tenByThree(), this));
    app_.registerWindow(AboutBox::staticMetaObject, [this] { return new AboutBox(app_, this); });

    for (MixDialogBase* dialog : std::initializer_list<MixDialogBase*>{
             options, mixInput, durability, choice, technique, steam})
        bindToInputs(dialog, proportioningInputs_);

    // Who opens whom.
    mixInput->setRunWindows({durability, steam, choice, technique,
                             [options](const QString& name) { return options->shownCaption(name); },
                             &proportioningInputs_});
    setup->setInputOpener(
        [wide, tall](int countPartyIndex) { (countPartyIndex == 0 ? wide : tall)->exec(); });
    control->setStoredPeriodSource(
        [this](QWidget* parent) { return journal()->chooseStoredPeriod(parent); });
    control->setChartOpener([this] { openChart(std::nullopt); });
}

// The openers: the one way each window is shown, whoever asks for it (a command, another
// window). What one window hands another is an opener's argument; no window reaches into
// another's widgets.
void MainWindow::openCorrection(int page) {
    if (auto* correction = app_.window<CorrectionDialog>()) {
        correction->selectPage(page);
        correction->exec();
    }
}

void MainWindow::openChart(std::optional<orvan::control::ChartOutcome> given) {
    if (auto* chart = app_.window<ControlChartWindow>()) {
        if (given) chart->setGivenChart(std::move(*given));
        chart->exec();
    }
}

void MainWindow::openConformity(const std::optional<orvan::control::JournalConformity>& given) {
    if (!conformity_) conformity_ = new ConformityDialog(app_, this);
    conformity_->setJournalResults(given);
    conformity_->exec();
}

void MainWindow::openCusum() {
    if (!cusum_) cusum_ = new CusumDialog(app_, controlledPeriod_, analysedPeriod_, this);
    cusum_->exec();
}

// The journal window is made when first asked for (its tables and splitter cost start-up
// time; it opens its database only when first used in any case), and first shows centred over
// the main window, as the dialogs do. It is a window of its own, not one kept above the main
// window: a report it publishes comes up in front of it, with the main window.
JournalWindow* MainWindow::journal() {
    if (journal_) return journal_;
    journal_ = new JournalWindow(app_, nullptr);
    connectJournal();
    return journal_;
}

void MainWindow::showJournal() {
    const bool first = !journal_;
    JournalWindow* window = journal();
    if (first) {
        // Its laid-out size (wider in Russian than the size it was given), kept on the screen.
        QRect placed(QPoint(), window->size().expandedTo(window->minimumSizeHint()));
        placed.moveCenter(frameGeometry().center());
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            placed.moveLeft(
                std::max(area.left(), std::min(placed.left(), area.right() - placed.width())));
            placed.moveTop(
                std::max(area.top(), std::min(placed.top(), area.bottom() - placed.height())));
        }
        window->move(placed.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::connectJournal() {
    journal_->setProportioningInputs(&proportioningInputs_);
    journal_->setChartOpener(
        [this](orvan::control::ChartOutcome given) { openChart(std::move(given)); });
    journal_->setConformityOpener(
        [this](const orvan::control::JournalConformity& given) { openConformity(given); });
    journal_->setCusumOpener([this](const orvan::control::CusumInputs& inputs,
                                    const orvan::control::SeriesCusum& result) {
        openCusumChart(inputs, result.cusum, result.parties);
    });
}

void MainWindow::openCusumChart(const orvan::control::CusumInputs& inputs,
                                const orvan::control::CusumResult& result,
                                const std::vector<orvan::control::SeriesPartyMark>& parties) {
    // Non-modal beside the report, as the CUSUM dialog's own chart; deleted when closed.
    auto* chart = new CusumChartWindow(this);
    chart->setAttribute(Qt::WA_DeleteOnClose);
    chart->setInputs(inputs);
    chart->draw(result);
    chart->setParties(parties);
    chart->show();
}

template <class Window>
void MainWindow::showModal() {
    if (auto* window = app_.window<Window>()) window->exec();
}

void MainWindow::bindCommands() {
    handlers_ = {
        {Command::OpenText, [this] { textFiles_->openText(); }},
        {Command::Save, [this] { textFiles_->save(); }},
        {Command::Print, [this] { textFiles_->print(); }},
        {Command::OpenGraphic,
         [this] {
             if (auto* picture = app_.window<PictureWindow>()) picture->openGraphic();
         }},
        {Command::Close, [this] { close(); }},
        {Command::Cascade, [this] { documents_->cascadeDocuments(); }},
        {Command::Tile, [this] { documents_->tileDocuments(); }},
        {Command::Next, [this] { documents_->nextDocument(); }},
        {Command::Previous, [this] { documents_->previousDocument(); }},
        {Command::NewMixture, [this] { showModal<MixInputDialog>(); }},
        {Command::Options, [this] { showModal<ProportioningOptionsDialog>(); }},
        {Command::CorrectStrength, [this] { openCorrection(0); }},
        {Command::CorrectAggregates, [this] { openCorrection(1); }},
        {Command::AnalysedPeriod, [this] { showModal<AnalysedPeriodSetupDialog>(); }},
        {Command::ControlledPeriod, [this] { showModal<ControlledPeriodDialog>(); }},
        {Command::Journal, [this] { showJournal(); }},
        {Command::Help, [this] { help_->showContents(); }},
        {Command::About, [this] { showModal<AboutBox>(); }},
        {Command::ExportPdf,
         [this] { exportActiveDocumentPdf(app_, this, textFiles_->printer()->pageLayout()); }},
        {Command::Cusum, [this] { openCusum(); }},
        {Command::Conformity, [this] { openConformity(std::nullopt); }},
        {Command::BatchWeights,
         [this] {
             openBatchWeights(this, proportioningInputs_.reportDesign(documents_->activeDocument()),
                              app_.window<CorrectionDialog>());
         }},
        {Command::EnglishInterface, [this] { chooseLanguage(orvan::InterfaceLanguage::English); }},
        {Command::RussianInterface, [this] { chooseLanguage(orvan::InterfaceLanguage::Russian); }},
    };
}

void MainWindow::chooseLanguage(orvan::InterfaceLanguage language) {
    storeLanguageChoice(language);
    showMessage(this, QCoreApplication::translate(
                          kForm, "The interface language changes at the next start of the program.",
                          "LanguageMenu"));
}

void MainWindow::run(Command command) {
    if (auto it = handlers_.find(command); it != handlers_.end()) it->second();
    // Back to the main window when a command's modal windows have closed. A run that ends
    // with a message over a dialog that closes with it (an analysed period ending in "Data
    // error") leaves a real window manager nothing to hand the focus back to, and the
    // keyboard reached no window until the user clicked. The journal and the help viewer stay
    // up beside the main window and keep the focus they took.
    const bool leavesWindowUp = command == Command::Journal || command == Command::Help;
    if (!leavesWindowUp && isVisible() && !QApplication::activeModalWidget()) activateWindow();
}

void MainWindow::fillMenu(QMenu* menu, const std::vector<MenuItem>& items, bool withShortcuts) {
    for (const MenuItem& entry : items) {
        if (entry.isSeparator()) {
            menu->addSeparator()->setObjectName(entry.name);
        } else if (entry.isSubmenu()) {
            QMenu* sub =
                menu->addMenu(QCoreApplication::translate(kForm, entry.caption, entry.name));
            sub->setObjectName(entry.name);
            fillMenu(sub, entry.children, withShortcuts);
        } else {
            QAction* action =
                menu->addAction(QCoreApplication::translate(kForm, entry.caption, entry.name));
            action->setObjectName(entry.name);
            const Command command = entry.command;
            connect(action, &QAction::triggered, this, [this, command] { run(command); });
            if (withShortcuts && *entry.shortcut) {
                action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
                // Kept on the main window too, so the shortcut works while the bar floats.
                addAction(action);
            }
        }
    }
}

void MainWindow::buildMainMenu() {
    menuBar_ = new QMenuBar;
    menuBar_->setObjectName("MainMenu1");
    menuBar_->setNativeMenuBar(false);
    // Narrower than its menus it shows the rest behind its extension button, rather than
    // holding the main window wider than its restored size.
    menuBar_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QList<QMenu*> menus;
    for (const MenuItem& top : mainMenu()) {
        QMenu* menu = menuBar_->addMenu(QCoreApplication::translate(kForm, top.caption, top.name));
        menu->setObjectName(top.name);
        fillMenu(menu, top.children, true);
        menus.push_back(menu);
    }
    // A row at the top and bottom edges and when floating, a column at the side edges.
    auto* holder = new QWidget;
    holder->setObjectName("MenuHolder");
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(menuBar_);
    menuColumn_ = new MenuColumn(menus, holder);
    menuColumn_->hide();
    layout->addWidget(menuColumn_);
    // The bars share an edge in rows or columns, never as tabs.
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    menuDock_ = makeDock(QCoreApplication::translate(kForm, "Menu Bar"), "MenuBarDock", holder);
    addDockWidget(Qt::TopDockWidgetArea, menuDock_);
}

// A bar that can be dragged to any edge of the main window or floated, and shows its caption
// when floating (a QToolBar would not). Its title bar stands on its left as the drag grip, so
// that the docked bar takes no extra row.
QDockWidget* MainWindow::makeDock(const QString& caption, const QString& name, QWidget* bar) {
    auto* dock = new QDockWidget(caption, this);
    dock->setObjectName(name);
    dock->setWidget(bar);
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                      QDockWidget::DockWidgetVerticalTitleBar);
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    dock->toggleViewAction()->setVisible(false);  // neither bar can be closed
    // Fitted at once, and again once the main window has laid its docks out anew: while the
    // signal is delivered a floated bar still holds its place in the dock area, which then
    // kept the floated bar's height as an empty band.
    auto fitNowAndLater = [this] {
        fitBars();
        QMetaObject::invokeMethod(this, &MainWindow::fitBars, Qt::QueuedConnection);
    };
    connect(dock, &QDockWidget::dockLocationChanged, this, fitNowAndLater);
    connect(dock, &QDockWidget::topLevelChanged, this, fitNowAndLater);
    return dock;
}

// Lays a bar out for where its dock now is, with the dock's grip across the bar, and gives
// the dock the bar's own size: a column as wide as the bar, a row or a floating window as
// high as the bar. The other bar is fitted again too, as it may have taken the space freed.
void MainWindow::fitBars() {
    for (QDockWidget* dock : {menuDock_, toolDock_}) {
        if (!dock) continue;
        const Qt::DockWidgetArea area = dockWidgetArea(dock);
        const bool column = !dock->isFloating() &&
                            (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea);
        if (dock == toolDock_) {
            toolBar_->setOrientation(column ? Qt::Vertical : Qt::Horizontal);
        } else {
            menuBar_->setVisible(!column);
            menuColumn_->setVisible(column);
            menuColumn_->setOpensLeft(area == Qt::RightDockWidgetArea);
        }
        QDockWidget::DockWidgetFeatures features = dock->features();
        // Floating, the grip is a title bar with the caption (the frame is the dock's own).
        features.setFlag(QDockWidget::DockWidgetVerticalTitleBar, !column && !dock->isFloating());
        dock->setFeatures(features);
        // Across a column the caption would be cut to its first letter: the grip shows none.
        if (!dock->property("caption").isValid()) dock->setProperty("caption", dock->windowTitle());
        dock->setWindowTitle(column ? QString() : dock->property("caption").toString());
        // The sizes below are of the bar as it is shown now.
        if (QLayout* layout = dock->widget()->layout()) layout->activate();
        // Requests below the dock's minimum (its grip) are raised to it.
        const QSize bar = dock->widget()->sizeHint();
        if (dock->isFloating())
            dock->resize(dock->sizeHint());
        else if (column)
            resizeDocks({dock}, {bar.width()}, Qt::Horizontal);
        else
            resizeDocks({dock}, {bar.height()}, Qt::Vertical);
    }
    shareRow();
}

// Two bars side by side in one row or column: each is given the length it needs, as far as
// the edge allows, so that neither hides its commands behind its extension button while the
// other has room to spare.
void MainWindow::shareRow() {
    if (!menuDock_ || !toolDock_ || menuDock_->isFloating() || toolDock_->isFloating()) return;
    const Qt::DockWidgetArea area = dockWidgetArea(menuDock_);
    if (area != dockWidgetArea(toolDock_)) return;
    const bool row = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
    const QRect menu = menuDock_->geometry(), tool = toolDock_->geometry();
    const bool sideBySide = row ? menu.top() == tool.top() : menu.left() == tool.left();
    if (!sideBySide) return;
    auto length = [row](QDockWidget* dock) {
        const QSize hint = dock->sizeHint();
        return row ? hint.width() : hint.height();
    };
    const int menuLength = length(menuDock_), toolLength = length(toolDock_);
    const int room = row ? menu.width() + tool.width() : menu.height() + tool.height();
    // What is left over goes to the menu bar, whose last menu it keeps in view. Short of room,
    // the menu bar keeps its menus whole and the toolbar, every command of which is on a menu
    // too, shows what is left of the row.
    const QSize toolLeast = toolDock_->minimumSizeHint();
    const int toolShare =
        room >= menuLength + toolLength
            ? toolLength
            : std::max(room - menuLength, row ? toolLeast.width() : toolLeast.height());
    resizeDocks({menuDock_, toolDock_}, {room - toolShare, toolShare},
                row ? Qt::Horizontal : Qt::Vertical);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The main window shares a change of its width out among the docks of a row in proportion
    // to their lengths: the bars of one row are given theirs again once it has.
    QMetaObject::invokeMethod(this, &MainWindow::shareRow, Qt::QueuedConnection);
}

void MainWindow::buildToolBar() {
    // "Orvan-6.3" on purpose: the toolbar keeps its old version while the title says 6.4.
    toolBar_ = new QToolBar(QCoreApplication::translate(kForm, "Orvan-6.3"));
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setMovable(false);  // its dock moves it
    for (const ToolButton& button : toolButtons()) {
        const QString hint = QCoreApplication::translate(kForm, button.hint, button.name);
        auto* action = new QAction(commandIcon(button.command), shortHint(hint), toolBar_);
        action->setObjectName(button.name);
        action->setToolTip(shortHint(hint));
        action->setStatusTip(longHint(hint));
        const Command command = button.command;
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
        toolBar_->addAction(action);
        toolBar_->widgetForAction(action)->setObjectName(QString(button.name) + "Button");
        if (button.separatorAfter) toolBar_->addSeparator();
    }
    // Below the menu bar, as the second row of the top edge.
    toolDock_ = makeDock(QCoreApplication::translate(kForm, "Orvan-6.3"), "ToolBarDock", toolBar_);
    addDockWidget(Qt::TopDockWidgetArea, toolDock_);
    splitDockWidget(menuDock_, toolDock_, Qt::Vertical);
    // Qt's dock toggles also come from the main window's own context menu; ours replaces it.
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

// Keys outside the command table: F10 opens the first menu (the arrows then move through the
// menus), Ctrl+F4 closes the active text window.
void MainWindow::addKeyboardCommands() {
    auto* menuKey = new QAction(this);
    menuKey->setObjectName("MenuKey");
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, &MainWindow::openFirstMenu);
    addAction(menuKey);
    auto* closeWindow = new QAction(this);
    closeWindow->setObjectName("CloseWindowKey");
    closeWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(closeWindow, &QAction::triggered, documents_, &DocumentArea::closeActiveDocument);
    addAction(closeWindow);
}

void MainWindow::openFirstMenu() {
    if (QApplication::activePopupWidget()) return;
    openMenu(0);
}

void MainWindow::openMenu(int index) {
    const QList<QAction*> menus = menuBar_->actions();
    if (index < 0 || index >= menus.size()) return;
    if (menuColumn_->isVisible())
        menuColumn_->popUp(index);
    else
        menuBar_->setActiveAction(menus[index]);
}

int MainWindow::menuForLetter(QChar letter, int after) const {
    const QList<QAction*> menus = menuBar_->actions();
    const auto count = static_cast<int>(menus.size());
    for (int step = 1; step <= count; ++step) {
        const int index = (after + step) % count;
        const QString caption = menus[index]->text().trimmed();
        if (!caption.isEmpty() && caption.front().toUpper() == letter.toUpper()) return index;
    }
    return -1;
}

// Alt with the first letter of a menu's caption opens that menu (the captions carry no
// mnemonic, so without this the letter was typed into the report); the same letter again
// goes on to the next menu that starts with it.
bool MainWindow::openMenuByLetter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier || key->text().size() != 1 ||
        !key->text().front().isLetter())
        return false;
    const QList<QAction*> menus = menuBar_->actions();
    auto* shownMenu = qobject_cast<QMenu*>(watched);
    const int open = shownMenu ? static_cast<int>(menus.indexOf(shownMenu->menuAction())) : -1;
    if ((open < 0 && !isOwnWindow(static_cast<QWidget*>(watched))) ||
        QApplication::activeModalWidget())
        return false;
    const int index = menuForLetter(key->text().front(), open);
    if (index < 0) return false;
    altAlone_ = false;
    if (shownMenu) shownMenu->close();
    openMenu(index);
    return true;
}

bool MainWindow::isOwnWindow(const QWidget* widget) const {
    const QWidget* window = widget ? widget->window() : nullptr;
    return window && (window == this || window == menuDock_ || window == toolDock_);
}

// Alt pressed and released with nothing between opens the first menu; the style's own Alt
// handling is off on this platform.
void MainWindow::watchAltAlone(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return;  // the same key reaches the widget next
    const QEvent::Type type = event->type();
    // The menu bar takes the focus itself when Alt goes down: that is no other key.
    const bool focusToMenu = type == QEvent::FocusOut &&
                             static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason;
    if (type == QEvent::MouseButtonPress || (type == QEvent::FocusOut && !focusToMenu)) {
        altAlone_ = false;
        return;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return;
    const bool alt = key->key() == Qt::Key_Alt && !(key->modifiers() & ~Qt::AltModifier);
    if (type == QEvent::KeyPress) {
        altAlone_ = alt;
    } else if (alt && altAlone_) {
        altAlone_ = false;
        if (isOwnWindow(qobject_cast<QWidget*>(watched)) && !QApplication::activeModalWidget())
            openFirstMenu();
    }
}

QMenu* MainWindow::buildContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("PopupMenu1");
    fillMenu(menu, contextMenu(), false);
    return menu;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = buildContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (openMenuByLetter(watched, event)) return true;
    // A bar dragged off its edge floats while the mouse is still down, the dock area holding
    // a gap for it until the drag ends: fitted again when the button comes up.
    if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType()) {
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window && (window == menuDock_ || window == toolDock_))
            QMetaObject::invokeMethod(this, &MainWindow::fitBars, Qt::QueuedConnection);
    }
    watchAltAlone(watched, event);
    // The status bar shows the long hint of the control under the mouse and is cleared over
    // a control without one (Qt shows status tips itself, but never clears them).
    if (event->type() == QEvent::Enter) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            QString tip = widget->statusTip();
            if (auto* button = qobject_cast<QToolButton*>(widget);
                button && button->defaultAction())
                tip = button->defaultAction()->statusTip();
            if (tip.isEmpty()) statusBar()->clearMessage();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
