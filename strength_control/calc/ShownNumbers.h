#pragma once
// How many decimals a report needs so that numbers the verdict tells apart also look apart,
// and how to show a typed number without losing its decimals.
#include <string>
#include <utility>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"

namespace orvan::control {

// A count of decimals for formatFixed, or kGeneralDigits: the general form with up to 15
// significant digits, for numbers that differ beyond formatFixed's 6 significant digits.
inline constexpr int kGeneralDigits = -1;

// The least count of decimals from `decimals` on at which every pair of different numbers
// shows different texts; pairs of equal numbers need nothing.
int decimalsTellingApart(const std::vector<std::pair<double, double>>& pairs, int decimals,
                         NumberFormat format);

// `value` with `decimals` places, or in the general form for kGeneralDigits.
std::string shownNumber(double value, int decimals, NumberFormat format);

// `value` with at least `decimals` places and as many more as it holds (9.45 -> "9.45",
// 22 -> "22.0" with one place at least).
std::string shownAsGiven(double value, int decimals, NumberFormat format);

}  // namespace orvan::control
