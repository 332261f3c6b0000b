#include "common/InterfaceLanguage.h"

namespace orvan {

namespace {
constexpr const char* kLangSwitch = "--lang=";

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

const char* languageCode(InterfaceLanguage language) {
    return language == InterfaceLanguage::Russian ? "ru" : "en";
}

InterfaceLanguage languageFromCode(const std::string& code, bool* known) {
    const bool russian = code == "ru", english = code == "en";
    if (known) *known = russian || english;
    return russian ? InterfaceLanguage::Russian : InterfaceLanguage::English;
}

InterfaceLanguage chooseInterfaceLanguage(const LanguageSources& sources) {
    // The last switch on the command line wins, as with most programs.
    for (auto it = sources.arguments.rbegin(); it != sources.arguments.rend(); ++it) {
        if (!startsWith(*it, kLangSwitch)) continue;
        bool known = false;
        const InterfaceLanguage language = languageFromCode(it->substr(7), &known);
        if (known) return language;
    }
    bool known = false;
    const InterfaceLanguage stored = languageFromCode(sources.stored, &known);
    if (known) return stored;
    for (const std::string* variable : {&sources.lcAll, &sources.lcMessages, &sources.lang}) {
        if (variable->empty()) continue;
        return startsWith(*variable, "ru") ? InterfaceLanguage::Russian
                                           : InterfaceLanguage::English;
    }
    return InterfaceLanguage::English;
}

}  // namespace orvan
