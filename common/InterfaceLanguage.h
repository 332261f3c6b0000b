#pragma once
// Which language the interface speaks: English unless something asks for Russian.
#include <optional>
#include <string>
#include <vector>

namespace orvan {

enum class InterfaceLanguage { English, Russian };

// Where the choice can come from, strongest first: the command line ("--lang=en",
// "--lang=ru"), the choice stored from the Help menu ("en", "ru" or empty), then the
// locale's message language (LC_ALL, else LC_MESSAGES, else LANG: the first one set decides,
// and it is Russian when it starts with "ru").
struct LanguageSources {
    std::vector<std::string> arguments;
    std::string stored;
    std::string lcAll;
    std::string lcMessages;
    std::string lang;
};

InterfaceLanguage chooseInterfaceLanguage(const LanguageSources& sources);

// "en" / "ru"; and back (anything else: none).
const char* languageCode(InterfaceLanguage language);
std::optional<InterfaceLanguage> languageFromCode(const std::string& code);

}  // namespace orvan
