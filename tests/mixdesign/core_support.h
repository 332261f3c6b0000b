#pragma once
// Shared helpers of the proportioning core tests.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/NumberText.h"

namespace mixtest {

// The worked figures are printed rounded; a computed value matches when it lies within half a
// unit of the last printed digit of `printed` (plus a hair for the binary representation).
inline ::testing::AssertionResult matchesPrinted(double value, const std::string& printed) {
    auto point = printed.find('.');
    int decimals = point == std::string::npos ? 0 : int(printed.size() - point - 1);
    double expected = std::stod(printed);
    double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
    if (std::fabs(value - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << value << " is not " << printed << " to " << decimals << " decimals";
}

// The number formats the tests convert with: the point, and the comma of a comma locale.
inline constexpr orvan::NumberFormat kPoint{'.'};
inline constexpr orvan::NumberFormat kComma{','};

// The tests of a fixture read and write with the point as decimal separator.
class PointLocale : public ::testing::Test {};

}  // namespace mixtest
