// Verdicts of a controlled period, the tabular CUSUM and the conformity rules, on rows
// computed by hand.
#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "strength_control/calc/Conformity.h"
#include "strength_control/calc/ControlVerdicts.h"
#include "strength_control/calc/Cusum.h"
#include "strength_control/calc/StrengthList.h"

using namespace orvan;
using namespace orvan::control;

namespace {

auto named = [](const auto& info) { return std::string(info.param.name); };

// The reports are read and written with the point; the list rows name their separator.
constexpr NumberFormat kPoint{'.'};

// Average 25, warning 27 and 23, correcting 30 and 20 (MPa).
const ControlLimits kLimits{25, 27, 23, 30, 20};

}  // namespace

struct VerdictRow {
    const char* name;
    double strength;
    Verdict verdict;
};
void PrintTo(const VerdictRow& row, std::ostream* os) {
    *os << row.name;
}

class Verdicts : public ::testing::TestWithParam<VerdictRow> {};

TEST_P(Verdicts, NameTheLimitBroken) {
    const VerdictRow& row = GetParam();
    EXPECT_EQ(judgePeriod(kLimits, {row.strength}).verdicts.at(0), row.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Verdicts,
    ::testing::Values(VerdictRow{"atAverage", 25, Verdict::Within},
                      VerdictRow{"onTopWarningIsWithin", 27, Verdict::Within},
                      VerdictRow{"onBottomWarningIsWithin", 23, Verdict::Within},
                      VerdictRow{"aboveTopWarning", 28, Verdict::AboveWarning},
                      VerdictRow{"onTopCorrectingIsWarning", 30, Verdict::AboveWarning},
                      VerdictRow{"belowBottomWarning", 22.9, Verdict::BelowWarning},
                      VerdictRow{"aboveTopCorrecting", 30.1, Verdict::AboveCorrecting},
                      VerdictRow{"belowBottomCorrecting", 19, Verdict::BelowCorrecting}),
    named);

TEST(VerdictReport, CountsEachLimitAndGivesThePeriodsStatistics) {
    // Mean 103 / 4 = 25.75; squares 0.5625 + 5.0625 + 27.5625 + 45.5625 = 78.75;
    // s = sqrt(78.75 / 3) = 5.1235; V = 5.1235 / 25.75 = 19.90 %.
    const PeriodVerdicts v = judgePeriod(kLimits, {25, 28, 31, 19});
    const std::vector<std::string> expected = {
        "",
        "VERDICTS OF THE CONTROLLABLE PERIOD",
        "",
        "Average level of strength, MPa: 25.0",
        "Top limit of warning, MPa: 27.0",
        "Bottom limit of warning, MPa: 23.0",
        "Top limit of correcting, MPa: 30.0",
        "Bottom limit of correcting, MPa: 20.0",
        "",
        "Party 1: 25.0 MPa - within the limits of warning",
        "Party 2: 28.0 MPa - beyond the top limit of warning",
        "Party 3: 31.0 MPa - beyond the top limit of correcting",
        "Party 4: 19.0 MPa - beyond the bottom limit of correcting",
        "",
        "Parties beyond the top limit of warning: 2",
        "Parties beyond the bottom limit of warning: 1",
        "Parties beyond the top limit of correcting: 1",
        "Parties beyond the bottom limit of correcting: 1",
        "",
        "Mean strength of the period, MPa: 25.8",
        "Standard deviation, MPa: 5.12",
        "Coefficient of variation, %: 19.90"};
    EXPECT_EQ(verdictReportLines(kLimits, v, kPoint), expected);
    EXPECT_EQ(judgePeriod(kLimits, {25}).deviation, std::nullopt);
}

struct CusumRow {
    const char* name;
    double target, sigma, k, h;
    std::vector<double> strengths;
    std::vector<double> upper, lower;
    std::vector<CusumSignal> signalList;
};
void PrintTo(const CusumRow& row, std::ostream* os) {
    *os << row.name;
}

class CusumSums : public ::testing::TestWithParam<CusumRow> {};

TEST_P(CusumSums, AccumulateAndSignalBeyondH) {
    const CusumRow& row = GetParam();
    const CusumOutcome out = runCusum({row.target, row.sigma, row.k, row.h, row.strengths}, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    EXPECT_EQ(out.values.upper, row.upper);
    EXPECT_EQ(out.values.lower, row.lower);
    EXPECT_EQ(out.values.signalList, row.signalList);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CusumSums,
    ::testing::ValuesIn(std::vector<CusumRow>{
        // K = 1, H = 8: x - T - K = 1, 2, 3, 2, 1; C+ reaches 8 (no signal: not beyond) then 9.
        CusumRow{"driftUpSignalsStrictlyBeyondH",
                 25,
                 2,
                 0.5,
                 4,
                 {27, 28, 29, 28, 27},
                 {1, 3, 6, 8, 9},
                 {0, 0, 0, 0, 0},
                 {{5, CusumSide::Up}}},
        // K = 1, H = 4: T - K - x = 2, 1, 0, -2, 4.
        CusumRow{"driftDown",
                 25,
                 2,
                 0.5,
                 2,
                 {22, 23, 24, 26, 20},
                 {0, 0, 0, 0, 0},
                 {2, 3, 3, 1, 5},
                 {{5, CusumSide::Down}}},
        // K = 0, H = 4: after 35 the upper sum is 10; 20 leaves 5 above and puts 5 below.
        CusumRow{"bothSidesUpFirst",
                 25,
                 1,
                 0,
                 4,
                 {35, 20},
                 {10, 5},
                 {0, 5},
                 {{1, CusumSide::Up}, {2, CusumSide::Up}, {2, CusumSide::Down}}}}),
    named);

struct CusumRefusalRow {
    const char* name;
    double sigma, k, h;
    std::vector<double> strengths;
    const char* message;
};
void PrintTo(const CusumRefusalRow& row, std::ostream* os) {
    *os << row.name;
}

class CusumRefusals : public ::testing::TestWithParam<CusumRefusalRow> {};

TEST_P(CusumRefusals, SayWhy) {
    const CusumRefusalRow& row = GetParam();
    const CusumOutcome out = runCusum({25, row.sigma, row.k, row.h, row.strengths}, kPoint);
    EXPECT_EQ(out.kind, OutcomeKind::Refused);
    EXPECT_EQ(out.style, MessageStyle::Message);
    EXPECT_EQ(out.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CusumRefusals,
    ::testing::ValuesIn(std::vector<CusumRefusalRow>{
        CusumRefusalRow{"noStrengths", 2, 0.5, 5, {}, "No strengths of parties were given."},
        CusumRefusalRow{
            "zeroSigma", 0, 0.5, 5, {25}, "The standard deviation s must be greater than zero."},
        CusumRefusalRow{"negativeK",
                        2,
                        -1,
                        5,
                        {25},
                        "The factor k of the reference value must not be negative."},
        CusumRefusalRow{"zeroH",
                        2,
                        0.5,
                        0,
                        {25},
                        "The factor h of the decision interval must be greater than zero."}}),
    named);

TEST(CusumReport, ListsTheSumsAndTheSignals) {
    const CusumOutcome out = runCusum({25, 2, 0.5, 2, {22, 20}}, kPoint);
    const std::vector<std::string> expected = {
        "",
        "CUSUM OF THE STRENGTHS OF THE PARTIES",
        "",
        "Target mean T, MPa: 25.0",
        "Standard deviation s, MPa: 2.00",
        "Reference value K = 0.5 * s, MPa: 1.00",
        "Decision interval H = 2 * s, MPa: 4.00",
        "",
        "Party: strength, upper sum C+, lower sum C-, MPa",
        "1: 22.0; 0.00; 2.00",
        "2: 20.0; 0.00; 6.00",
        "",
        "Signals: 1",
        "Party 2: the lower sum 6.00 exceeds H - the strength has drifted down"};
    EXPECT_EQ(out.lines, expected);
}

struct ConformityRow {
    const char* name;
    ConformityRule rule;
    double specified;
    std::optional<double> sigma;
    std::vector<double> results;
    bool conforms;
    std::vector<bool> passed;  // each criterion in order
    std::vector<double> limits;
    std::vector<int> failing;
};
void PrintTo(const ConformityRow& row, std::ostream* os) {
    *os << row.name;
}

class ConformityRules : public ::testing::TestWithParam<ConformityRow> {};

TEST_P(ConformityRules, PassOrFailEachCriterion) {
    const ConformityRow& row = GetParam();
    const ConformityOutcome out =
        checkConformity({row.rule, row.specified, row.sigma, row.results}, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    EXPECT_EQ(out.values.conforms, row.conforms);
    ASSERT_EQ(out.values.criteria.size(), row.passed.size());
    for (std::size_t i = 0; i < row.passed.size(); ++i) {
        EXPECT_EQ(out.values.criteria[i].passed, row.passed[i]) << out.values.criteria[i].name;
        EXPECT_NEAR(out.values.criteria[i].limit, row.limits[i], 1e-12);
    }
    EXPECT_EQ(out.values.failingResults, row.failing);
}

std::vector<double> fourteenAnd(double last) {
    std::vector<double> xs(14, 35.0);
    xs.push_back(last);
    return xs;
}

using R = ConformityRule;
INSTANTIATE_TEST_SUITE_P(
    Rows, ConformityRules,
    ::testing::ValuesIn(std::vector<ConformityRow>{
        // Mean 34 on its limit 30 + 4; lowest 33 against 26.
        ConformityRow{"initialOnTheLimit",
                      R::En206Initial,
                      30,
                      {},
                      {35, 33, 34},
                      true,
                      {true, true},
                      {34, 26},
                      {}},
        // Mean 33.33 < 34; 25 < 26.
        ConformityRow{"initialFailsBoth",
                      R::En206Initial,
                      30,
                      {},
                      {40, 35, 25},
                      false,
                      {false, false},
                      {34, 26},
                      {3}},
        // Mean 516.6 / 15 = 34.44 = 30 + 1.48 * 3 on paper.
        ConformityRow{"continuousOnTheLimit",
                      R::En206Continuous,
                      30,
                      3,
                      fourteenAnd(26.6),
                      true,
                      {true, true},
                      {34.44, 26},
                      {}},
        // Mean 515 / 15 = 34.33 < 34.44; 25 < 26.
        ConformityRow{"continuousFailsBoth",
                      R::En206Continuous,
                      30,
                      3,
                      fourteenAnd(25),
                      false,
                      {false, false},
                      {34.44, 26},
                      {15}},
        // Averages 30.33 and 30 against 30; lowest 29 against 30 - 3.5.
        ConformityRow{
            "aciPasses", R::Aci318, 30, {}, {32, 29, 30, 31}, true, {true, true}, {30, 26.5}, {}},
        // Average 27.67 < 30; 26 < 26.5.
        ConformityRow{"aciFailsBoth",
                      R::Aci318,
                      30,
                      {},
                      {28, 29, 26},
                      false,
                      {false, false},
                      {30, 26.5},
                      {3}},
        // Above 35 MPa the single limit is 0.90 * 40 = 36: 35.5 fails, averages 41.5 and 41.83
        // pass.
        ConformityRow{"aciHighStrengthShare",
                      R::Aci318,
                      40,
                      {},
                      {45, 44, 35.5, 46},
                      false,
                      {true, false},
                      {40, 36},
                      {3}}}),
    named);

struct ConformityRefusalRow {
    const char* name;
    ConformityRule rule;
    std::optional<double> sigma;
    std::vector<double> results;
    const char* message;
};
void PrintTo(const ConformityRefusalRow& row, std::ostream* os) {
    *os << row.name;
}

class ConformityRefusals : public ::testing::TestWithParam<ConformityRefusalRow> {};

TEST_P(ConformityRefusals, SayWhyTheRuleDoesNotApply) {
    const ConformityRefusalRow& row = GetParam();
    const ConformityOutcome out = checkConformity({row.rule, 30, row.sigma, row.results}, kPoint);
    EXPECT_EQ(out.kind, OutcomeKind::Refused);
    EXPECT_EQ(out.style, MessageStyle::Message);
    EXPECT_EQ(out.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConformityRefusals,
    ::testing::ValuesIn(std::vector<ConformityRefusalRow>{
        ConformityRefusalRow{"initialNeedsExactlyThree",
                             R::En206Initial,
                             {},
                             {35, 35, 35, 35},
                             "The rule en206-initial needs exactly 3 results; 4 were given."},
        ConformityRefusalRow{"continuousNeedsFifteen", R::En206Continuous, 3,
                             std::vector<double>(14, 35.0),
                             "The rule en206-continuous needs at least 15 results; 14 were given."},
        ConformityRefusalRow{"continuousNeedsSigma",
                             R::En206Continuous,
                             {},
                             fourteenAnd(35),
                             "The rule en206-continuous needs the standard deviation s."},
        ConformityRefusalRow{"aciNeedsThree",
                             R::Aci318,
                             {},
                             {35},
                             "The rule aci318 needs at least 3 results; 1 was given."}}),
    named);

TEST(ConformityReport, EndsInTheVerdict) {
    const ConformityOutcome out = checkConformity({R::En206Initial, 30, {}, {40, 35, 25}}, kPoint);
    ASSERT_GE(out.lines.size(), 4u);
    const std::vector<std::string> tail(out.lines.end() - 5, out.lines.end());
    const std::vector<std::string> expected = {
        "Mean, MPa: 33.33, required at least 34.00 - not passed",
        "Lowest result, MPa: 25.00, required at least 26.00 - not passed", "",
        "Positions of the results below the limit for single results: 3",
        "The results do not conform to the rule"};
    EXPECT_EQ(tail, expected);
}

struct ListRow {
    const char* name;
    char separator;
    const char* text;
    std::vector<double> values;
    const char* message;
};
void PrintTo(const ListRow& row, std::ostream* os) {
    *os << row.name;
}

class StrengthLists : public ::testing::TestWithParam<ListRow> {};

TEST_P(StrengthLists, SplitTypedOrPastedText) {
    const ListRow& row = GetParam();
    const StrengthList list = parseStrengthList(row.text, NumberFormat{row.separator});
    EXPECT_EQ(list.ok, *row.message == 0);
    EXPECT_EQ(list.values, row.values);
    EXPECT_EQ(list.message, row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StrengthLists,
    ::testing::Values(
        ListRow{"commasBlanksLines", '.', " 25,26.5;27\r\n\t28\n", {25, 26.5, 27, 28}, ""},
        ListRow{"decimalCommaKeepsNumbers", ',', "25,5;26 27.5", {25.5, 26, 27.5}, ""},
        ListRow{"empty", '.', "  \n", {}, ""},
        ListRow{"notANumber", '.', "25 x1", {}, "'x1' is not a valid floating point value"}),
    named);
