#pragma once
// The six dialogs of the proportioning job as plain data: their component names, captions,
// default texts, entry formats and radio-group items. The dialogs build themselves from these
// tables and the command-line tool lists and fills the same fields, so a caption or a default
// is written down once (the options' defaults too: ProportioningOptions reads them here).
//
// Texts are UTF-8. The caption "Сompressive strength of cement, MPa" starts with the Cyrillic
// capital Es (U+0421), as the program has always shown it.
#include <vector>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "common/HelpTopic.h"

namespace orvan::mix {

// The Cyrillic capital Es that begins "Сompressive" in the cement-strength caption and line.
inline constexpr const char* kCyrillicEs = "\xD0\xA1";

// MixInputDialog, "Data for proportioning concrete mixture": the mix-design inputs.
// Fields: rgYdoboykl (0 "Slump, sm", 1 "Vebe, sec"), edYdoboykl, edMkr_P, edNPl_P, edPr_P,
// edMarkCem, edNGCT, edNKr_Sc, edNPl_Sc, edPr_Sc, edClassBet. Buttons BitBtn1 "OK",
// BitBtn2 "&Close".
const Form& mixInputForm();

// ProportioningOptionsDialog, "Options for proportioning concrete mixture" (help 21): rgWaterproof,
// rgFrost, rgArmatyra, rgProparka, rgEconomy ("Yes" 0, "No" 1), rgZapolnitel ("Crushed stones" 0,
// "Gravels" 1), edPlotnostC, edPlotnostP, edPlotnostSC, edTemperatyr. Their defaults are the
// table's, and the only place they are written: ProportioningOptions and the options file's
// default record start from them. Buttons BitBtn1 "OK", BitBtn2 "&Close" and BitBtn3 "Save
// current options" (see kSaveOptionsButton).
const Form& optionsDialog();
inline constexpr const char* kSaveOptionsButton = "BitBtn3";
inline constexpr const char* kSaveOptionsCaption = "Save current options";

// DurabilityDialog, "Properties of concrete", page control "FW": page "F" (edMarka_F "100", buttons
// BitBtn1/BitBtn2) and page "W" (edW "400", buttons BitBtn3/BitBtn4).
const Form& propertiesDialog();

// SteamCuringDialog, "Initial data for steam curing": edT_prop "10", edT_vuderz "4", rgYskoriteli
// (4 items, default 0), rgVid_Cem (2 items, default 0). Buttons BitBtn1, BitBtn2.
const Form& steamCuringDialog();

// CementSavingChoiceDialog (form "economy"), "Technological decisions for decreasing of cement
// content": rgEconomy "The offered technological decisions", five items, default 0. BitBtn1,
// BitBtn2.
const Form& economyDialog();

// CementSavingTechniqueDialog (form "Vubor_Econ"), same caption, page control "page" with the pages
// "marka_cem" (edMarka_C, start text copied from edMarkCem, so its default here is ""),
// "ash" (edAsh "150"), "superplast" (edSuperplast "The average data"), "plast" (edPlast "10"),
// in that order: page index = technique index - 1.
const Form& techniqueDialog();

// All six, in the order the command-line tool lists them.
std::vector<const Form*> allMixDialogs();

// The exact text of edSuperplast that asks for the averaged water factor instead of an effect.
inline constexpr const char* kAverageDataText = "The average data";

}  // namespace orvan::mix
