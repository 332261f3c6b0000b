#pragma once
// A list of strengths as a user types or pastes it: numbers separated by blanks, tabs, line
// ends or semicolons, and by commas where the decimal separator is a point (with a decimal
// comma, "25,5" is one number).
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"

namespace orvan::control {

struct StrengthList {
    bool ok = false;
    std::string message;         // the conversion message of the first text that is not a number
    std::vector<double> values;  // MPa, in order
};

StrengthList parseStrengthList(const std::string& text, NumberFormat format);

// The values of a list as report text: each fixed with `decimals`, joined by "; ".
std::string joinStrengths(const std::vector<double>& values, int decimals, NumberFormat format);

}  // namespace orvan::control
