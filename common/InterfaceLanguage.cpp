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

std::optional<InterfaceLanguage> languageFromCode(const std::string& code) {
    if (code == "ru") return InterfaceLanguage::Russian;
    if (code == "en") return InterfaceLanguage::English;
    return std::nullopt;
}

InterfaceLanguage chooseInterfaceLanguage(const LanguageSources& sources) {
    // The last switch on the command line wins, as with most programs.
    for (auto it = sources.arguments.rbegin(); it != sources.arguments.rend(); ++it) {
        if (!startsWith(*it, kLangSwitch)) continue;
        if (const auto language = languageFromCode(it->substr(7))) return *language;
    }
    if (const auto stored = languageFromCode(sources.stored)) return *stored;
    for (const std::string* variable : {&sources.lcAll, &sources.lcMessages, &sources.lang}) {
        if (variable->empty()) continue;
        return startsWith(*variable, "ru") ? InterfaceLanguage::Russian
                                           : InterfaceLanguage::English;
    }
    return InterfaceLanguage::English;
}

}  // namespace orvan
