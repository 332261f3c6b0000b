// Verdicts of a controlled period, the tabular CUSUM and the conformity rules, on rows
// computed by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "strength_control/calc/Conformity.h"
#include "strength_control/calc/ControlVerdicts.h"
#include "strength_control/calc/Cusum.h"
#include "strength_control/calc/ShownNumbers.h"
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

TEST(VerdictReport, ShowsAPartyBeyondALimitApartFromIt) {
    // 30.01 is beyond the top correcting limit 30, 30.00 on it (a warning): one decimal would
    // show both as the limit's own 30.0.
    const PeriodVerdicts v = judgePeriod(kLimits, {30.01, 30});
    const std::vector<std::string> lines = verdictReportLines(kLimits, v, kPoint);
    EXPECT_EQ(lines.at(6), "Top limit of correcting, MPa: 30.00");
    EXPECT_EQ(lines.at(9), "Party 1: 30.01 MPa - beyond the top limit of correcting");
    EXPECT_EQ(lines.at(10), "Party 2: 30.00 MPa - beyond the top limit of warning");
}

TEST(VerdictReport, NamesTheJournalsPartiesAndMarksPredictedOnes) {
    const PeriodVerdicts v = judgePeriod(kLimits, {25, 19});
    const std::vector<PartyText> parties = {{"17", "2026-05-02", false},
                                            {"18", "2026-05-03", true}};
    const std::vector<std::string> lines = verdictReportLines(kLimits, v, kPoint, parties);
    EXPECT_EQ(lines.at(9),
              "Party 1 (journal party 17, 2026-05-02): 25.0 MPa - within the limits "
              "of warning");
    EXPECT_EQ(lines.at(10),
              "Party 2 (journal party 18, 2026-05-03): 19.0 MPa - beyond the "
              "bottom limit of correcting (predicted)");
    EXPECT_EQ(lines.at(11),
              "Of these, 1 strengths are predicted from early results, not yet "
              "tested at 28 days");
    EXPECT_EQ(lines.at(12), "");
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
    const CusumOutcome out = runCusum({25, 2, 0.5, 2, {22, 19.45}}, kPoint);
    const std::vector<std::string> expected = {
        "",
        "CUSUM OF THE STRENGTHS OF THE PARTIES",
        "",
        "Target mean T, MPa: 25.0",
        "Standard deviation s, MPa: 2.00",
        "Reference value K = 0.5 * s, MPa: 1.00",
        "Decision interval H = 2 * s, MPa: 4.00",
        "T: typed",
        "s: typed",
        "",
        "Party: strength, upper sum C+, lower sum C-, MPa",
        "1: 22.0; 0.00; 2.00",
        "2: 19.45; 0.00; 6.55",
        "",
        "Signals: 1",
        "Party 2: the lower sum 6.55 exceeds H - the strength has drifted down"};
    EXPECT_EQ(out.lines, expected);
}

// Each strength shows as few decimals as read back as it, one at least: the search skips only
// the counts of decimals that cannot read back, and takes a text unread only where it is the
// shortest one, with either separator.
TEST(CusumReport, ShowsEachStrengthWithTheDecimalsItHolds) {
    auto everyCount = [](double value, orvan::NumberFormat format) {
        for (int d = 1; d <= 6; ++d)
            if (const std::string text = orvan::formatFixed(value, d, format);
                orvan::tryTextToFloat(text, format) == value)
                return text;
        return orvan::formatGeneral15(value, format);
    };
    double drifting = 0;
    for (int i = -2000; i <= 20000; i += 7) {
        const double typed = i / 100.0;
        drifting += 0.1;  // a sum that gathers the binary error of its terms
        for (double value : {typed, typed / 3, drifting, typed * 1e6, -typed / 7e5})
            for (const orvan::NumberFormat format : {kPoint, orvan::NumberFormat{','}})
                EXPECT_EQ(orvan::control::shownAsGiven(value, 1, format), everyCount(value, format))
                    << value;
    }
}

struct PartyMeanRow {
    const char* name;
    double variation;
    std::vector<double> partyMeans;
    int extracts;
    std::optional<double> sigma;
};
void PrintTo(const PartyMeanRow& row, std::ostream* os) {
    *os << row.name;
}

class PartyMeanDeviations : public ::testing::TestWithParam<PartyMeanRow> {};

// V = 10 % of the mean 25 gives single results spread by 2.5 MPa; a party mean of n extracts
// spreads by 2.5 / sqrt(n).
TEST_P(PartyMeanDeviations, DivideTheSingleResultsSpreadByTheRootOfTheExtracts) {
    const PartyMeanRow& row = GetParam();
    const auto s = partyMeanDeviation(row.variation, row.partyMeans, row.extracts, kPoint);
    ASSERT_EQ(s.has_value(), row.sigma.has_value());
    if (s) {
        EXPECT_NEAR(s->sigma, *row.sigma, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PartyMeanDeviations,
    ::testing::Values(PartyMeanRow{"sixExtracts", 10, {24, 26}, 6, 2.5 / std::sqrt(6.0)},
                      PartyMeanRow{"threeExtracts", 10, {24, 26}, 3, 2.5 / std::sqrt(3.0)},
                      PartyMeanRow{"noParties", 10, {}, 6, std::nullopt},
                      PartyMeanRow{"noExtracts", 10, {24, 26}, 0, std::nullopt}),
    named);

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
        // Groups 1 to 3 (mean 34, lowest 33) and 4 to 6 (mean 33.33 < 34, 25 < 26).
        ConformityRow{"initialTwoGroups",
                      R::En206Initial,
                      30,
                      {},
                      {35, 33, 34, 40, 35, 25},
                      false,
                      {true, true, false, false},
                      {34, 26, 34, 26},
                      {6}},
        // One result below 30 - 3.5 fails at once; no average of three yet.
        ConformityRow{"aciOneFailingResult", R::Aci318, 30, {}, {25}, false, {false}, {26.5}, {1}},
        ConformityRow{"aciTwoResults", R::Aci318, 30, {}, {28, 29}, true, {true}, {26.5}, {}},
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
    double specified = 30;
    RuleNaming naming = RuleNaming::Word;
};
void PrintTo(const ConformityRefusalRow& row, std::ostream* os) {
    *os << row.name;
}

class ConformityRefusals : public ::testing::TestWithParam<ConformityRefusalRow> {};

TEST_P(ConformityRefusals, SayWhyTheRuleDoesNotApply) {
    const ConformityRefusalRow& row = GetParam();
    const ConformityOutcome out =
        checkConformity({row.rule, row.specified, row.sigma, row.results}, kPoint, row.naming);
    EXPECT_EQ(out.kind, OutcomeKind::Refused);
    EXPECT_EQ(out.style, MessageStyle::Message);
    EXPECT_EQ(out.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConformityRefusals,
    ::testing::ValuesIn(std::vector<ConformityRefusalRow>{
        ConformityRefusalRow{
            "initialNeedsGroupsOfThree",
            R::En206Initial,
            {},
            {35, 35, 35, 35},
            "The rule en206-initial needs 3, 6, 9, ... results (groups of three); 4 were given."},
        ConformityRefusalRow{"initialNeedsResults",
                             R::En206Initial,
                             {},
                             {},
                             "The rule en206-initial needs 3, 6, 9, ... results (groups of "
                             "three); 0 were given."},
        ConformityRefusalRow{"zeroSpecified",
                             R::En206Initial,
                             {},
                             {35, 35, 35},
                             "The specified strength must be greater than zero.",
                             0},
        ConformityRefusalRow{"negativeSpecified",
                             R::Aci318,
                             {},
                             {35},
                             "The specified strength must be greater than zero.",
                             -30},
        // s = -2 would lower the mean's limit to 30 - 2.96 and pass a mean below fck.
        ConformityRefusalRow{"negativeSigma", R::En206Continuous, -2, fourteenAnd(27),
                             "The standard deviation s must be greater than zero."},
        ConformityRefusalRow{"zeroSigma", R::En206Continuous, 0, fourteenAnd(35),
                             "The standard deviation s must be greater than zero."},
        ConformityRefusalRow{"programNamesTheRuleAsTheDialog", R::En206Continuous, 3,
                             std::vector<double>(14, 35.0),
                             "The rule EN 206, continuous production needs at least 15 results; "
                             "14 were given.",
                             30, RuleNaming::Caption},
        ConformityRefusalRow{"continuousNeedsFifteen", R::En206Continuous, 3,
                             std::vector<double>(14, 35.0),
                             "The rule en206-continuous needs at least 15 results; 14 were given."},
        ConformityRefusalRow{"continuousNeedsSigma",
                             R::En206Continuous,
                             {},
                             fourteenAnd(35),
                             "The rule en206-continuous needs the standard deviation s."},
        ConformityRefusalRow{"aciNeedsOne",
                             R::Aci318,
                             {},
                             {},
                             "The rule aci318 needs at least 1 result; 0 were given."}}),
    named);

TEST(ConformityGroups, EachGroupHasItsVerdict) {
    const ConformityOutcome out =
        checkConformity({R::En206Initial, 30, {}, {35, 33, 34, 40, 35, 25}}, kPoint);
    ASSERT_EQ(out.values.groups.size(), 2u);
    EXPECT_EQ(out.values.groups[1].first, 4);
    const std::vector<std::string> verdicts(out.lines.end() - 9, out.lines.end() - 2);
    const std::vector<std::string> expected = {
        "Mean of results 1 to 3, MPa: 34.00, required at least 34.00 - passed",
        "Lowest of results 1 to 3, MPa: 33.00, required at least 26.00 - passed",
        "Results 1 to 3 conform",
        "Mean of results 4 to 6, MPa: 33.33, required at least 34.00 - not passed",
        "Lowest of results 4 to 6, MPa: 25.00, required at least 26.00 - not passed",
        "Results 4 to 6 do not conform",
        ""};
    EXPECT_EQ(verdicts, expected);
}

struct AciAveragesRow {
    const char* name;
    std::vector<double> results;
    std::vector<int> failing;
    const char* line;
};
void PrintTo(const AciAveragesRow& row, std::ostream* os) {
    *os << row.name;
}

class AciAverages : public ::testing::TestWithParam<AciAveragesRow> {};

TEST_P(AciAverages, ListTheFailingAverages) {
    const ConformityOutcome out = checkConformity({R::Aci318, 30, {}, GetParam().results}, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    EXPECT_EQ(out.values.failingAverages, GetParam().failing);
    EXPECT_EQ(out.values.averagesAssessable, GetParam().results.size() >= 3);
    EXPECT_NE(std::find(out.lines.begin(), out.lines.end(), GetParam().line), out.lines.end());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AciAverages,
    ::testing::Values(
        // Averages 27.67, 30 (on f'c) and 32.33.
        AciAveragesRow{"firstFails",
                       {28, 29, 26, 35, 36},
                       {1},
                       "Averages of three consecutive results below f'c: results 1 to 3"},
        AciAveragesRow{"nonFails",
                       {32, 29, 30, 31},
                       {},
                       "No average of three consecutive results is below f'c"},
        AciAveragesRow{"twoResultsNotYet",
                       {28, 29},
                       {},
                       "Average of three consecutive results: not yet assessable (fewer than "
                       "three consecutive results)"}),
    named);

// Seven results at m + d, seven at m - d and one at m: s15 = sqrt(14 d^2 / 14) = d.
std::vector<double> spreadBy(double d, double m = 40) {
    std::vector<double> xs(7, m + d);
    xs.insert(xs.end(), 7, m - d);
    xs.push_back(m);
    return xs;
}

struct SigmaCheckRow {
    const char* name;
    std::vector<double> results;
    double s15;
    bool valid;
};
void PrintTo(const SigmaCheckRow& row, std::ostream* os) {
    *os << row.name;
}

class SigmaChecks : public ::testing::TestWithParam<SigmaCheckRow> {};

// s = 3 MPa: s15 must lie within 0.63 * 3 = 1.89 and 1.37 * 3 = 4.11.
TEST_P(SigmaChecks, BearOutSOrAskForItAnew) {
    const SigmaCheckRow& row = GetParam();
    const ConformityOutcome out = checkConformity({R::En206Continuous, 30, 3, row.results}, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    ASSERT_TRUE(out.values.sigmaCheck);
    EXPECT_NEAR(out.values.sigmaCheck->s15, row.s15, 1e-12);
    EXPECT_NEAR(out.values.sigmaCheck->low, 1.89, 1e-12);
    EXPECT_NEAR(out.values.sigmaCheck->high, 4.11, 1e-12);
    EXPECT_EQ(out.values.sigmaCheck->valid, row.valid);
    const bool anew =
        std::find(out.lines.begin(), out.lines.end(),
                  "The standard deviation s must be estimated anew") != out.lines.end();
    EXPECT_EQ(anew, !row.valid);
}

std::vector<double> afterOutlier(std::vector<double> xs) {
    xs.insert(xs.begin(), 10);
    return xs;
}

INSTANTIATE_TEST_SUITE_P(Rows, SigmaChecks,
                         ::testing::Values(SigmaCheckRow{"within", spreadBy(3), 3, true},
                                           SigmaCheckRow{"onLowBound", spreadBy(1.89), 1.89, true},
                                           SigmaCheckRow{"onHighBound", spreadBy(4.11), 4.11, true},
                                           SigmaCheckRow{"belowLow", spreadBy(1.8), 1.8, false},
                                           SigmaCheckRow{"aboveHigh", spreadBy(4.2), 4.2, false},
                                           SigmaCheckRow{"onlyTheLatest15",
                                                         afterOutlier(spreadBy(3)), 3, true}),
                         named);

TEST(ConformityReport, TellsApartANumberThatFailsItsLimitByLittle) {
    // Mean (34 + 34 + 33.991) / 3 = 33.997: "34.00" on both sides at two decimals.
    const ConformityOutcome out =
        checkConformity({R::En206Initial, 30, {}, {34, 34, 33.991}}, kPoint);
    ASSERT_TRUE(out.ok());
    EXPECT_NE(std::find(out.lines.begin(), out.lines.end(),
                        "Mean, MPa: 33.997, required at least 34.000 - not passed"),
              out.lines.end());
}

TEST(ConformityReport, StatesTheEditionTheSpecimenAndWhereSComesFrom) {
    const ConformityOutcome out =
        checkConformity({R::En206Continuous, 30, 3, spreadBy(3), Specimen::Cube}, kPoint);
    const std::vector<std::string> head(out.lines.begin() + 3, out.lines.begin() + 10);
    const std::vector<std::string> expected = {
        "Rule: EN 206, continuous production (15 results or more)",
        "Edition: EN 206:2013+A2:2021, 8.2.1.3",
        "Characteristic strength fck, MPa: 30.0",
        "The specified strength is a cube strength",
        "Standard deviation s, MPa: 3.00",
        "The standard deviation s must come from at least 35 consecutive results taken over more "
        "than three months",
        "Number of results: 15"};
    EXPECT_EQ(head, expected);
}

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

// 17 results at 40 + d, 17 at 40 - d and one at 40, the oldest on `oldest`, the rest on
// `newest`, with `older` results before them on `olderDate`: s of the 35 is d.
std::vector<DatedResult> datedResults(double d, const char* oldest, const char* newest,
                                      int older = 0, const char* olderDate = "") {
    std::vector<DatedResult> xs;
    for (int i = 0; i < older; ++i) xs.push_back({olderDate, 40});
    for (int i = 0; i < 35; ++i)
        xs.push_back({i == 0 ? oldest : newest, i == 0 ? 40 : (i % 2 ? 40 + d : 40 - d)});
    return xs;
}

struct SigmaEstimateRow {
    const char* name;
    std::vector<DatedResult> results;
    int count;  // 0: refused
    double sigma;
    const char* message;
};
void PrintTo(const SigmaEstimateRow& row, std::ostream* os) {
    *os << row.name;
}

class SigmaEstimates : public ::testing::TestWithParam<SigmaEstimateRow> {};

TEST_P(SigmaEstimates, TakeTheLatest35OverMoreThanThreeMonths) {
    const SigmaEstimateRow& row = GetParam();
    const Outcome<SigmaEstimate> out = estimateSigma(row.results, kPoint);
    if (row.count == 0) {
        EXPECT_EQ(out.kind, OutcomeKind::Refused);
        EXPECT_EQ(out.message, row.message);
        return;
    }
    ASSERT_TRUE(out.ok()) << out.message;
    EXPECT_EQ(out.values.count, row.count);
    EXPECT_NEAR(out.values.sigma, row.sigma, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SigmaEstimates,
    ::testing::Values(
        // 2026-01-01 plus three months is 2026-04-01: a day later is more than three months.
        SigmaEstimateRow{"overThreeMonths", datedResults(3, "2026-01-01", "2026-04-02"), 35, 3, ""},
        SigmaEstimateRow{"exactlyThreeMonths", datedResults(3, "2026-01-01", "2026-04-01"), 0, 0,
                         "The standard deviation s needs results taken over more than three "
                         "months; the results from 2026-01-01 to 2026-04-01 span no more."},
        // The 35 newest span three months exactly; the older result dated a day before makes
        // 36 over more than three months (its 40 leaves the sum of squares, 34 d^2, as it is).
        SigmaEstimateRow{"olderResultsTaken",
                         datedResults(3, "2026-01-01", "2026-04-01", 1, "2025-12-31"), 36,
                         std::sqrt(34.0 * 9 / 35), ""},
        SigmaEstimateRow{"fewerThan35", std::vector<DatedResult>(34, DatedResult{"2026-01-01", 30}),
                         0, 0,
                         "The standard deviation s needs at least 35 consecutive results; 34 "
                         "were given."},
        SigmaEstimateRow{
            "notADate", {{"2026-02-30", 30}}, 0, 0, "'2026-02-30' is not a date (YYYY-MM-DD)."}),
    named);
