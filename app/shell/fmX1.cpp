#include "app/shell/fmX1.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QMenuBar>
#include <QRadialGradient>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/DocumentArea.h"
#include "app/HelpViewer.h"
#include "app/TextFileCommands.h"
#include "app/shell/Icons.h"
#include "app/viewers/About.h"
#include "app/viewers/ShowPicture.h"
#include "correction/fmCorrection.h"
#include "mixdesign/TVO.h"
#include "mixdesign/fmEconom.h"
#include "mixdesign/fmF_W.h"
#include "mixdesign/fmOption.h"
#include "mixdesign/fmSostav.h"
#include "mixdesign/fmVubor_Econ.h"
#include "strength_control/Period_Analiz1.h"
#include "strength_control/Period_Analiz2.h"
#include "strength_control/Period_Analiz3.h"
#include "strength_control/Period_Control1.h"
#include "strength_control/Period_Control2.h"
#include "strength_control/Period_Control3.h"

TfmForm1::TfmForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("fmForm1");
    setWindowTitle(tr("Orvan-6.4"));
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
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    qApp->installEventFilter(this);

    resize(577, 358);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfmForm1::~TfmForm1() { qApp->removeEventFilter(this); }

int TfmForm1::windowNumber() const { return documents_->windowNumber(); }

template <class Window>
void TfmForm1::addOnFirstUse() {
    app_.registerWindow(Window::staticMetaObject, [this] { return new Window(app_, this); });
}

void TfmForm1::createWindows() {
    // The start-up order; each window lives, hidden, until the program ends. The chart and
    // the About box are made when first asked for: nothing reads them before they are shown,
    // and laying out the chart and the About box's fonts cost much of the start-up.
    auto add = [this](QWidget* window) { app_.registerWindow(window); };
    add(new TfmOptions(app_, this));
    add(new TfmBNS(app_, this));
    add(new TF_W(app_, this));
    add(new Teconomy(app_, this));
    add(new TVubor_Econ(app_, this));
    add(new TfmTVO(app_, this));
    add(new Tcorrection(app_, this));
    add(new TfmPeriod_Analiz1(app_, this));
    add(new TfmPeriod_analiz2_5(app_, this));
    addOnFirstUse<TfmPeriod_Control2>();
    add(new TfmShowPicture(app_, this));
    add(new TfmPeriod_Control1(app_, this));
    add(new TfmPeriod_Control3(app_, this));
    add(new TfmPeriod_analiz2_15(app_, this));
    addOnFirstUse<TfmAbout>();
}

template <class Window>
void TfmForm1::showModal() {
    if (auto* window = app_.window<Window>()) window->exec();
}

void TfmForm1::bindCommands() {
    handlers_ = {
        {Command::OpenText, [this] { textFiles_->openText(); }},
        {Command::Save, [this] { textFiles_->save(); }},
        {Command::Print, [this] { textFiles_->print(); }},
        {Command::OpenGraphic,
         [this] {
             if (auto* picture = app_.window<TfmShowPicture>()) picture->openGraphic();
         }},
        {Command::Close, [this] { close(); }},
        {Command::Cascade, [this] { documents_->cascadeDocuments(); }},
        {Command::Tile, [this] { documents_->tileDocuments(); }},
        {Command::Next, [this] { documents_->nextDocument(); }},
        {Command::Previous, [this] { documents_->previousDocument(); }},
        {Command::NewMixture, [this] { showModal<TfmBNS>(); }},
        {Command::Options, [this] { showModal<TfmOptions>(); }},
        {Command::CorrectStrength,
         [this] {
             if (auto* correction = app_.window<Tcorrection>()) {
                 correction->selectPage(0);
                 correction->exec();
             }
         }},
        {Command::CorrectAggregates,
         [this] {
             if (auto* correction = app_.window<Tcorrection>()) {
                 correction->selectPage(1);
                 correction->exec();
             }
         }},
        {Command::AnalysedPeriod, [this] { showModal<TfmPeriod_Analiz1>(); }},
        {Command::ControlledPeriod, [this] { showModal<TfmPeriod_Control1>(); }},
        {Command::Help, [this] { help_->showContents(); }},
        {Command::About, [this] { showModal<TfmAbout>(); }},
    };
}

void TfmForm1::run(Command command) {
    if (auto it = handlers_.find(command); it != handlers_.end()) it->second();
}

void TfmForm1::fillMenu(QMenu* menu, const std::vector<MenuItem>& items, bool withShortcuts) {
    for (const MenuItem& entry : items) {
        if (entry.isSeparator()) {
            menu->addSeparator()->setObjectName(entry.name);
        } else if (entry.isSubmenu()) {
            QMenu* sub = menu->addMenu(tr(entry.caption, entry.name));
            sub->setObjectName(entry.name);
            fillMenu(sub, entry.children, withShortcuts);
        } else {
            QAction* action = menu->addAction(tr(entry.caption, entry.name));
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

void TfmForm1::buildMainMenu() {
    menuBar_ = new QMenuBar;
    menuBar_->setObjectName("MainMenu1");
    menuBar_->setNativeMenuBar(false);
    for (const MenuItem& top : mainMenu()) {
        QMenu* menu = menuBar_->addMenu(tr(top.caption, top.name));
        menu->setObjectName(top.name);
        fillMenu(menu, top.children, true);
    }
    menuDock_ = makeDock(tr("Menu Bar"), "MenuBarDock", menuBar_);
    addDockWidget(Qt::TopDockWidgetArea, menuDock_);
}

// A bar that can be dragged to any edge of the main window or floated, and shows its caption
// when floating (a QToolBar would not). Its title bar stands on its left as the drag grip, so
// that the docked bar takes no extra row.
QDockWidget* TfmForm1::makeDock(const QString& caption, const QString& name, QWidget* bar) {
    auto* dock = new QDockWidget(caption, this);
    dock->setObjectName(name);
    dock->setWidget(bar);
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                      QDockWidget::DockWidgetVerticalTitleBar);
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    dock->toggleViewAction()->setVisible(false);  // neither bar can be closed
    return dock;
}

void TfmForm1::buildToolBar() {
    toolBar_ = new QToolBar(tr("Orvan-6.3"));
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setMovable(false);  // its dock moves it
    for (const ToolButton& button : toolButtons()) {
        const QString hint = tr(button.hint, button.name);
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
    toolDock_ = makeDock(tr("Orvan-6.3"), "ToolBarDock", toolBar_);
    addDockWidget(Qt::TopDockWidgetArea, toolDock_);
    splitDockWidget(menuDock_, toolDock_, Qt::Vertical);
    // Qt's dock toggles also come from the main window's own context menu; ours replaces it.
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

QMenu* TfmForm1::buildContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("PopupMenu1");
    fillMenu(menu, contextMenu(), false);
    return menu;
}

void TfmForm1::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = buildContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool TfmForm1::eventFilter(QObject* watched, QEvent* event) {
    // The status bar shows the long hint of the control under the mouse and is cleared over
    // a control without one (Qt shows status tips itself, but never clears them).
    if (event->type() == QEvent::Enter) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            QString tip = widget->statusTip();
            if (auto* button = qobject_cast<QToolButton*>(widget); button && button->defaultAction())
                tip = button->defaultAction()->statusTip();
            if (tip.isEmpty()) statusBar()->clearMessage();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
