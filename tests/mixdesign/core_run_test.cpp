// The proportioning run end to end over field texts: the worked mixes, the in-run dialogs
// and their Cancel, the refusals, and the faults of the run's own steps and of its dialogs.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "common/NumberText.h"
#include "mixdesign/calc/MixForms.h"
#include "mixdesign/calc/MixRun.h"
#include "tests/mixdesign/core_run_support.h"
#include "tests/mixdesign/core_support.h"

using namespace orvan;
using namespace orvan::mix;
using mixtest::Given;
using mixtest::matchesPrinted;
using mixtest::runGiven;

namespace {

using Getter = std::function<double(const MixValues&)>;
const std::map<std::string, Getter> kValues{
    {"A", [](const MixValues& v) { return v.mix.aggregateFactor; }},
    {"W/C", [](const MixValues& v) { return v.mix.waterCementRatio; }},
    {"W", [](const MixValues& v) { return v.mix.waterContent; }},
    {"C", [](const MixValues& v) { return v.mix.cementContent; }},
    {"R", [](const MixValues& v) { return v.mix.targetStrength; }},
    {"Rcalc", [](const MixValues& v) { return v.calculatedStrength; }},
    {"alpha", [](const MixValues& v) { return v.grainSpacing; }},
    {"G", [](const MixValues& v) { return v.coarseAggregate; }},
    {"S", [](const MixValues& v) { return v.sand; }},
    {"air", [](const MixValues& v) { return v.entrainedAir; }},
    {"ash", [](const MixValues& v) { return v.flyAshContent; }},
    {"steam", [](const MixValues& v) { return v.steamCuredStrength.value_or(-1); }},
    {"Rc", [](const MixValues& v) { return v.mix.cementStrength; }},
};

struct MixRow {
    const char* name;
    Given given;
    std::vector<std::pair<std::string, std::string>> expected;  // value key, printed figure
};
void PrintTo(const MixRow& row, std::ostream* os) {
    *os << row.name;
}

class MixCoreWorkedMixes : public mixtest::PointLocale,
                           public ::testing::WithParamInterface<MixRow> {};

TEST_P(MixCoreWorkedMixes, Values) {
    auto ran = runGiven(GetParam().given);
    ASSERT_EQ(ran.outcome.kind, OutcomeKind::Done) << ran.outcome.message;
    for (const auto& [key, printed] : GetParam().expected)
        EXPECT_TRUE(matchesPrinted(kValues.at(key)(ran.outcome.values), printed)) << key;
}

const std::vector<std::pair<std::string, FieldTexts>> kFlyAsh{{"economy", {{"rgEconomy", "2"}}}};

INSTANTIATE_TEST_SUITE_P(
    Examples, MixCoreWorkedMixes,
    ::testing::Values(
        MixRow{"defaults",
               {},
               {{"A", "0.5815"},
                {"W/C", "0.84184"},
                {"W", "172.16"},
                {"C", "204.5"},
                {"alpha", "1.11026"},
                {"G", "1280.0"},
                {"S", "756.1"},
                {"Rcalc", "20.0"}}},
        MixRow{"reinforced",
               {{}, {{"rgArmatyra", "0"}}, {}},
               {{"C", "220"}, {"W", "185.2"}, {"S", "708"}}},
        // 191.09 in the worked figures is 191.0849 rounded in two steps
        MixRow{"r60_rc40",
               {{{"edClassBet", "60"}, {"edMarkCem", "40"}}, {}, {}},
               {{"W/C", "0.32472"}, {"W", "191.085"}, {"C", "588.5"}}},
        MixRow{"slump8",
               {{{"edYdoboykl", "8"},
                 {"edClassBet", "30"},
                 {"edNGCT", "26"},
                 {"edMkr_P", "2.5"},
                 {"edNKr_Sc", "40"}},
                {{"edTemperatyr", "25"}},
                {}},
               {{"A", "0.5646"},
                {"W", "193.43"},
                {"W/C", "0.63992"},
                {"C", "302.27"},
                {"alpha", "1.28686"},
                {"G", "1181.8"},
                {"S", "714.6"}}},
        MixRow{"vebe10",
               {{{"rgYdoboykl", "1"}, {"edYdoboykl", "10"}, {"edClassBet", "40"}}, {}, {}},
               {{"A", "0.5935"},
                {"W", "164.46"},
                {"W/C", "0.54114"},
                {"C", "303.91"},
                {"alpha", "1.00478"},
                {"G", "1346.8"},
                {"S", "626.8"}}},
        MixRow{"gravel",
               {{}, {{"rgZapolnitel", "1"}}, {}},
               {{"A", "0.5365"},
                {"W/C", "0.80284"},
                {"C", "214.44"},
                {"alpha", "1.06526"},
                {"G", "1307.7"},
                {"S", "720.4"}}},
        // the kind is the low byte of the stored index: 257 is gravel
        MixRow{"aggregate_kind_low_byte", {{}, {{"rgZapolnitel", "257"}}, {}}, {{"A", "0.5365"}}},
        MixRow{"temperature_20_6", {{}, {{"edTemperatyr", "20.6"}}, {}}, {{"W", "172.498"}}},
        MixRow{"frost_100_cycles",
               {{}, {{"rgFrost", "0"}}, {}},
               {{"air", "7.54"}, {"R", "20.88"}, {"Rcalc", "20.88"}}},
        MixRow{"frost_50_cycles_needs_no_air",
               {{}, {{"rgFrost", "0"}}, {{"F_W", {{"edMarka_F", "50"}}}}},
               {{"air", "0"}, {"R", "20.0"}, {"W/C", "0.84184"}}},
        MixRow{"water_pressure_caps_ratio",
               {{}, {{"rgWaterproof", "0"}}, {}},
               {{"W/C", "0.55"}, {"C", "313.02"}, {"Rcalc", "38.3"}}},
        MixRow{"steam_superplasticizer_keeps_cement",
               {{}, {{"rgProparka", "0"}}, {{"fmTVO", {{"rgYskoriteli", "3"}}}}},
               {{"W", "137.728"}, {"W/C", "0.67347"}, {"C", "204.5"}}},
        MixRow{"steam_defaults", {{}, {{"rgProparka", "0"}}, {}}, {{"steam", "48.76"}}},
        MixRow{"stronger_cement_60",
               {{},
                {{"rgEconomy", "0"}},
                {{"economy", {{"rgEconomy", "1"}}}, {"Vubor_Econ", {{"edMarka_C", "60"}}}}},
               {{"W/C", "0.93177"}, {"C", "184.77"}, {"Rc", "60"}, {"Rcalc", "20.0"}}},
        MixRow{
            "fly_ash_150", {{}, {{"rgEconomy", "0"}}, kFlyAsh}, {{"C", "149.00"}, {"ash", "150"}}},
        MixRow{"superplasticizer_average",
               {{}, {{"rgEconomy", "0"}}, {{"economy", {{"rgEconomy", "3"}}}}},
               {{"W", "151.501"}, {"C", "179.96"}}},
        MixRow{"plasticizer_not_clamped_again",
               {{}, {{"rgEconomy", "0"}}, {{"economy", {{"rgEconomy", "4"}}}}},
               {{"W", "154.944"}, {"C", "184.05"}}},
        MixRow{"technique_0_changes_nothing",
               {{}, {{"rgEconomy", "0"}}, {{"economy", {{"rgEconomy", "0"}}}}},
               {{"W/C", "0.84184"}, {"C", "204.5"}}}));

// --- the in-run dialogs: which are asked, and Cancel at each -----------------------------------

const Given kEverything{
    {},
    {{"rgFrost", "0"}, {"rgWaterproof", "0"}, {"rgProparka", "0"}, {"rgEconomy", "0"}},
    kFlyAsh};

TEST(MixCoreDialogs, AskedInOrderOncePerRun) {
    auto ran = runGiven(kEverything);
    ASSERT_EQ(ran.outcome.kind, OutcomeKind::Done) << ran.outcome.message;
    std::vector<InRunDialog> order{InRunDialog::FrostPage, InRunDialog::WaterTightnessPage,
                                   InRunDialog::SteamCuring, InRunDialog::EconomyChoice,
                                   InRunDialog::TechniquePage};
    EXPECT_EQ(ran.asked, order);
}

TEST(MixCoreDialogs, NoneAskedWithTheDefaultOptions) {
    auto ran = runGiven({{}, {}, kFlyAsh});
    EXPECT_TRUE(ran.asked.empty());
}

class MixCoreCancel : public ::testing::TestWithParam<InRunDialog> {};
TEST_P(MixCoreCancel, EndsTheRunSilentlyWithNoReport) {
    auto ran = runGiven(kEverything, GetParam());
    EXPECT_EQ(ran.outcome.kind, OutcomeKind::Cancelled);
    EXPECT_EQ(ran.outcome.style, MessageStyle::None);
    EXPECT_TRUE(ran.outcome.message.empty());
    EXPECT_TRUE(ran.outcome.lines.empty());
    EXPECT_EQ(ran.asked.back(), GetParam());  // nothing asked after the cancelled dialog
}
INSTANTIATE_TEST_SUITE_P(EachDialog, MixCoreCancel,
                         ::testing::Values(InRunDialog::FrostPage, InRunDialog::WaterTightnessPage,
                                           InRunDialog::SteamCuring, InRunDialog::EconomyChoice,
                                           InRunDialog::TechniquePage));

TEST(MixCoreDialogs, StrongerCementPageIsPrefilledWithTheCementStrength) {
    struct Recorder : AnsweringDialogs {
        FieldTexts prefilled;
        DialogAnswer techniquePage(Technique t, const FieldTexts& p, const MixState& m) override {
            prefilled = p;
            return AnsweringDialogs::techniquePage(t, p, m);
        }
    } dialogs;
    dialogs.setTexts("economy", {{"rgEconomy", "1"}});
    ProportioningOptions options;
    options.cementSaving = kYes;
    auto outcome = runProportioning({{"edMarkCem", "45"}}, options, dialogs, mixtest::kPoint);
    ASSERT_EQ(outcome.kind, OutcomeKind::Done);
    EXPECT_EQ(dialogs.prefilled, (FieldTexts{{"edMarka_C", "45"}}));
    EXPECT_EQ(outcome.values.mix.cementStrength, 45);
}

// --- refusals ---------------------------------------------------------------------------------

struct EndRow {
    const char* name;
    Given given;
    OutcomeKind kind;
    MessageStyle style;
    std::string message;
};
void PrintTo(const EndRow& row, std::ostream* os) {
    *os << row.name;
}

class MixCoreEnds : public mixtest::PointLocale, public ::testing::WithParamInterface<EndRow> {};
TEST_P(MixCoreEnds, KindAndMessageWithoutReport) {
    auto ran = runGiven(GetParam().given);
    EXPECT_EQ(ran.outcome.kind, GetParam().kind);
    EXPECT_EQ(ran.outcome.style, GetParam().style);
    EXPECT_EQ(ran.outcome.message, GetParam().message);
    EXPECT_TRUE(ran.outcome.lines.empty());
}

Given economy(FieldTexts options, FieldTexts tvo, const char* technique, FieldTexts page = {}) {
    FieldTexts withEconomy{{"rgEconomy", "0"}};
    withEconomy.insert(options.begin(), options.end());
    return Given{{},
                 withEconomy,
                 {{"fmTVO", tvo}, {"economy", {{"rgEconomy", technique}}}, {"Vubor_Econ", page}}};
}

const char* const kAggregateRefusal =
    "The kind of coarse aggregates is neither crushed stones nor gravels: choose one of them in "
    "the options for proportioning";
const char* const kAverageRefusal =
    "The average water-reducing effect of superplasticizer is known only for a slump up to 100 "
    "sm or a Vebe time up to 227.3 sec: enter the water-reducing effect, %";

INSTANTIATE_TEST_SUITE_P(
    Refusals, MixCoreEnds,
    ::testing::Values(EndRow{"stronger_cement_with_frost", economy({{"rgFrost", "0"}}, {}, "1"),
                             OutcomeKind::Refused, MessageStyle::Message, kStrongerCementRefused},
                      EndRow{"stronger_cement_with_watertightness",
                             economy({{"rgWaterproof", "0"}}, {}, "1"), OutcomeKind::Refused,
                             MessageStyle::Message, kStrongerCementRefused},
                      EndRow{"superplasticizer_twice",
                             economy({{"rgProparka", "0"}}, {{"rgYskoriteli", "3"}}, "3"),
                             OutcomeKind::Refused, MessageStyle::Message, kPlasticizerRefused},
                      EndRow{"plasticizer_after_superplasticizer",
                             economy({{"rgProparka", "0"}}, {{"rgYskoriteli", "3"}}, "4"),
                             OutcomeKind::Refused, MessageStyle::Message, kPlasticizerRefused},
                      EndRow{"aggregate_kind_none",
                             {{}, {{"rgZapolnitel", "-1"}}, {}},
                             OutcomeKind::Refused,
                             MessageStyle::Message,
                             kAggregateRefusal},
                      EndRow{"aggregate_kind_2",
                             {{}, {{"rgZapolnitel", "2"}}, {}},
                             OutcomeKind::Refused,
                             MessageStyle::Message,
                             kAggregateRefusal},
                      EndRow{"average_effect_beyond_vebe_table",
                             {{{"rgYdoboykl", "1"}, {"edYdoboykl", "228"}},
                              {{"rgEconomy", "0"}},
                              {{"economy", {{"rgEconomy", "3"}}}}},
                             OutcomeKind::Refused,
                             MessageStyle::Message,
                             kAverageRefusal},
                      EndRow{"impossible_mix_slump_200",
                             {{{"edYdoboykl", "200"}}, {}, {}},
                             OutcomeKind::Refused,
                             MessageStyle::Message,
                             "The mix cannot be made: the water-cement ratio is -0.22, the water "
                             "is -130.6 kg per cu m. Outside the method's range: \"Value of "
                             "concrete mix workability\" 200 (0 to 24 sm)."},
                      EndRow{"impossible_mix_no_room_for_sand",
                             {{{"rgYdoboykl", "1"}, {"edYdoboykl", "300"}}, {}, {}},
                             OutcomeKind::Refused,
                             MessageStyle::Message,
                             "The mix cannot be made: the volume left for sand is -433.7 litres "
                             "per cu m. Outside the method's range: \"Value of concrete mix "
                             "workability\" 300 (0 to 30 sec)."},
                      EndRow{"impossible_mix_coarse_density",
                             {{}, {{"edPlotnostSC", "0.5"}}, {}},
                             OutcomeKind::Refused,
                             MessageStyle::Message,
                             "The mix cannot be made: the coarse aggregate is -209.1 kg per cu m. "
                             "Outside the method's range: \"Relative density of coarse "
                             "aggregates\" 0.5 (2.4 to 3.1)."},
                      EndRow{"technique_index_beyond_items", economy({}, {}, "5"),
                             OutcomeKind::Refused, MessageStyle::Message,
                             "\"The offered technological decisions\" has no item 5"}));

// --- faults: the run's own steps say "Error", an in-run dialog its runtime message -------------

INSTANTIATE_TEST_SUITE_P(
    Faults, MixCoreEnds,
    ::testing::Values(EndRow{"strength_not_a_number",
                             {{{"edClassBet", "abc"}}, {}, {}},
                             OutcomeKind::Failed,
                             MessageStyle::Message,
                             "Error"},
                      EndRow{"empty_temperature",
                             {{}, {{"edTemperatyr", ""}}, {}},
                             OutcomeKind::Failed,
                             MessageStyle::Message,
                             "Error"},
                      EndRow{"zero_cement_density",
                             {{}, {{"edPlotnostC", "0"}}, {}},
                             OutcomeKind::Failed,
                             MessageStyle::Message,
                             "Error"},
                      EndRow{"zero_sand_density",
                             {{}, {{"edPlotnostP", "0"}}, {}},
                             OutcomeKind::Failed,
                             MessageStyle::Message,
                             "Error"},
                      EndRow{"frost_cycles_not_a_number",
                             {{}, {{"rgFrost", "0"}}, {{"F_W", {{"edMarka_F", "abc"}}}}},
                             OutcomeKind::Failed,
                             MessageStyle::ErrorBox,
                             "'abc' is not a valid floating point value"},
                      EndRow{"frost_zero_cycles",
                             {{}, {{"rgFrost", "0"}}, {{"F_W", {{"edMarka_F", "0"}}}}},
                             OutcomeKind::Failed,
                             MessageStyle::ErrorBox,
                             "Floating point division by zero"},
                      EndRow{"water_pressure_empty",
                             {{}, {{"rgWaterproof", "0"}}, {{"F_W", {{"edW", ""}}}}},
                             OutcomeKind::Failed,
                             MessageStyle::ErrorBox,
                             "'' is not a valid floating point value"},
                      EndRow{"steaming_hours_not_a_number",
                             {{}, {{"rgProparka", "0"}}, {{"fmTVO", {{"edT_prop", "ten"}}}}},
                             OutcomeKind::Failed,
                             MessageStyle::ErrorBox,
                             "'ten' is not a valid floating point value"},
                      EndRow{"fly_ash_not_a_number", economy({}, {}, "2", {{"edAsh", "lots"}}),
                             OutcomeKind::Failed, MessageStyle::ErrorBox,
                             "'lots' is not a valid floating point value"},
                      EndRow{"average_data_in_lower_case",
                             economy({}, {}, "3", {{"edSuperplast", "the average data"}}),
                             OutcomeKind::Failed, MessageStyle::ErrorBox,
                             "'the average data' is not a valid floating point value"},
                      EndRow{"plasticizer_effect_empty", economy({}, {}, "4", {{"edPlast", ""}}),
                             OutcomeKind::Failed, MessageStyle::ErrorBox,
                             "'' is not a valid floating point value"},
                      EndRow{"stronger_cement_zero", economy({}, {}, "1", {{"edMarka_C", "0"}}),
                             OutcomeKind::Failed, MessageStyle::ErrorBox,
                             "Floating point division by zero"}));

TEST(MixCoreSteamCuring, BadEntryLeavesWaterAndRatioUnreduced) {
    Given given{
        {}, {{"rgProparka", "0"}}, {{"fmTVO", {{"rgYskoriteli", "3"}, {"edT_vuderz", "x"}}}}};
    auto failed = runGiven(given);
    auto cancelled = runGiven(given, InRunDialog::SteamCuring);
    ASSERT_EQ(failed.outcome.kind, OutcomeKind::Failed);
    EXPECT_EQ(failed.outcome.values.mix.waterContent, cancelled.outcome.values.mix.waterContent);
    EXPECT_EQ(failed.outcome.values.mix.waterCementRatio,
              cancelled.outcome.values.mix.waterCementRatio);
    EXPECT_FALSE(failed.outcome.values.steamCuredStrength.has_value());
}

TEST(MixCoreSteamCuring, CalciumChlorideAllowsThePlasticizers) {
    for (const char* technique : {"3", "4"}) {
        auto ran = runGiven(economy({{"rgProparka", "0"}}, {{"rgYskoriteli", "2"}}, technique));
        EXPECT_EQ(ran.outcome.kind, OutcomeKind::Done) << technique << ran.outcome.message;
    }
}

// --- the decimal separator --------------------------------------------------------------------

TEST(MixCoreLocale, CommaLocaleTakesThePointDefaultsAndItsOwnSeparator) {
    auto defaults = runGiven({}, std::nullopt, mixtest::kComma);
    auto comma = runGiven({{{"edMkr_P", "2,0"}, {"edPr_Sc", "0,5"}}, {{"edPlotnostC", "3,15"}}, {}},
                          std::nullopt, mixtest::kComma);
    ASSERT_EQ(defaults.outcome.kind, OutcomeKind::Done) << defaults.outcome.message;
    ASSERT_EQ(comma.outcome.kind, OutcomeKind::Done) << comma.outcome.message;
    EXPECT_EQ(defaults.outcome.values.sand, comma.outcome.values.sand);
    EXPECT_EQ(defaults.outcome.values.coarseAggregate, comma.outcome.values.coarseAggregate);
    EXPECT_EQ(defaults.outcome.lines.at(24), "Water-cement ratio: 0,84");
    EXPECT_EQ(defaults.outcome.lines.at(10), "Fineness modulus of sand: 2.0");  // as typed
}

TEST(MixCoreTitle, WindowNumberInTheTitle) {
    EXPECT_EQ(mixReportTitle(3),
              "Window \xE2\x84\x96"
              "3. Proportioning concrete mixture");
}

}  // namespace

// --- entry formats: a masked field's text holds its whole pattern or stops OK -----------------

struct EntryRow {
    const char* name;
    EntryFormat format;
    const char* text;
    bool holds;
};
void PrintTo(const EntryRow& row, std::ostream* os) {
    *os << row.name;
}
class MixCoreEntryFormat : public ::testing::TestWithParam<EntryRow> {};
TEST_P(MixCoreEntryFormat, WholePatternOnly) {
    EXPECT_EQ(holdsEntryFormat(GetParam().format, GetParam().text), GetParam().holds);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, MixCoreEntryFormat,
    ::testing::Values(EntryRow{"four_digits", EntryFormat::FourDigits, "1400", true},
                      EntryRow{"two_of_four", EntryFormat::FourDigits, "12", false},
                      EntryRow{"blank_inside", EntryFormat::FourDigits, "1 00", false},
                      EntryRow{"two_digits", EntryFormat::TwoDigits, "50", true},
                      EntryRow{"one_of_two", EntryFormat::TwoDigits, "5", false},
                      EntryRow{"digit_dot_digit", EntryFormat::DigitDotDigit, "2.0", true},
                      EntryRow{"dot_alone", EntryFormat::DigitDotDigit, ".", false},
                      EntryRow{"comma_for_point", EntryFormat::DigitDotDigit, "2,0", false},
                      EntryRow{"free_takes_anything", EntryFormat::Free, "", true}));

TEST(MixCoreEntryProblem, FirstFieldInTableOrderWithCaptionAndPattern) {
    const FormPage& page = mixInputForm().pages.front();
    const auto problem = firstEntryProblem(page, {{"edNGCT", "5"}, {"edNPl_P", "12"}});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, "edNPl_P");
    EXPECT_EQ(problem->message, "\"Bulk density of sand, kg per cu m\": enter four digits");
    EXPECT_FALSE(firstEntryProblem(page, {{"edNPl_P", "1400"}, {"edClassBet", "x"}}));
}
