// The proportioning report line by line: the 30 lines of the defaults exactly, and the lines
// each option and technique adds, in their places.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "mixdesign/calc/MixRun.h"
#include "tests/mixdesign/core_run_support.h"
#include "tests/mixdesign/core_support.h"
#include "tests/mixdesign/default_report.h"

using namespace orvan;
using namespace orvan::mix;
using mixtest::Given;
using mixtest::runGiven;

namespace {

using Lines = std::vector<std::string>;

const Lines& kDefaultReport = mixtest::kDefaultReportLines;

class MixCoreReport : public mixtest::PointLocale {};

TEST_F(MixCoreReport, DefaultsGiveExactlyThirtyLines) {
    auto ran = runGiven({});
    ASSERT_EQ(ran.outcome.kind, OutcomeKind::Done) << ran.outcome.message;
    EXPECT_EQ(ran.outcome.lines, kDefaultReport);
}

TEST_F(MixCoreReport, FieldTextsAreEchoedAsTyped) {
    auto ran =
        runGiven({{{"edClassBet", "020"}, {"edNKr_Sc", " 20"}}, {{"edTemperatyr", "20.0"}}, {}});
    ASSERT_EQ(ran.outcome.kind, OutcomeKind::Done);
    const Lines& lines = ran.outcome.lines;
    EXPECT_EQ(lines[2], "Compressive strength of concrete at 28 days, MPa: 020");
    EXPECT_EQ(lines[5], "Temperature of concrete mix, degrees centigrade: 20.0");
    EXPECT_EQ(lines[15], "Max. coarse aggregate size, mm:  20");
}

// The report holds `block` as consecutive lines.
::testing::AssertionResult holdsBlock(const Lines& lines, const Lines& block) {
    if (std::search(lines.begin(), lines.end(), block.begin(), block.end()) != lines.end())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure()
                   << "no block starting \"" << block.front() << "\" in:";
    for (const auto& line : lines) failure << "\n  " << line;
    return failure;
}

struct BlockRow {
    const char* name;
    Given given;
    std::size_t lineCount;
    std::vector<Lines> blocks;  // each found as consecutive lines
};
void PrintTo(const BlockRow& row, std::ostream* os) {
    *os << row.name;
}

class MixCoreReportBlocks : public mixtest::PointLocale,
                            public ::testing::WithParamInterface<BlockRow> {};
TEST_P(MixCoreReportBlocks, OptionalLinesInPlace) {
    auto ran = runGiven(GetParam().given);
    ASSERT_EQ(ran.outcome.kind, OutcomeKind::Done) << ran.outcome.message;
    EXPECT_EQ(ran.outcome.lines.size(), GetParam().lineCount);
    for (const auto& block : GetParam().blocks) EXPECT_TRUE(holdsBlock(ran.outcome.lines, block));
}

const char* const kStrength = "Compressive strength of concrete at 28 days, MPa: 20";
const char* const kSlump = "The Slump of concrete mix (sm) is given";
const char* const kHeading = "4. TECHNOLOGICAL DECISIONS FOR DECREASING OF CEMENT CONTENT";
const char* const kNoDecision =
    "There are not technological decisions for decreasing of cement content";
const char* const kResults = "6. RESULTS OF PROPORTIONING";

Given technique(const char* index, FieldTexts page = {}) {
    return Given{
        {}, {{"rgEconomy", "0"}}, {{"economy", {{"rgEconomy", index}}}, {"Vubor_Econ", page}}};
}

Given steam(const char* accelerator, const char* cement) {
    return Given{{},
                 {{"rgProparka", "0"}},
                 {{"fmTVO", {{"rgYskoriteli", accelerator}, {"rgVid_Cem", cement}}}}};
}

Lines steamBlock(const char* acceleratorLine, const char* cementLine, const char* strength) {
    return {
        kStrength,
        "Atmospheric steam curing is used",
        "Steaming period, hours: 10",
        "Period after steam curing, hours: 4",
        acceleratorLine,
        cementLine,
        std::string("Compressive strength after steam curing, % of 28-day moist-cured strength: ") +
            strength,
        kSlump};
}
const char* const kPortland = "Normal Portland Cement (Type 10) is used";

INSTANTIATE_TEST_SUITE_P(
    Options, MixCoreReportBlocks,
    ::testing::Values(
        BlockRow{"watertightness",
                 {{}, {{"rgWaterproof", "0"}}, {{"F_W", {{"edW", "0400"}}}}},
                 32,
                 {{kStrength, "The value of watertightness is given", "Water pressure, kPa: 0400",
                   kSlump}}},
        BlockRow{
            "frost_with_air",
            {{}, {{"rgFrost", "0"}}, {}},
            33,
            {{kStrength, "Resistance to freezing and thawing is given",
              "Number of freeze-thaw cycles: 100", kSlump},
             {"Amount of mixing water, kg per cu m: 172", "Air content, litres per cu m: 7.5"}}},
        BlockRow{"frost_without_air",
                 {{}, {{"rgFrost", "0"}}, {{"F_W", {{"edMarka_F", "50"}}}}},
                 32,
                 {{"Number of freeze-thaw cycles: 50", kSlump}}},
        BlockRow{"watertightness_before_frost",
                 {{}, {{"rgWaterproof", "0"}, {"rgFrost", "0"}}, {}},
                 35,
                 {{kStrength, "The value of watertightness is given", "Water pressure, kPa: 400",
                   "Resistance to freezing and thawing is given"}}},
        BlockRow{"steam_no_accelerator",
                 steam("0", "0"),
                 36,
                 {steamBlock("An accelerating admixtures are not used at the time of steam curing",
                             kPortland, "49")}},
        BlockRow{
            "steam_natrium_sulphate_slag",
            steam("1", "1"),
            36,
            {steamBlock("Natrium sulphate is used as an accelerator at he time of steam curing",
                        "Portland-Blast-Furnace-Slag Cement (Type 10S) is used", "64")}},
        BlockRow{
            "steam_calcium_chloride",
            steam("2", "0"),
            36,
            {steamBlock("Calcium chloride is used as an accelerator at he time of steam curing",
                        kPortland, "59")}},
        BlockRow{"steam_superplasticizer",
                 steam("3", "0"),
                 36,
                 {{"Superplasticizer is used as an accelerator at he time of steam curing"}}},
        BlockRow{
            "vebe",
            {{{"rgYdoboykl", "1"}, {"edYdoboykl", "10"}}, {}, {}},
            30,
            {{kStrength, "The Vebe of concrete mix (sec) is given", "Value of workability: 10 sec.",
              "Temperature of concrete mix, degrees centigrade: 20"}}},
        BlockRow{"gravel",
                 {{}, {{"rgZapolnitel", "1"}}, {}},
                 30,
                 {{"", "The gravels are used as coarse aggregates",
                   "Max. coarse aggregate size, mm: 20"}}}));

INSTANTIATE_TEST_SUITE_P(
    Techniques, MixCoreReportBlocks,
    ::testing::Values(
        BlockRow{"none_chosen", technique("0"), 30, {{kHeading, kNoDecision, "", kResults}}},
        BlockRow{"economy_off_whatever_is_chosen",
                 {{}, {}, {{"economy", {{"rgEconomy", "2"}}}}},
                 30,
                 {{kHeading, kNoDecision, "", kResults}}},
        BlockRow{"stronger_cement",
                 technique("1"),
                 31,
                 {{kHeading, "Increasing of compressive strength of cement",
                   "\xD0\xA1ompressive strength of cement, MPa: 50", "", kResults}}},
        BlockRow{
            "fly_ash",
            technique("2", {{"edAsh", "150.0"}}),
            32,
            {{kHeading, "Using of fly ash", "Amount of fly ash, kg per cu m: 150.0", "", kResults},
             {"Cement content, kg per cu m: 149", "Fly ash content, kg per cu m: 150.0",
              "Quantity of coarse aggregate, kg per cu m: 1280"}}},
        BlockRow{"superplasticizer",
                 technique("3"),
                 31,
                 {{kHeading, "Adding of superplasticizer",
                   "Water-reducing effect is, %: The average data", "", kResults},
                  {"Cement content, kg per cu m: 180"}}},
        BlockRow{
            "plasticizer",
            technique("4"),
            31,
            {{kHeading, "Adding of plasticizer", "Water-reducing effect is, %: 10", "", kResults},
             {"Cement content, kg per cu m: 184"},
             {"Amount of mixing water, kg per cu m: 155"}}}));

}  // namespace
