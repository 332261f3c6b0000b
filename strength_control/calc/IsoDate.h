#pragma once
// Calendar dates written YYYY-MM-DD, as the journal keeps them, for counting days between two
// results (proleptic Gregorian calendar).
#include <optional>
#include <string>

#include "common/CoreGuard.h"

namespace orvan::control {

// Days since 1970-01-01; empty for a text that is not a valid YYYY-MM-DD date.
std::optional<long> isoDayNumber(const std::string& date);
// The date `days` days after `date` (before, when negative); "" when `date` is not valid.
std::string isoDateAfter(const std::string& date, int days);

}  // namespace orvan::control
