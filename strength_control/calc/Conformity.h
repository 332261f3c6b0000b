#pragma once
// Conformity of compressive strength: a sequence of results checked against the rule a plant
// is audited by.
//   en206-initial     (EN 206:2013+A2:2021, 8.2.1.3, initial production): 3, 6, 9, ...
//                     results, assessed as groups of three in order: each group's mean >=
//                     fck + 4 and every result >= fck - 4 (MPa).
//   en206-continuous  (the same, continuous production): at least 15 results and the standard
//                     deviation s; mean >= fck + 1.48 * s and every result >= fck - 4. s comes
//                     from at least 35 consecutive results over more than three months, and
//                     holds while the latest 15 results' s15 lies within 0.63 s to 1.37 s.
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
// "EN 206, initial production (groups of 3 results)", ...: the dialog's list.
std::string ruleCaption(ConformityRule rule);
// "EN 206, initial production", "EN 206, continuous production", "ACI 318".
std::string ruleShortCaption(ConformityRule rule);
// "EN 206:2013+A2:2021, 8.2.1.3", "ACI 318-19, 26.12.3.1"
std::string ruleEdition(ConformityRule rule);
const std::vector<ConformityRule>& allRules();

// What the specified strength was measured on.
enum class Specimen { Cylinder, Cube };
// "cylinder", "cube"; empty for another name.
std::optional<Specimen> specimenFromName(const std::string& name);
std::string specimenName(Specimen specimen);

// How a refusal names the rule: by its orvan-cli word or by the dialog's caption.
enum class RuleNaming { Word, Caption };

struct ConformityInputs {
    ConformityRule rule = ConformityRule::En206Initial;
    double specified = 0;         // fck or f'c, MPa
    std::optional<double> sigma;  // s, MPa (en206-continuous)
    std::vector<double> results;  // MPa, in order
    Specimen specimen = Specimen::Cylinder;
    // Where s came from, for the report: the lines of its estimate; none when typed.
    std::vector<std::string> sigmaSource = {};
};

struct Criterion {
    std::string name;  // "mean", "lowest result", "lowest average of three consecutive"
    bool passed = false;
    double value = 0;  // what was checked, MPa
    double limit = 0;  // the least value that passes, MPa
};

// One group of three results of initial production.
struct ResultGroup {
    int first = 0;  // 1-based position of its first result
    bool conforms = false;
    std::vector<Criterion> criteria;  // its mean, its lowest result
};

// Continuous production: whether the latest 15 results still bear out s.
struct SigmaCheck {
    double s15 = 0;            // sample standard deviation of the latest 15 results, MPa
    double low = 0, high = 0;  // 0.63 s and 1.37 s, MPa
    bool valid = false;        // low <= s15 <= high
};

struct ConformityResult {
    bool conforms = false;  // every criterion passes
    std::vector<Criterion> criteria;
    std::vector<int> failingResults;       // 1-based positions below the single-result limit
    std::vector<ResultGroup> groups;       // initial production with 6 results or more
    std::optional<SigmaCheck> sigmaCheck;  // continuous production
    // ACI 318: 1-based first positions of the averages of three below f'c; with fewer than
    // three results the averages are not yet assessable.
    std::vector<int> failingAverages;
    bool averagesAssessable = true;
};

// Refused: the rule does not apply, or a strength that cannot be one; `message` says why, in
// a plain message box.
using ConformityOutcome = Outcome<ConformityResult>;

ConformityOutcome checkConformity(const ConformityInputs& inputs, NumberFormat format,
                                  RuleNaming naming = RuleNaming::Word);

// "Statistical control. Conformity. Window №" n
std::string conformityReportTitle(int windowNumber);

// --- The standard deviation of continuous production (ConformitySigma.cpp) ---------------

struct DatedResult {
    std::string date;     // ISO "YYYY-MM-DD"
    double strength = 0;  // MPa
};

struct SigmaEstimate {
    double sigma = 0;                 // sample standard deviation, MPa
    int count = 0;                    // results used: the latest ones
    std::string firstDate, lastDate;  // the span they cover
};

// What the journal hands the conformity check: the results to assess (one a line, as typed)
// and the mix's dated results up to the last of them, from which a blank s is estimated.
struct JournalConformity {
    std::string resultsText;
    std::vector<DatedResult> history;
};

// s from a mix's dated results (any order): the latest 35, and older ones until they span
// more than three months. Refused, saying why, with fewer than 35 results, with every
// result within three months, or with a date that is not an ISO date.
Outcome<SigmaEstimate> estimateSigma(const std::vector<DatedResult>& results, NumberFormat format);

}  // namespace orvan::control
