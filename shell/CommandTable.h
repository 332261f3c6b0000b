#pragma once
// The command table of the main window: every command, and where it stands in the main
// menu, the context menu and the toolbar. This is the one place that lists them; the main
// window builds its menus and buttons from it.
#include <QString>
#include <vector>

enum class Command {
    None,  // a separator
    OpenText,
    OpenGraphic,
    Save,
    Print,
    Close,
    Cascade,
    Tile,
    Next,
    Previous,
    NewMixture,
    Options,
    CorrectStrength,
    CorrectAggregates,
    AnalysedPeriod,
    ControlledPeriod,
    Journal,  // the strength journal window
    Help,
    About,
    ExportPdf,
    Cusum,
    Conformity,
    BatchWeights,
    EnglishInterface,  // the interface language of the next start
    RussianInterface,
};

struct MenuItem {
    Command command = Command::None;  // None with no children: a separator
    const char* name = "";            // component name
    const char* caption = "";
    const char* shortcut = "";       // main menu only
    std::vector<MenuItem> children;  // a submenu when not empty

    bool isSeparator() const { return command == Command::None && children.empty(); }
    bool isSubmenu() const { return !children.empty(); }
};

struct ToolButton {
    Command command;
    const char* name;
    const char* hint;  // "short|long"
    bool separatorAfter;
};

// The six menus of the main menu bar, in order.
const std::vector<MenuItem>& mainMenu();
// The context menu PopupMenu1, the same on the main window and on every text window.
const std::vector<MenuItem>& contextMenu();
// The toolbar "Orvan-6.3", left to right.
const std::vector<ToolButton>& toolButtons();

// A hint's short part (tool tip) and long part (status bar): split at the first "|"; without
// one, the whole hint is both.
QString shortHint(const QString& hint);
QString longHint(const QString& hint);
