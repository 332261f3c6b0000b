#include "strength_control/calc/ShownNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvan::control {

namespace {

// formatFixed shows at most 6 significant digits: past that many decimals nothing changes.
constexpr int kMostDecimals = 6;

bool readsBack(const std::string& text, double value, NumberFormat format) {
    const auto read = tryTextToFloat(text, format);
    return read && *read == value;
}

// The shortest fixed text that reads back as `value`, with a point (std::to_chars gives the
// fewest characters that do): no text with fewer decimals reads back, so that the search below
// may begin at its decimals, and a text of those decimals equal to it reads back unread.
struct Shortest {
    std::string text;  // "" for a value that is not finite
    int decimals = 0;
};

Shortest shortestFixed(double value) {
    if (!std::isfinite(value)) return {};
    char buf[400];  // the longest fixed double, with room to spare
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return {};
    const char* point = std::find(buf, result.ptr, '.');
    return {std::string(buf, result.ptr),
            point == result.ptr ? 0 : static_cast<int>(result.ptr - point - 1)};
}

bool sameText(const std::string& text, const std::string& shortest, NumberFormat format) {
    if (text.size() != shortest.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != shortest[i] && !(shortest[i] == '.' && text[i] == format.decimal))
            return false;
    return true;
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
    const Shortest shortest = shortestFixed(value);
    const int from = std::max(decimals, std::min(shortest.decimals, kMostDecimals));
    for (int d = from; d <= std::max(decimals, kMostDecimals); ++d) {
        std::string text = formatFixed(value, d, format);
        if ((d == shortest.decimals && sameText(text, shortest.text, format)) ||
            readsBack(text, value, format))
            return text;
    }
    return formatGeneral15(value, format);
}

}  // namespace orvan::control
