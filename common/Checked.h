#pragma once
// Checked floating-point arithmetic: each operation tests its operands or its result and
// throws Fault with the runtime's message, instead of relying on the floating-point
// environment (which the optimiser does not respect). Underflow and inexact results are not
// faults.
#include <cmath>

#include "common/Fault.h"

namespace orvan::checked {

// A result that left the range of a double, or became NaN, is a fault.
inline double result(double value) {
    if (std::isnan(value)) throw Fault(kInvalidOperation);
    if (std::isinf(value)) throw Fault(kOverflow);
    return value;
}

inline double add(double a, double b) { return result(a + b); }
inline double sub(double a, double b) { return result(a - b); }
inline double mul(double a, double b) { return result(a * b); }

// 0/0 is an invalid operation, x/0 a division by zero.
inline double div(double a, double b) {
    if (b == 0) throw Fault(a == 0 || std::isnan(a) ? kInvalidOperation : kDivisionByZero);
    return result(a / b);
}

// ln 0 is reported as a division by zero, ln of a negative number as an invalid operation.
inline double ln(double x) {
    if (x == 0) throw Fault(kDivisionByZero);
    if (x < 0 || std::isnan(x)) throw Fault(kInvalidOperation);
    return result(std::log(x));
}

inline double log10(double x) { return div(ln(x), std::log(10.0)); }

// exp above about 709.78 overflows.
inline double exp(double x) { return result(std::exp(x)); }

inline double sqrt(double x) {
    if (x < 0 || std::isnan(x)) throw Fault(kInvalidOperation);
    return std::sqrt(x);
}

inline double pow(double base, double exponent) {
    if (base == 0 && exponent < 0) throw Fault(kDivisionByZero);
    return result(std::pow(base, exponent));
}

}  // namespace orvan::checked
