#pragma once
// The language the reports speak: every report line, report window title and core message
// is written in English and passes through reportText, which gives it back unchanged under
// English and gives its Russian text under Russian. Set once at start, before any report is
// made: by the desktop program from the interface language, by orvan-cli from --lang.
//
// Texts with numbers are translated in fragments: the fixed text around a number is looked
// up, the number is joined to it ("Water-cement ratio: " + "0.50").
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/CoreGuard.h"
#include "common/InterfaceLanguage.h"

namespace orvan {

void setReportLanguage(InterfaceLanguage language);
InterfaceLanguage reportLanguage();

// `english` in the report language; an English text the Russian table lacks stays English.
std::string reportText(std::string_view english);
// A text with values where the word order differs between the languages: "%1", "%2" ... in
// `english` (and in its Russian text) stand for `values` in order.
std::string reportText(std::string_view english, std::initializer_list<std::string> values);

// One English text and its Russian one.
struct RussianText {
    std::string_view english;
    std::string_view russian;
};
// The Russian texts of the core (common/RussianReportTexts.cpp).
const RussianText* russianReportTexts(std::size_t& count);

}  // namespace orvan
