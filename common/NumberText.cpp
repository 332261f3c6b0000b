#include "common/NumberText.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/Fault.h"
#include "common/ReportLanguage.h"

namespace orvan {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(const std::string& s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// Whether strtod in the "C" locale (whatever the process locale is) overflows on the text.
bool overflowsInCLocale(const std::string& normalized) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    errno = 0;
    const double value = strtod_l(normalized.c_str(), nullptr, cLocale);
    return errno == ERANGE && std::isinf(value);
}

// The 18 significant digits of |value| (what "%.17e" gives) and the power of ten of the first.
struct Expansion {
    char digits[18];
    int exponent;
};

Expansion expand(double magnitude) {
    char buf[64];
    auto result =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
    Expansion e{};
    int n = 0;
    const char* p = buf;
    for (; p < result.ptr && *p != 'e'; ++p)
        if (isDigit(*p)) e.digits[n++] = *p;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, e.exponent);
    return e;
}

// The significant digits of `e` rounded half away from zero to `keep` digits, and the power of
// ten of the first digit, corrected for a carry. Empty digits mean the value rounded to zero.
struct Rounded {
    std::string digits;
    int exponent = 0;
};

Rounded roundedDigits(const Expansion& e, int keep) {
    Rounded out{{}, e.exponent};
    if (keep < 0) return out;
    std::string& digits = out.digits;
    digits.assign(e.digits, std::min(keep, 18));
    if (keep >= 18) return out;
    if (e.digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            // All nines carried over: a one followed by zeros, one power of ten up, with the
            // same count of significant digits (at least one).
            digits.assign(std::max<std::size_t>(digits.size(), 1), '0');
            digits[0] = '1';
            ++out.exponent;
        }
    }
    if (digits.find_first_not_of('0') == std::string::npos) digits.clear();
    return out;
}

std::string nonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// d.ddddE[-]x with trailing zeros dropped and the exponent padded to `expDigits` digits.
std::string scientific(bool negative, const std::string& digits, int exponent, int expDigits,
                       char separator) {
    std::string mantissa = digits;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    std::string out = negative ? "-" : "";
    out += mantissa[0];
    if (mantissa.size() > 1) {
        out += separator;
        out.append(mantissa, 1, std::string::npos);
    }
    out += 'E';
    if (exponent < 0) out += '-';
    std::string e = std::to_string(std::abs(exponent));
    if (static_cast<int>(e.size()) < expDigits) e.insert(0, expDigits - e.size(), '0');
    return out + e;
}

// Digits placed around the decimal point: `digits` start at 10^exponent. Written into a text
// of its final length: a report of a year of parties writes a few hundred thousand numbers.
std::string fixedLayout(bool negative, const std::string& digits, int exponent, int decimals,
                        char separator) {
    const int whole = exponent < 0 ? 1 : exponent + 1;
    const int places = std::max(decimals, 0);
    std::string out(static_cast<std::size_t>(negative + whole + (places > 0 ? 1 + places : 0)),
                    '0');
    const int count = static_cast<int>(digits.size());
    auto digitAt = [&](int power) -> char {
        const int index = exponent - power;
        return index >= 0 && index < count ? digits[static_cast<std::size_t>(index)] : '0';
    };
    char* at = out.data();
    if (negative) *at++ = '-';
    if (exponent < 0) {
        ++at;  // the "0" before the point
    } else {
        for (int power = exponent; power >= 0; --power) *at++ = digitAt(power);
    }
    if (places > 0) {
        *at++ = separator;
        for (int power = -1; power >= -places; --power) *at++ = digitAt(power);
    }
    return out;
}

}  // namespace

std::string invalidFloatMessage(const std::string& text) {
    return reportText("'%1' is not a valid floating point value", {text});
}
std::string invalidIntegerMessage(const std::string& text) {
    return reportText("'%1' is not a valid integer value", {text});
}

std::optional<double> tryTextToFloat(const std::string& text, NumberFormat format) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t intStart = i;
    i = skipDigits(text, i);
    const std::size_t intEnd = i;
    std::size_t fracStart = i, fracEnd = i;
    bool sawSeparator = false;
    if (i < n && (text[i] == format.decimal || text[i] == '.')) {
        sawSeparator = true;
        fracStart = ++i;
        fracEnd = i = skipDigits(text, i);
    }
    if (intEnd == intStart && fracEnd == fracStart && !sawSeparator) return std::nullopt;
    std::size_t expStart = 0, expEnd = 0;  // the exponent with its sign
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        const std::size_t at = ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t digits = i;
        i = skipDigits(text, i);
        if (i > digits) expStart = at, expEnd = i;  // "1e" and "1e+" read as 1
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;

    // digits "." digits "e" exponent, in the form from_chars reads.
    std::string normalized;
    normalized.reserve(n + 4);
    normalized.append(text, intStart, intEnd - intStart);
    if (intEnd == intStart) normalized += '0';
    normalized += '.';
    normalized.append(text, fracStart, fracEnd - fracStart);
    if (fracEnd == fracStart) normalized += '0';
    if (expEnd > expStart) {
        normalized += 'e';
        const char sign = text[expStart];
        normalized.append(text, expStart + (sign == '+' ? 1 : 0),
                          expEnd - expStart - (sign == '+' ? 1 : 0));
    }
    double value = 0;
    const char* first = normalized.data();
    const char* last = first + normalized.size();
    auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: an overflow fails, an underflow gives 0.
        if (overflowsInCLocale(normalized)) return std::nullopt;
        value = 0;
    } else if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double textToFloat(const std::string& text, NumberFormat format) {
    if (auto value = tryTextToFloat(text, format)) return *value;
    throw Fault(invalidFloatMessage(text));
}

std::optional<std::int32_t> tryTextToInt(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16, ++i;
    } else if (i < n && (text[i] == 'x' || text[i] == 'X')) {
        base = 16, ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16, i += 2;
    }
    const std::size_t start = i;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        int digit;
        char c = text[i];
        if (isDigit(c)) {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            break;
        }
        value = value * base + digit;
        if (value > (std::int64_t{1} << 32)) return std::nullopt;  // far out of range
    }
    if (i == start || i != n) return std::nullopt;
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t textToInt(const std::string& text) {
    if (auto value = tryTextToInt(text)) return *value;
    throw Fault(invalidIntegerMessage(text));
}

namespace {

// The common case in integers, as fast as a report of a year of parties needs it (the
// expansion costs most of a number's writing): |value| < 10^(6 - decimals), so that no more
// than six significant digits are asked for, and value * 10^decimals not within a millionth of
// a half. The product is then within 1e-10 of the expansion's own (its rounding error below
// half a unit of 2^-33 at under 10^6, the expansion's below 10^-11 here), so that both round
// to the same integer; anything nearer a half, and a carry to seven integer digits, is left
// to the expansion.
std::optional<std::string> fixedByScaling(double value, int decimals, char separator) {
    static constexpr std::int64_t kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals < 0 || decimals > 6) return std::nullopt;
    const double scale = static_cast<double>(kScale[decimals]);
    const double scaled = std::fabs(value) * scale;
    if (!(scaled < 1e6)) return std::nullopt;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-6) return std::nullopt;
    const auto units = static_cast<std::int64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    if (units >= 1000000) return std::nullopt;
    std::string out;
    if (units != 0 && std::signbit(value)) out += '-';  // rounded to zero: no sign
    char digits[8];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, units / kScale[decimals]).ptr);
    if (decimals > 0) {
        out += separator;
        char* end = std::to_chars(digits, digits + sizeof digits, units % kScale[decimals]).ptr;
        out.append(static_cast<std::size_t>(decimals - (end - digits)), '0').append(digits, end);
    }
    return out;
}

}  // namespace

std::string formatFixed(double value, int decimals, NumberFormat format) {
    if (std::isfinite(value))
        if (auto text = fixedByScaling(value, decimals, format.decimal)) return std::move(*text);
    return formatFixedByExpansion(value, decimals, format);
}

std::string formatFixedByExpansion(double value, int decimals, NumberFormat format) {
    if (!std::isfinite(value)) return nonFinite(value);
    constexpr int kPrecision = 6;
    const double magnitude = std::fabs(value);
    int exponent = 0;
    std::string digits;
    if (magnitude != 0) {
        const Expansion e = expand(magnitude);
        Rounded rounded = roundedDigits(e, std::min(e.exponent + 1 + decimals, kPrecision));
        digits = std::move(rounded.digits);
        exponent = rounded.exponent;
    }
    if (digits.empty()) return fixedLayout(false, "0", 0, decimals, format.decimal);
    const bool negative = std::signbit(value);
    if (exponent + 1 > kPrecision)
        return scientific(negative, digits, exponent, decimals, format.decimal);
    return fixedLayout(negative, digits, exponent, decimals, format.decimal);
}

std::string formatGeneral15(double value, NumberFormat format) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (value == 0) return "0";
    auto [digits, exponent] = roundedDigits(expand(std::fabs(value)), 15);
    const bool negative = std::signbit(value);
    if (exponent + 1 > 15 || exponent + 1 < -3)
        return scientific(negative, digits, exponent, 0, format.decimal);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int decimals = std::max(0, static_cast<int>(digits.size()) - exponent - 1);
    return fixedLayout(negative, digits, exponent, decimals, format.decimal);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::string formatRoundTrip(double value) {
    if (!std::isfinite(value)) return "null";
    std::array<char, 64> buf{};
    auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), result.ptr);
}

}  // namespace orvan
