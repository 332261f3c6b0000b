// The analysed-period statistics of both layouts: worked examples, uniform parties, B = 0,
// the failures that end a run (with the party at which it stopped), and extract blocks.
#include <gtest/gtest.h>

#include <ostream>

#include "common/NumberText.h"
#include "strength_control/calc/AnalysedPeriod.h"

namespace an = orvan::analysed;

namespace {

// The examples are given to six or nine decimals; the run's rounding differs from them by
// far less than this.
constexpr double kTolerance = 5e-7;

// Every party the same extracts.
an::ExtractTexts repeated(const an::AnalysedPeriodLayout& layout, std::vector<std::string> party) {
    return an::ExtractTexts(layout.partyCount, party);
}

struct StatisticsRow {
    const char* name;
    const an::AnalysedPeriodLayout* layout;
    an::ExtractTexts extracts;
    const char* b;
    std::vector<double> mean, deviation, variation;  // one value: the same for every party
    double overall, level, warningTop, warningBottom, correctingTop, correctingBottom;
};
void PrintTo(const StatisticsRow& row, std::ostream* os) {
    *os << row.name;
}

double at(const std::vector<double>& values, std::size_t i) {
    return values.size() == 1 ? values[0] : values[i];
}

const an::AnalysedPeriodLayout& wide = an::fiveBySixLayout();
const an::AnalysedPeriodLayout& tall = an::tenByThreeLayout();

const StatisticsRow kStatisticsRows[] = {
    {"FiveBySixExample",
     &wide,
     repeated(wide, {"20", "22", "24", "26", "28", "30"}),
     "10",
     {25},
     {4},
     {16},
     16,
     16.649,
     19.851976,
     13.446024,
     21.696728,
     11.601272},
    {"TenByThreeExample",
     &tall,
     repeated(tall, {"24", "25", "27"}),
     "10",
     {25.333333333},
     {1.775147929},
     {7.007163},
     7.007163,
     11.188029,
     13.195586,
     9.180472,
     14.355642,
     8.020416},
    // Worked independently, party by party.
    {"FiveBySixMixedParties",
     &wide,
     {{"30.5", "22", "25", "27.5", "24", "21"},
      {"28", "28", "26", "30", "29", "27"},
      {"19.5", "24", "23", "22", "20", "21"},
      {"35", "31", "33", "32", "34", "30"},
      {"25", "25", "25", "25", "25", "26"}},
     "25",
     {25, 28, 21.583333333, 32.5, 25.166666667},
     {3.8, 1.6, 1.8, 2.0, 0.4},
     {15.2, 5.714285714, 8.339768340, 6.153846154, 1.589403974},
     7.399460836,
     28.261979748,
     29.799408228,
     26.724551268,
     30.684889188,
     25.839070308},
    {"TenByThreeMixedParties",
     &tall,
     {{"24", "21", "27"},
      {"30", "28", "29"},
      {"22", "25", "23"},
      {"26", "26", "26"},
      {"31", "27", "29"},
      {"20", "24", "22"},
      {"25", "30", "28"},
      {"27", "23", "26"},
      {"29", "29", "32"},
      {"24", "22", "23"}},
     "20",
     {24, 29, 23.333333333, 26, 29, 22, 27.666666667, 25.333333333, 30, 23},
     {3.550295858, 1.183431953, 1.775147929, 0, 2.366863905, 2.366863905, 2.958579882, 2.366863905,
      1.775147929, 1.183431953},
     {14.792899408, 4.080799837, 7.607776839, 0, 8.161599674, 10.758472297, 10.693662223,
      9.342883837, 5.917159763, 5.145356316},
     7.650061019,
     22.770360249,
     24.978673385,
     20.562047113,
     26.254734568,
     19.285985929},
    // Uniform parties: no spread, so Kt = 1.0969 and every limit is the level itself.
    {"FiveBySixUniform",
     &wide,
     repeated(wide, {"25", "25", "25", "25", "25", "25"}),
     "10",
     {25},
     {0},
     {0},
     0,
     10.969,
     10.969,
     10.969,
     10.969,
     10.969},
    {"TenByThreeUniform",
     &tall,
     repeated(tall, {"30", "30", "30"}),
     "20",
     {30},
     {0},
     {0},
     0,
     21.938,
     21.938,
     21.938,
     21.938,
     21.938},
    // B = 0: a zero level and limits symmetric about it.
    {"FiveBySixClassZero",
     &wide,
     repeated(wide, {"20", "22", "24", "26", "28", "30"}),
     "0",
     {25},
     {4},
     {16},
     16,
     0,
     3.202976,
     -3.202976,
     5.047728,
     -5.047728},
    // The range comes from a running max and min: largest first, smallest last.
    {"TenByThreeFallingParty",
     &tall,
     repeated(tall, {"27", "25", "24"}),
     "10",
     {25.333333333},
     {1.775147929},
     {7.007163},
     7.007163,
     11.188029,
     13.195586,
     9.180472,
     14.355642,
     8.020416},
    // Texts as a user types them: blanks around, a bare exponent, a leading point.
    {"TenByThreeTypedTexts",
     &tall,
     repeated(tall, {" 24 ", "2.5e1", "27."}),
     "1e1",
     {25.333333333},
     {1.775147929},
     {7.007163},
     7.007163,
     11.188029,
     13.195586,
     9.180472,
     14.355642,
     8.020416},
};

class AnalysedStatistics : public ::testing::TestWithParam<StatisticsRow> {};

TEST_P(AnalysedStatistics, MatchesWorkedValues) {
    const StatisticsRow& row = GetParam();
    const an::AnalysedPeriodOutcome outcome =
        an::computeAnalysedPeriod(*row.layout, row.extracts, row.b, orvan::NumberFormat{});
    ASSERT_TRUE(outcome.ok()) << outcome.values.cause;
    EXPECT_EQ(outcome.values.partiesRead, row.layout->partyCount);
    const an::AnalysedPeriodResult& r = outcome.values.result;
    ASSERT_EQ(r.partyMean.size(), static_cast<std::size_t>(row.layout->partyCount));
    for (std::size_t i = 0; i < r.partyMean.size(); ++i) {
        EXPECT_NEAR(r.partyMean[i], at(row.mean, i), kTolerance) << "party " << i + 1;
        EXPECT_NEAR(r.partyDeviation[i], at(row.deviation, i), kTolerance) << "party " << i + 1;
        EXPECT_NEAR(r.partyVariation[i], at(row.variation, i), kTolerance) << "party " << i + 1;
    }
    EXPECT_NEAR(r.overallVariation, row.overall, kTolerance);
    EXPECT_NEAR(r.averageLevel, row.level, kTolerance);
    EXPECT_NEAR(r.warningTop, row.warningTop, kTolerance);
    EXPECT_NEAR(r.warningBottom, row.warningBottom, kTolerance);
    EXPECT_NEAR(r.correctingTop, row.correctingTop, kTolerance);
    EXPECT_NEAR(r.correctingBottom, row.correctingBottom, kTolerance);
    EXPECT_EQ(r.extractText, row.extracts);
}

INSTANTIATE_TEST_SUITE_P(Rows, AnalysedStatistics, ::testing::ValuesIn(kStatisticsRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Failures: every one is "Data error"; the outcome says where the run stopped.
struct FailureRow {
    const char* name;
    const an::AnalysedPeriodLayout* layout;
    an::ExtractTexts extracts;
    const char* b;
    int partiesRead;
    int failedParty;
    const char* failedField;
    const char* cause;
};
void PrintTo(const FailureRow& row, std::ostream* os) {
    *os << row.name;
}

an::ExtractTexts with(an::ExtractTexts texts, int party, int extract, const std::string& text) {
    texts[party - 1][extract - 1] = text;
    return texts;
}

const an::ExtractTexts kWide = repeated(wide, {"20", "22", "24", "26", "28", "30"});
const an::ExtractTexts kTall = repeated(tall, {"24", "25", "27"});

const FailureRow kFailureRows[] = {
    {"EmptyFieldOnTenthTab", &tall, with(kTall, 10, 3, ""), "10", 10, 10, "edR10_3",
     "'' is not a valid floating point value"},
    {"TextInThirdParty", &wide, with(kWide, 3, 2, "2O"), "10", 3, 3, "edR3_2",
     "'2O' is not a valid floating point value"},
    {"NonNumericClassAfterAllParties", &wide, kWide, "B25", 5, 0, "edB",
     "'B25' is not a valid floating point value"},
    {"EmptyClass", &tall, kTall, "", 10, 0, "edB", "'' is not a valid floating point value"},
    {"PartyOfZeros", &tall, with(with(with(kTall, 4, 1, "0"), 4, 2, "0"), 4, 3, "0"), "10", 4, 4,
     "", "Invalid floating point operation"},
    {"PartyMeanZeroWithSpread", &wide,
     [] {
         an::ExtractTexts t = kWide;
         t[1] = {"-5", "5", "-5", "5", "-5", "5"};
         return t;
     }(),
     "10", 2, 2, "", "Floating point division by zero"},
    {"SumOverflowsInFirstParty", &wide, with(with(kWide, 1, 1, "1.5e308"), 1, 2, "1.5e308"), "10",
     1, 1, "", "Floating point overflow"},
    {"LevelOverflows", &tall, kTall, "1.7e308", 10, 0, "", "Floating point overflow"},
    {"MissingRowsAreEmptyFields", &tall, an::ExtractTexts(kTall.begin(), kTall.begin() + 7), "10",
     8, 8, "edR8_1", "'' is not a valid floating point value"},
};

class AnalysedFailures : public ::testing::TestWithParam<FailureRow> {};

TEST_P(AnalysedFailures, EndInDataErrorWhereTheyStopped) {
    const FailureRow& row = GetParam();
    const an::AnalysedPeriodOutcome outcome =
        an::computeAnalysedPeriod(*row.layout, row.extracts, row.b, orvan::NumberFormat{});
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message, "Data error");
    EXPECT_EQ(outcome.style, orvan::MessageStyle::Message);
    EXPECT_EQ(outcome.values.partiesRead, row.partiesRead);
    EXPECT_EQ(outcome.values.failedParty, row.failedParty);
    EXPECT_EQ(outcome.values.failedField, row.failedField);
    EXPECT_EQ(outcome.values.cause, row.cause);
}

INSTANTIATE_TEST_SUITE_P(Rows, AnalysedFailures, ::testing::ValuesIn(kFailureRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnalysedLayouts, ItemIndexChoosesTheLayout) {
    EXPECT_EQ(&an::layoutForItem(0), &wide);
    EXPECT_EQ(&an::layoutForItem(1), &tall);
    EXPECT_EQ(&an::layoutForItem(-1), &tall);  // only index 0 is the first item
    EXPECT_EQ(wide.partyCount * wide.extractCount, 30);
    EXPECT_EQ(tall.partyCount * tall.extractCount, 30);
}

TEST(AnalysedLayouts, CommaSeparatorConvertsAndPointStillWorks) {
    const auto outcome = an::computeAnalysedPeriod(tall, repeated(tall, {"24,0", "25.0", "27"}),
                                                   "10,0", orvan::NumberFormat{','});
    ASSERT_TRUE(outcome.ok()) << outcome.values.cause;
    EXPECT_NEAR(outcome.values.result.averageLevel, 11.188029, kTolerance);
}

TEST(AnalysedForms, FieldsOfEachDialog) {
    const std::vector<orvan::Field> setup = an::setupForm().fields();
    EXPECT_EQ(an::setupForm().name, "fmPeriod_Analiz1");
    ASSERT_EQ(setup.size(), 2u);
    EXPECT_EQ(setup[0].name, "rgCount_Party");
    EXPECT_EQ(setup[0].defaultText, "0");
    EXPECT_EQ(setup[1].name, "edB");
    EXPECT_EQ(setup[1].defaultText, "10");

    const std::vector<orvan::Field> five = an::extractForm(wide).fields();
    EXPECT_EQ(an::extractForm(wide).name, "fmPeriod_analiz2_5");
    ASSERT_EQ(five.size(), 30u);
    EXPECT_EQ(five.front().name, "edR1_1");
    EXPECT_EQ(five.back().name, "edR5_6");
    EXPECT_EQ(five.back().caption(), "Enter average strength in 6-th extract, MPa");
    const std::vector<orvan::Field> ten = an::extractForm(tall).fields();
    EXPECT_EQ(an::extractForm(tall).name, "fmPeriod_analiz2_15");
    ASSERT_EQ(ten.size(), 30u);
    EXPECT_EQ(ten.back().name, "edR10_3");
    for (const auto& field : ten) EXPECT_EQ(field.defaultText, "");
    // 5 parties of 6, plus parties 6 to 10 with 3 each.
    EXPECT_EQ(an::anyLayoutExtractForm().fields().size(), 45u);
}

// Blocks of extract texts from a file or the clipboard.
struct BlockRow {
    const char* name;
    const an::AnalysedPeriodLayout* layout;
    std::string block;
    bool ok;
    const char* errorOrFirstRow;  // the error, or party 1's texts joined by "|"
};
void PrintTo(const BlockRow& row, std::ostream* os) {
    *os << row.name;
}

std::string lines(int count, const std::string& line, const std::string& end = "\n") {
    std::string out;
    for (int i = 0; i < count; ++i) out += line + end;
    return out;
}

const BlockRow kBlockRows[] = {
    {"Commas", &tall, lines(10, "24,25,27"), true, "24|25|27"},
    {"TabsKeepDecimalCommas", &tall, lines(10, "24,5\t25\t27,0"), true, "24,5|25|27,0"},
    {"SemicolonsAndTabsMixed", &tall, lines(10, "24;25\t27"), true, "24|25|27"},
    {"CrLfAndNoFinalLineEnd", &tall, lines(9, "24,25,27", "\r\n") + "24,25,27", true, "24|25|27"},
    {"TrailingEmptyLinesIgnored", &wide, lines(5, "20,22,24,26,28,30") + "\n\r\n", true,
     "20|22|24|26|28|30"},
    {"BlanksKeptAsTyped", &tall, lines(10, " 24 , 25.50,27"), true, " 24 | 25.50|27"},
    {"CommaLinesAmongTabLines", &tall, "24,25,27\n" + lines(9, "24,5\t25\t27"), true, "24|25|27"},
    {"SemicolonLineWithDecimalCommasAmongCommaLines", &tall,
     "24,5;25;27,0\n" + lines(9, "24,25,27"), true, "24,5|25|27,0"},
    {"CommasAndTabsInOneLine", &wide, lines(5, "20,22\t24;26,28\t30"), true, "20|22|24|26|28|30"},
    {"MixedLineFitsNeither", &tall, "24\t25,26,27\n" + lines(9, "24,25,27"), false,
     "Line 1 holds 2 extracts; each party needs 3."},
    {"TooFewParties", &tall, lines(9, "24,25,27"), false,
     "The block holds 9 lines; the period needs 10 parties, one per line."},
    {"TooManyParties", &wide, lines(6, "20,22,24,26,28,30"), false,
     "The block holds 6 lines; the period needs 5 parties, one per line."},
    {"ShortLine", &tall, "24,25,27\n24,25\n" + lines(8, "24,25,27"), false,
     "Line 2 holds 2 extracts; each party needs 3."},
    {"TrailingSeparator", &wide, lines(4, "20,22,24,26,28,30") + "20,22,24,26,28,30,\n", false,
     "Line 5 holds 7 extracts; each party needs 6."},
    {"EmptyLineInside", &tall, lines(4, "24,25,27") + "\n" + lines(5, "24,25,27"), false,
     "Line 5 holds 1 extract; each party needs 3."},
    {"Empty", &wide, "", false,
     "The block holds 0 lines; the period needs 5 parties, one per line."},
};

class AnalysedBlocks : public ::testing::TestWithParam<BlockRow> {};

TEST_P(AnalysedBlocks, SplitOrSayWhy) {
    const BlockRow& row = GetParam();
    const an::ExtractBlock block = an::parseExtractBlock(*row.layout, row.block);
    ASSERT_EQ(block.ok, row.ok) << block.error;
    if (!row.ok) {
        EXPECT_EQ(block.error, row.errorOrFirstRow);
        EXPECT_TRUE(block.texts.empty());
        return;
    }
    ASSERT_EQ(block.texts.size(), static_cast<std::size_t>(row.layout->partyCount));
    std::string first;
    for (const auto& text : block.texts[0]) first += (first.empty() ? "" : "|") + text;
    EXPECT_EQ(first, row.errorOrFirstRow);
    for (const auto& party : block.texts)
        EXPECT_EQ(party.size(), static_cast<std::size_t>(row.layout->extractCount));
}

INSTANTIATE_TEST_SUITE_P(Rows, AnalysedBlocks, ::testing::ValuesIn(kBlockRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
