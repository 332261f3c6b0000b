#pragma once
#include <stdexcept>
#include <string>

#include "common/CoreGuard.h"
#include "common/ReportLanguage.h"

namespace orvan {

// The runtime's messages that stop a calculation.
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

std::string invalidFloatMessage(
    const std::string& text);  // "'%s' is not a valid floating point value"
std::string invalidIntegerMessage(const std::string& text);  // "'%s' is not a valid integer value"

// A fault inside a calculation: a conversion error or a floating-point fault, carrying the
// message the program shows. Thrown inside the core only; every core entry point turns it
// into a returned value, so nothing ever throws into the ui.
class Fault : public std::runtime_error {
public:
    explicit Fault(const std::string& message) : std::runtime_error(reportText(message)) {}
};

// How a job of the core ended (the kind of its Outcome, common/Outcome.h).
enum class OutcomeKind { Done, Failed, Refused, Cancelled };

}  // namespace orvan
