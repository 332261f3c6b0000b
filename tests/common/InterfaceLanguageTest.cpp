// Which language the interface speaks, from the command line, the stored choice and the locale.
#include <gtest/gtest.h>

#include "common/InterfaceLanguage.h"

using namespace orvan;

namespace {

struct LanguageRow {
    const char* name;
    LanguageSources sources;
    InterfaceLanguage expected;
};

constexpr auto En = InterfaceLanguage::English;
constexpr auto Ru = InterfaceLanguage::Russian;

const LanguageRow kRows[] = {
    {"nothing_set", {}, En},
    {"english_locale", {{}, "", "", "", "en_US.UTF-8"}, En},
    {"c_locale", {{}, "", "", "", "C.UTF-8"}, En},
    {"lang_russian", {{}, "", "", "", "ru_RU.UTF-8"}, Ru},
    {"lc_messages_russian", {{}, "", "", "ru_RU.UTF-8", "en_US.UTF-8"}, Ru},
    {"lc_messages_over_lang", {{}, "", "", "C", "ru_RU.UTF-8"}, En},
    {"lc_all_over_lc_messages", {{}, "", "C.UTF-8", "ru_RU.UTF-8", "ru_RU"}, En},
    {"lc_all_russian", {{}, "", "ru_UA.UTF-8", "", ""}, Ru},
    {"stored_over_locale", {{}, "ru", "", "", "en_US.UTF-8"}, Ru},
    {"stored_english_over_russian_locale", {{}, "en", "", "", "ru_RU.UTF-8"}, En},
    {"unknown_stored_ignored", {{}, "de", "", "", "ru_RU.UTF-8"}, Ru},
    {"switch_over_stored", {{"orvan", "--lang=en"}, "ru", "", "", "ru_RU.UTF-8"}, En},
    {"switch_russian", {{"orvan", "-ns", "--lang=ru"}, "", "", "", "C"}, Ru},
    {"last_switch_wins", {{"orvan", "--lang=ru", "--lang=en"}, "", "", "", ""}, En},
    {"unknown_switch_ignored", {{"orvan", "--lang=fr"}, "ru", "", "", ""}, Ru},
    {"bare_switch_ignored", {{"orvan", "--lang"}, "", "", "", "ru_RU"}, Ru},
};

class InterfaceLanguageTest : public ::testing::TestWithParam<LanguageRow> {};

TEST_P(InterfaceLanguageTest, Chooses) {
    EXPECT_EQ(chooseInterfaceLanguage(GetParam().sources), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, InterfaceLanguageTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
