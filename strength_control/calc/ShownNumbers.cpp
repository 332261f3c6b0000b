#include "strength_control/calc/ShownNumbers.h"

#include <algorithm>

namespace orvan::control {

namespace {

// formatFixed shows at most 6 significant digits: past that many decimals nothing changes.
constexpr int kMostDecimals = 6;

bool readsBack(const std::string& text, double value, NumberFormat format) {
    const auto read = tryTextToFloat(text, format);
    return read && *read == value;
}

}  // namespace

int decimalsTellingApart(const std::vector<std::pair<double, double>>& pairs, int decimals,
                         NumberFormat format) {
    for (int d = decimals; d <= std::max(decimals, kMostDecimals); ++d) {
        bool apart = true;
        for (const auto& [a, b] : pairs)
            if (a != b && formatFixed(a, d, format) == formatFixed(b, d, format)) apart = false;
        if (apart) return d;
    }
    return kGeneralDigits;
}

std::string shownNumber(double value, int decimals, NumberFormat format) {
    return decimals == kGeneralDigits ? formatGeneral15(value, format)
                                      : formatFixed(value, decimals, format);
}

std::string shownAsGiven(double value, int decimals, NumberFormat format) {
    for (int d = decimals; d <= std::max(decimals, kMostDecimals); ++d)
        if (const std::string text = formatFixed(value, d, format); readsBack(text, value, format))
            return text;
    return formatGeneral15(value, format);
}

}  // namespace orvan::control
