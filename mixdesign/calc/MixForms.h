#pragma once
// The six dialogs of the proportioning job as plain data: their component names, captions,
// default texts, entry formats and radio-group items. The dialogs build themselves from these
// tables and the command-line tool lists and fills the same fields, so a caption or a default
// is written down once.
//
// Texts are UTF-8. The caption "Сompressive strength of cement, MPa" starts with the Cyrillic
// capital Es (U+0421), as the program has always shown it.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/FieldSpec.h"
#include "common/HelpTopic.h"

namespace orvan::mix {

// The Cyrillic capital Es that begins "Сompressive" in the cement-strength caption and line.
inline constexpr const char* kCyrillicEs = "\xD0\xA1";

// What a text field accepts while it is typed (nothing else is checked before a run reads it).
enum class EntryFormat {
    Free,           // any text
    TwoDigits,      // exactly two digits, e.g. "50"        (Qt input mask "99")
    DigitDotDigit,  // one digit, a point, one digit, "2.0" (Qt input mask "9.9")
    FourDigits,     // exactly four digits, e.g. "1400"    (Qt input mask "9999")
};

// The Qt-style input mask of a format ("" for Free), so the dialogs need no table of their own.
std::string inputMask(EntryFormat format);

// Whether a text holds the whole pattern of its format (a Free text always does).
bool holdsEntryFormat(EntryFormat format, const std::string& text);
// What a field of that format needs: "enter four digits"; "" for Free.
std::string entryFormatHint(EntryFormat format);

// One field of a dialog: a text field, or a radio group when `items` is not empty.
struct MixField {
    std::string name;                       // component name = objectName
    std::vector<std::string> captionLines;  // the label, line by line (most have one line)
    std::string defaultText;                // a text field's start text; a radio group's index
    EntryFormat format = EntryFormat::Free;
    std::vector<std::string> items;  // radio-group items in index order; empty for a text field

    bool isRadioGroup() const { return !items.empty(); }
    std::string caption() const;  // the caption lines joined by one blank
};

// One page of a dialog (a single-page dialog has one page with an empty name).
struct MixPage {
    std::string name;     // the page's component name ("F", "W", "marka_cem", ...), or ""
    std::string caption;  // the page's caption, or "" for a single-page dialog
    std::vector<MixField> fields;
    std::string actionName;  // the OK button's component name
    std::string closeName;   // the "&Close" button's component name
};

struct MixDialog {
    std::string formName;   // "fmBNS": the dialog's objectName and the command-line form name
    std::string className;  // "TfmBNS"
    std::string caption;    // the window title
    int helpContext = kHelpProportioning;
    std::vector<MixPage> pages;
    std::string pageControlName;  // "FW" or "page" for the paged dialogs, "" otherwise

    const MixPage* page(const std::string& name) const;    // nullptr when absent
    const MixField* field(const std::string& name) const;  // searched over every page
    // Every field of every page, caption lines joined by blanks; a radio group's caption
    // lists its items by index ("...: 0 Yes | 1 No").
    FormSpec form() const;
};

// The first field of `page`, in table order, whose text does not hold its whole pattern, with
// the message that names its caption and the pattern it needs; nothing when all do.
struct EntryProblem {
    std::string field;  // component name
    std::string message;
};
std::optional<EntryProblem> firstEntryProblem(const MixPage& page, const FieldTexts& texts);

// MixInputDialog, "Data for proportioning concrete mixture": the mix-design inputs.
// Fields: rgYdoboykl (0 "Slump, sm", 1 "Vebe, sec"), edYdoboykl, edMkr_P, edNPl_P, edPr_P,
// edMarkCem, edNGCT, edNKr_Sc, edNPl_Sc, edPr_Sc, edClassBet. Buttons BitBtn1 "OK",
// BitBtn2 "&Close".
const MixDialog& bnsDialog();

// ProportioningOptionsDialog, "Options for proportioning concrete mixture" (help 21): rgWaterproof,
// rgFrost, rgArmatyra, rgProparka, rgEconomy ("Yes" 0, "No" 1, default 1), rgZapolnitel ("Crushed
// stones" 0, "Gravels" 1, default 0), edPlotnostC "3.15", edPlotnostP "2.65",
// edPlotnostSC "2.68", edTemperatyr "20". Buttons BitBtn1 "OK", BitBtn2 "&Close" and
// BitBtn3 "Save current options" (see kSaveOptionsButton).
const MixDialog& optionsDialog();
inline constexpr const char* kSaveOptionsButton = "BitBtn3";
inline constexpr const char* kSaveOptionsCaption = "Save current options";

// DurabilityDialog, "Properties of concrete", page control "FW": page "F" (edMarka_F "100", buttons
// BitBtn1/BitBtn2) and page "W" (edW "400", buttons BitBtn3/BitBtn4).
const MixDialog& propertiesDialog();

// SteamCuringDialog, "Initial data for steam curing": edT_prop "10", edT_vuderz "4", rgYskoriteli
// (4 items, default 0), rgVid_Cem (2 items, default 0). Buttons BitBtn1, BitBtn2.
const MixDialog& steamCuringDialog();

// CementSavingChoiceDialog (form "economy"), "Technological decisions for decreasing of cement
// content": rgEconomy "The offered technological decisions", five items, default 0. BitBtn1,
// BitBtn2.
const MixDialog& economyDialog();

// CementSavingTechniqueDialog (form "Vubor_Econ"), same caption, page control "page" with the pages
// "marka_cem" (edMarka_C, start text copied from edMarkCem, so its default here is ""),
// "ash" (edAsh "150"), "superplast" (edSuperplast "The average data"), "plast" (edPlast "10"),
// in that order: page index = technique index - 1.
const MixDialog& techniqueDialog();

// All six, in the order the command-line tool lists them.
std::vector<const MixDialog*> allMixDialogs();

// The exact text of edSuperplast that asks for the averaged water factor instead of an effect.
inline constexpr const char* kAverageDataText = "The average data";

}  // namespace orvan::mix
