#include "common/ReportLanguage.h"

#include <atomic>
#include <unordered_map>

namespace orvan {

namespace {
std::atomic<InterfaceLanguage> spoken{InterfaceLanguage::English};

const std::unordered_map<std::string_view, std::string_view>& russianTable() {
    static const auto table = [] {
        std::size_t count = 0;
        const RussianText* texts = russianReportTexts(count);
        std::unordered_map<std::string_view, std::string_view> map;
        map.reserve(count);
        for (std::size_t i = 0; i < count; ++i) map.emplace(texts[i].english, texts[i].russian);
        return map;
    }();
    return table;
}
}  // namespace

void setReportLanguage(InterfaceLanguage language) {
    spoken = language;
}

InterfaceLanguage reportLanguage() {
    return spoken;
}

std::string reportText(std::string_view english) {
    if (spoken == InterfaceLanguage::English) return std::string(english);
    const auto& table = russianTable();
    const auto found = table.find(english);
    return std::string(found == table.end() ? english : found->second);
}

std::string reportText(std::string_view english, std::initializer_list<std::string> values) {
    const std::string pattern = reportText(english);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        // One pass, so that a value holding "%2" stays as it is.
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace orvan
