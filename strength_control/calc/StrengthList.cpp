#include "strength_control/calc/StrengthList.h"

#include "common/Fault.h"
#include "common/NumberText.h"

namespace orvan::control {

namespace {

bool isSeparator(char c, NumberFormat format) {
    if (c == ',') return format.decimal != ',';
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ';';
}

}  // namespace

StrengthList parseStrengthList(const std::string& text, NumberFormat format) {
    StrengthList list;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i], format)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isSeparator(text[end], format)) ++end;
        const std::string word = text.substr(i, end - i);
        const auto value = tryTextToFloat(word, format);
        if (!value) {
            list.message = invalidFloatMessage(word);
            list.values.clear();
            return list;
        }
        list.values.push_back(*value);
        i = end;
    }
    list.ok = true;
    return list;
}

std::string joinStrengths(const std::vector<double>& values, int decimals, NumberFormat format) {
    std::string out;
    for (double value : values)
        out += (out.empty() ? "" : "; ") + formatFixed(value, decimals, format);
    return out;
}

}  // namespace orvan::control
