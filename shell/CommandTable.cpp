#include "shell/CommandTable.h"

namespace {
MenuItem item(Command command, const char* name, const char* caption, const char* shortcut = "") {
    return {command, name, caption, shortcut, {}};
}
MenuItem separator(const char* name) {
    return {Command::None, name, "-", "", {}};
}
MenuItem submenu(const char* name, const char* caption, std::vector<MenuItem> children) {
    return {Command::None, name, caption, "", std::move(children)};
}
}  // namespace

const std::vector<MenuItem>& mainMenu() {
    // The first caption is the Russian source text; the interface-language table turns it
    // into "File".
    static const std::vector<MenuItem> menu = {
        submenu("N1", "  Файл",
                {item(Command::OpenText, "N2", "Open text...", "Ctrl+N"),
                 item(Command::OpenGraphic, "N3", "Open graphic...", "Ctrl+G"),
                 item(Command::Save, "N4", "Save...", "Ctrl+S"),
                 item(Command::Print, "N5", "Print...", "Ctrl+P"),
                 item(Command::ExportPdf, "ExportPdf", "Export PDF..."), separator("N6"),
                 item(Command::Close, "N7", "Close")}),
        submenu("N19", "Window",
                {item(Command::Cascade, "N20", "Cascade"), item(Command::Tile, "N21", "Tile"),
                 separator("N22"), item(Command::Next, "N23", "Next", "Ctrl+F1"),
                 item(Command::Previous, "N8", "Previous", "Ctrl+F2")}),
        submenu("N9", "Proportioning concrete mixture",
                {item(Command::NewMixture, "N10", "New mixture...", "Ctrl+Alt+A"), separator("N11"),
                 item(Command::Options, "N12", "Options for proportioning...")}),
        submenu("N13", "Correction concrete mixture",
                {item(Command::CorrectStrength, "correct_Rb",
                      "in depending on concrete strength...", "Ctrl+Alt+B"),
                 item(Command::CorrectAggregates, "correct_W_Zap",
                      "in depending on aggregates grading and humidity...", "Ctrl+Alt+C"),
                 item(Command::BatchWeights, "BatchWeights", "Batch weights...")}),
        submenu("N16", "Statistical control",
                {item(Command::AnalysedPeriod, "N17", "Analyzed period...", "Ctrl+Alt+D"),
                 item(Command::ControlledPeriod, "Period_Control", "Controllable period...",
                      "Ctrl+Alt+E"),
                 item(Command::Cusum, "StatCusum", "CUSUM..."),
                 item(Command::Conformity, "StatConformity", "Conformity..."),
                 item(Command::Journal, "Journal", "Journal", "Ctrl+Alt+J")}),
        submenu("N40", "   Help",
                {item(Command::Help, "N41", "Orvan Help", "F1"), separator("N42"),
                 item(Command::About, "N43", "About program..."), separator("LanguageSep"),
                 submenu("LanguageMenu", "Interface language",
                         {item(Command::EnglishInterface, "LanguageEnglish", "English"),
                          item(Command::RussianInterface, "LanguageRussian", "Русский")})}),
    };
    return menu;
}

const std::vector<MenuItem>& contextMenu() {
    static const std::vector<MenuItem> menu = {
        item(Command::OpenText, "N24", "Open text..."),
        item(Command::OpenGraphic, "N25", "Open graphic..."),
        separator("N26"),
        submenu("N27", "Proportioning concrete mixture",
                {item(Command::NewMixture, "N28", "New mixture..."),
                 item(Command::Options, "N29", "Options for proportioning...")}),
        separator("N30"),
        submenu("N31", "Correction concrete mixture",
                {item(Command::CorrectStrength, "N32", "in depending on concrete strength..."),
                 item(Command::CorrectAggregates, "N33", "in depending on aggregates grading..."),
                 item(Command::BatchWeights, "PopupBatchWeights", "Batch weights...")}),
        separator("N34"),
        submenu("N35", "Statistical control",
                {item(Command::AnalysedPeriod, "N36", "Analyzed period..."),
                 item(Command::ControlledPeriod, "N37", "Controllable period..."),
                 item(Command::Cusum, "PopupCusum", "CUSUM..."),
                 item(Command::Conformity, "PopupConformity", "Conformity...")}),
    };
    return menu;
}

const std::vector<ToolButton>& toolButtons() {
    static const std::vector<ToolButton> buttons = {
        {Command::OpenText, "ToolButton1", "Open text|Open text file (*.txt)", false},
        {Command::OpenGraphic, "ToolButton2", "Open graphic| Open graphic file", true},
        {Command::Save, "ToolButton3", "Save|Save file", true},
        {Command::NewMixture, "ToolButton4",
         "Proportioning concrete mixture|Proportioning concrete mixture", true},
        {Command::CorrectStrength, "ToolButton5",
         "Correction concrete mixture in depending on concrete strength|Correction concrete "
         "mixture in depending on strength of concrete and cement-water ratio",
         false},
        {Command::CorrectAggregates, "ToolButton6",
         "Correction concrete mixture in depending on aggregates grading and "
         "humidity|Correction concrete mixture in depending on grading of aggregates and humidity",
         true},
        {Command::AnalysedPeriod, "ToolButton7",
         "Statistical control. Analyzed period|Statistical control of concrete strength. "
         "Analyzed (initial) period",
         true},
        {Command::ControlledPeriod, "ToolButton8",
         "Statistical control. Controllable period|Statistical control of concrete strength. "
         "Conrollable period",  // misspelt on purpose: the hint as the users know it
         false},
        {Command::Journal, "ToolButtonJournal",
         "Journal|Strength journal: mixes, parties and test results", false},
    };
    return buttons;
}

QString shortHint(const QString& hint) {
    const auto bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint) {
    const auto bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}
