#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "common/CoreGuard.h"

namespace orvan {

// How numbers are read and written: the decimal separator of the user's locale (the desktop
// program's locale, orvan-cli's --decimal-separator). A point is always accepted on input as
// well, since every default text is written with a point. Passed to every conversion rather
// than kept process-wide, so each caller says which it means.
struct NumberFormat {
    char decimal = '.';
};

// Text to double by the runtime's rule: blanks, sign, digits, separator, digits, exponent,
// blanks. Fails only where nothing was read after the sign; "1e" is 1, "." is 0.
std::optional<double> tryTextToFloat(const std::string& text, NumberFormat format);
// As tryTextToFloat, but throws Fault("'text' is not a valid floating point value").
double textToFloat(const std::string& text, NumberFormat format);

// Text to a signed 32-bit integer: leading blanks, one sign, decimal or hexadecimal after
// "$", "x" or "0x"; trailing blanks fail.
std::optional<std::int32_t> tryTextToInt(const std::string& text);
// Throws Fault("'text' is not a valid integer value").
std::int32_t textToInt(const std::string& text);

// Fixed notation with `decimals` places and at most 6 significant digits, halves away from
// zero on the 18-digit expansion; more than 6 integer digits fall back to the general form
// ("1.23457E06"). The format's separator, no thousands separator.
std::string formatFixed(double value, int decimals, NumberFormat format);
// The same from the expansion in every case; formatFixed takes a shorter way where it gives the
// same text.
std::string formatFixedByExpansion(double value, int decimals, NumberFormat format);

// The shortest general form with up to 15 significant digits ("3.15", "1E-5", "1.5E20").
std::string formatGeneral15(double value, NumberFormat format);

// Rounding to an integer for a table look-up: halves to even.
double roundHalfEven(double value);

// Shortest text that reads back to the same double (JSON output); "null" for NaN/inf.
std::string formatRoundTrip(double value);

}  // namespace orvan
