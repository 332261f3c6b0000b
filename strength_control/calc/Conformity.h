#pragma once
// Conformity of compressive strength: a sequence of results checked against the rule a plant
// is audited by.
//   en206-initial     (EN 206:2013+A2:2021, 8.2.1.3, initial production): exactly 3 results;
//                     mean >= fck + 4 and every result >= fck - 4 (MPa).
//   en206-continuous  (the same, continuous production): at least 15 results and the standard
//                     deviation s; mean >= fck + 1.48 * s and every result >= fck - 4.
//   aci318            (ACI 318-19, 26.12.3.1): every average of three consecutive results
//                     >= f'c, and every result >= f'c - 3.5 MPa when f'c <= 35 MPa, else
//                     >= 0.90 * f'c.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::control {

enum class ConformityRule { En206Initial, En206Continuous, Aci318 };

// "en206-initial", "en206-continuous", "aci318"; empty for another name.
std::optional<ConformityRule> ruleFromName(const std::string& name);
std::string ruleName(ConformityRule rule);
// "EN 206, initial production", ...
std::string ruleCaption(ConformityRule rule);
const std::vector<ConformityRule>& allRules();

struct ConformityInputs {
    ConformityRule rule = ConformityRule::En206Initial;
    double specified = 0;         // fck or f'c, MPa
    std::optional<double> sigma;  // s, MPa (en206-continuous)
    std::vector<double> results;  // MPa, in order
};

struct Criterion {
    std::string name;  // "mean", "lowest result", "lowest average of three consecutive"
    bool passed = false;
    double value = 0;  // what was checked, MPa
    double limit = 0;  // the least value that passes, MPa
};

struct ConformityResult {
    bool conforms = false;  // every criterion passes
    std::vector<Criterion> criteria;
    std::vector<int> failingResults;  // 1-based positions below the single-result limit
};

// Refused: the rule does not apply; `message` says why, in a plain message box.
using ConformityOutcome = Outcome<ConformityResult>;

ConformityOutcome checkConformity(const ConformityInputs& inputs, NumberFormat format);

// "Statistical control. Conformity. Window №" n
std::string conformityReportTitle(int windowNumber);

}  // namespace orvan::control
