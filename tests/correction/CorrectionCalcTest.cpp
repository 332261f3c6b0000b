// The two corrections over their field texts: worked examples, symmetric and boundary rows,
// faults in conversion order, and the full report lines.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "common/NumberText.h"
#include "correction/calc/CorrectionCalc.h"

using namespace orvan;
using namespace orvan::correction;

namespace {

// The corrections read and write with the point; the comma test says so.
constexpr NumberFormat kPoint{'.'};
constexpr NumberFormat kComma{','};

class CorrectionLocale : public ::testing::Test {};

FieldTexts strengthTexts(const char* r1, const char* k1, const char* r2, const char* k2,
                         const char* req, const char* w) {
    return {{"edRb1", r1},  {"edC_V1", k1}, {"edRb2", r2},
            {"edC_V2", k2}, {"edRtr", req}, {"edV", w}};
}

FieldTexts aggregateTexts(const char* p, const char* sc, const char* v, const char* wp,
                          const char* wsc, const char* x, const char* y) {
    return {{"edP", p},     {"edSC", sc},   {"edVoda", v}, {"edWp", wp},
            {"edWsc", wsc}, {"edXp_sc", x}, {"edYsc_p", y}};
}

// The end of a report line after its caption.
std::string tail(const std::string& line) {
    return line.substr(line.rfind(": ") + 2);
}

// --- strength: results -------------------------------------------------------------------

struct StrengthRow {
    const char* name;
    FieldTexts texts;
    double ratio, cement;                            // K and C before rounding
    const char *ratioText, *cementText, *waterText;  // ends of lines 18 to 20
};
void PrintTo(const StrengthRow& row, std::ostream* os) {
    *os << row.name;
}

class CorrectionStrengthRows : public CorrectionLocale,
                               public ::testing::WithParamInterface<StrengthRow> {};

TEST_P(CorrectionStrengthRows, RatioCementAndPrintedLines) {
    const StrengthRow& row = GetParam();
    auto outcome = runStrengthCorrection(row.texts, kPoint);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    // A few ulps of the two-point line; the report prints 2 and 0 decimals.
    EXPECT_NEAR(outcome.values.ratio, row.ratio, 1e-12 * std::fabs(row.ratio) + 1e-12);
    EXPECT_NEAR(outcome.values.cement, row.cement, 1e-9 * std::fabs(row.cement) + 1e-9);
    ASSERT_EQ(outcome.lines.size(), 20u);
    EXPECT_EQ(tail(outcome.lines[17]), row.ratioText);
    EXPECT_EQ(tail(outcome.lines[18]), row.cementText);
    EXPECT_EQ(tail(outcome.lines[19]), row.waterText);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CorrectionStrengthRows,
    ::testing::Values(
        StrengthRow{"worked_example", strengthTexts("30", "2.0", "20", "1.6", "25", "180"), 1.8,
                    324, "1.80", "324", "180"},
        StrengthRow{"points_swapped", strengthTexts("20", "1.6", "30", "2.0", "25", "180"), 1.8,
                    324, "1.80", "324", "180"},
        StrengthRow{"required_equals_R1", strengthTexts("30", "2.0", "20", "1.6", "30", "180"), 2.0,
                    360, "2.00", "360", "180"},
        StrengthRow{"required_equals_R2", strengthTexts("30", "2.0", "20", "1.6", "20", "180"), 1.6,
                    288, "1.60", "288", "180"},
        StrengthRow{"water_rounded_in_line_20",
                    strengthTexts("30", "2.0", "20", "1.6", "25", "180.4"), 1.8, 324.72, "1.80",
                    "325", "180"},
        // A = (35.2 - 24.8) / 0.4 = 26, b = 2.1 - 35.2 / 26; K = b + 30 / 26 = 1.9.
        StrengthRow{"plant_points", strengthTexts("35.2", "2.1", "24.8", "1.7", "30", "170"), 1.9,
                    323, "1.90", "323", "170"},
        // No strength required: the ratio falls to the intercept b; not checked for sense.
        StrengthRow{"zero_required_gives_intercept",
                    strengthTexts("30", "2.0", "20", "1.6", "0", "180"), 0.8, 144, "0.80", "144",
                    "180"},
        StrengthRow{"negative_result_reported",
                    strengthTexts("30", "2.0", "20", "1.6", "-30", "180"), -0.4, -72, "-0.40",
                    "-72", "180"},
        StrengthRow{"blanks_and_exponent_accepted",
                    strengthTexts(" 30", "2e0", "2E1", "1.6 ", "25", "1.8E2"), 1.8, 324, "1.80",
                    "324", "180"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CorrectionLocale, CorrectionStrengthLineParameters) {
    auto in = readStrengthInputs(strengthTexts("30", "2.0", "20", "1.6", "25", "180"), kPoint);
    auto result = correctByStrength(in);
    EXPECT_NEAR(result.intercept, 0.8, 1e-12);
    EXPECT_NEAR(result.slope, 25, 1e-12);
    EXPECT_EQ(result.water, 180);
}

// --- strength: faults --------------------------------------------------------------------

struct FaultRow {
    const char* name;
    FieldTexts texts;
    const char* message;
};
void PrintTo(const FaultRow& row, std::ostream* os) {
    *os << row.name;
}

class CorrectionStrengthFaults : public CorrectionLocale,
                                 public ::testing::WithParamInterface<FaultRow> {};

TEST_P(CorrectionStrengthFaults, StopWithTheRuntimeMessageAndNoLines) {
    auto outcome = runStrengthCorrection(GetParam().texts, kPoint);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message, GetParam().message);
    EXPECT_EQ(outcome.style, MessageStyle::ErrorBox);
    EXPECT_TRUE(outcome.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CorrectionStrengthFaults,
    ::testing::Values(
        FaultRow{"equal_strengths", strengthTexts("30", "2.0", "30", "1.6", "25", "180"),
                 "Floating point division by zero"},
        FaultRow{"equal_strengths_and_ratios", strengthTexts("30", "1.8", "30", "1.8", "25", "180"),
                 "Invalid floating point operation"},
        FaultRow{"equal_ratios", strengthTexts("30", "1.8", "20", "1.8", "25", "180"),
                 "Floating point division by zero"},
        // 0.3 * 3 - 0.1 * 3 over 0.3 - 0.1 is not exactly 3 in doubles: the ratios must still
        // be seen as equal.
        FaultRow{"equal_ratios_inexact_products",
                 strengthTexts("0.3", "3", "0.1", "3", "0.2", "180"),
                 "Floating point division by zero"},
        FaultRow{"equal_ratios_plant_points",
                 strengthTexts("35.2", "1.7", "24.8", "1.7", "30", "180"),
                 "Floating point division by zero"},
        FaultRow{"first_strength_zero", strengthTexts("0", "2.0", "20", "1.6", "25", "180"),
                 "Invalid floating point operation"},
        FaultRow{"empty_field", strengthTexts("", "2.0", "20", "1.6", "25", "180"),
                 "'' is not a valid floating point value"},
        FaultRow{"comma_with_point_separator", strengthTexts("30", "2,0", "20", "1.6", "25", "180"),
                 "'2,0' is not a valid floating point value"},
        // Conversion order R1, R2, Rreq, K1, K2, W: R2 before K1, Rreq before K1, K2 before W.
        FaultRow{"R2_converted_before_K1", strengthTexts("30", "k1", "r2", "1.6", "25", "180"),
                 "'r2' is not a valid floating point value"},
        FaultRow{"Rreq_converted_before_K1", strengthTexts("30", "k1", "20", "1.6", "req", "180"),
                 "'req' is not a valid floating point value"},
        FaultRow{"K2_converted_before_W", strengthTexts("30", "2", "20", "k2", "25", "w"),
                 "'k2' is not a valid floating point value"},
        FaultRow{"conversion_before_arithmetic",
                 strengthTexts("30", "2.0", "30", "1.6", "25", "lots"),
                 "'lots' is not a valid floating point value"},
        FaultRow{"cement_overflows", strengthTexts("30", "2.0", "20", "1.6", "25", "1E308"),
                 "Floating point overflow"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- strength: the whole report ----------------------------------------------------------

TEST_F(CorrectionLocale, CorrectionStrengthReportEchoesTextsAsTyped) {
    auto outcome =
        runStrengthCorrection(strengthTexts(" 30", "2.00", "20.0", "1.6", "25", "180"), kPoint);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    const std::vector<std::string> expected{
        "Correction concrete mixture is possible if information about",
        "2 values of compressive strength and correspondance values of",
        "cement-water ratio is available",
        "",
        "1.INITIAL DATA FOR CORRECTION CONCRETE MIXTURE",
        "IN DEPENDING ON COMPRESSIVE STRENGTH",
        "",
        "First real value of strength, MPa:  30",
        "Correspondance value of cement-water ratio: 2.00",
        "",
        "Second real value of strength, MPa: 20.0",
        "Correspondance value of cement-water ratio: 1.6",
        "",
        "Necessary value of strength, MPa: 25",
        "",
        "UPDATED PARAMETERS",
        "",
        "Real value of cement-water ratio: 1.80",
        "Updated cement content, kg per cu m: 324",
        "Updated amount of mixing water, kg per cu m: 180",
    };
    EXPECT_EQ(outcome.lines, expected);
    EXPECT_EQ(strengthReportTitle(7),
              "Correction concrete mixture in depending on compressive strength. Window №7");
}

// The water is not part of the initial data: its text appears nowhere but in line 20.
TEST_F(CorrectionLocale, CorrectionStrengthWaterOnlyInTheLastLine) {
    auto outcome =
        runStrengthCorrection(strengthTexts("30", "2.0", "20", "1.6", "25", "180.4"), kPoint);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    for (std::size_t i = 0; i + 1 < outcome.lines.size(); ++i)
        EXPECT_EQ(outcome.lines[i].find("180"), std::string::npos) << i << ": " << outcome.lines[i];
    EXPECT_EQ(outcome.lines.back(), "Updated amount of mixing water, kg per cu m: 180");
}

TEST_F(CorrectionLocale, CorrectionStrengthCommaLocale) {
    auto outcome =
        runStrengthCorrection(strengthTexts("30", "2,0", "20", "1.6", "25", "180,4"), kComma);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_EQ(outcome.lines[8], "Correspondance value of cement-water ratio: 2,0");
    EXPECT_EQ(outcome.lines[17], "Real value of cement-water ratio: 1,80");
    EXPECT_EQ(outcome.lines[19], "Updated amount of mixing water, kg per cu m: 180");
}

// --- aggregates: results -----------------------------------------------------------------

struct AggregateRow {
    const char* name;
    FieldTexts texts;
    double sand, coarse, water;  // Ps, Gs, Vs before rounding
    double tolerance;            // the printed precision of the worked table, or 1e-9
    const char *waterText, *sandText, *coarseText;  // ends of lines 17 to 19
};
void PrintTo(const AggregateRow& row, std::ostream* os) {
    *os << row.name;
}

class CorrectionAggregateRows : public CorrectionLocale,
                                public ::testing::WithParamInterface<AggregateRow> {};

TEST_P(CorrectionAggregateRows, BatchWeightsAndPrintedLines) {
    const AggregateRow& row = GetParam();
    auto outcome = runAggregateCorrection(row.texts, kPoint);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_NEAR(outcome.values.sand, row.sand, row.tolerance);
    EXPECT_NEAR(outcome.values.coarse, row.coarse, row.tolerance);
    EXPECT_NEAR(outcome.values.water, row.water, row.tolerance);
    ASSERT_EQ(outcome.lines.size(), 21u);
    EXPECT_EQ(tail(outcome.lines[16]), row.waterText);
    EXPECT_EQ(tail(outcome.lines[17]), row.sandText);
    EXPECT_EQ(tail(outcome.lines[18]), row.coarseText);
}

// The worked table is printed to 2 decimals: a tolerance of 0.005.
INSTANTIATE_TEST_SUITE_P(
    Examples, CorrectionAggregateRows,
    ::testing::Values(
        AggregateRow{"moist_clean", aggregateTexts("600", "1200", "180", "5", "2", "0", "0"),
                     631.58, 1224.49, 123.93, 0.005, "124", "632", "1224"},
        AggregateRow{"dry_intermixed", aggregateTexts("600", "1200", "180", "0", "0", "10", "5"),
                     494.12, 1305.88, 180.00, 0.005, "180", "494", "1306"},
        AggregateRow{"moist_intermixed", aggregateTexts("600", "1200", "180", "5", "2", "10", "5"),
                     524.67, 1331.40, 123.93, 0.005, "124", "525", "1331"},
        // Both shares 0: Ps = P / (1 - wp/100), Gs = SC / (1 - wsc/100).
        AggregateRow{"clean_sand_only_moist",
                     aggregateTexts("750", "1100", "175", "4", "0", "0", "0"), 750 / 0.96, 1100,
                     175 - 750 / 0.96 * 0.04, 1e-9, "144", "781", "1100"},
        AggregateRow{"clean_coarse_only_moist",
                     aggregateTexts("750", "1100", "175", "0", "3", "0", "0"), 750, 1100 / 0.97,
                     175 - 1100 / 0.97 * 0.03, 1e-9, "141", "750", "1134"},
        // Both humidities 0: the water repeats V whatever the shares.
        AggregateRow{"dry_large_shares",
                     aggregateTexts("600", "1200", "180.4", "0", "0", "30", "20"),
                     (600 * 0.7 - 1200 * 0.3) / 0.5, (1200 * 0.8 - 600 * 0.2) / 0.5, 180.4, 1e-9,
                     "180", "120", "1680"},
        // Shares that make a batch weight negative are reported as computed.
        AggregateRow{"negative_sand_reported",
                     aggregateTexts("100", "1200", "180", "0", "0", "40", "0"),
                     (100 * 0.6 - 1200 * 0.4) / 0.6, 1200 / 0.6, 180, 1e-9, "180", "-700", "2000"}),
    [](const auto& info) { return std::string(info.param.name); });

// While both grain masses are positive the water depends only on V, P, SC and the
// humidities: Vs = V - P wp / (100 - wp) - SC wsc / (100 - wsc).
struct ShareRow {
    const char* name;
    const char *x, *y;
};
void PrintTo(const ShareRow& row, std::ostream* os) {
    *os << row.name;
}

class CorrectionAggregateWater : public CorrectionLocale,
                                 public ::testing::WithParamInterface<ShareRow> {};

TEST_P(CorrectionAggregateWater, IndependentOfTheShares) {
    auto outcome = runAggregateCorrection(
        aggregateTexts("650", "1150", "185", "6", "1.5", GetParam().x, GetParam().y), kPoint);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    const double expected = 185 - 650 * 6 / 94.0 - 1150 * 1.5 / 98.5;
    EXPECT_NEAR(outcome.values.water, expected, 1e-9);
    EXPECT_EQ(tail(outcome.lines[16]), formatFixed(expected, 0, kPoint));
}

INSTANTIATE_TEST_SUITE_P(Shares, CorrectionAggregateWater,
                         ::testing::Values(ShareRow{"none", "0", "0"},
                                           ShareRow{"table_shares", "10", "5"},
                                           ShareRow{"sand_in_coarse_only", "25", "0"},
                                           ShareRow{"coarse_in_sand_only", "0", "15"},
                                           ShareRow{"large_both", "30", "40"},
                                           ShareRow{"fractional", "7.5", "12.25"}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- aggregates: faults ------------------------------------------------------------------

class CorrectionAggregateFaults : public CorrectionLocale,
                                  public ::testing::WithParamInterface<FaultRow> {};

TEST_P(CorrectionAggregateFaults, StopWithTheRuntimeMessageAndNoLines) {
    auto outcome = runAggregateCorrection(GetParam().texts, kPoint);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message, GetParam().message);
    EXPECT_EQ(outcome.style, MessageStyle::ErrorBox);
    EXPECT_TRUE(outcome.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CorrectionAggregateFaults,
    ::testing::Values(
        FaultRow{"sand_humidity_100", aggregateTexts("600", "1200", "180", "100", "2", "10", "5"),
                 "Floating point division by zero"},
        FaultRow{"coarse_humidity_100", aggregateTexts("600", "1200", "180", "5", "100", "10", "5"),
                 "Floating point division by zero"},
        FaultRow{"shares_add_to_100", aggregateTexts("600", "1200", "180", "5", "2", "30", "70"),
                 "Floating point division by zero"},
        FaultRow{"shares_half_and_half", aggregateTexts("600", "1200", "180", "5", "2", "50", "50"),
                 "Floating point division by zero"},
        FaultRow{"shares_fractional_to_100",
                 aggregateTexts("600", "1200", "180", "0", "0", "30.1", "69.9"),
                 "Floating point division by zero"},
        // D = 0 and the sand numerator 0 as well: 0 / 0.
        FaultRow{"no_sand_and_wet_sand", aggregateTexts("0", "1200", "180", "100", "2", "0", "5"),
                 "Invalid floating point operation"},
        FaultRow{"empty_field", aggregateTexts("600", "1200", "", "5", "2", "10", "5"),
                 "'' is not a valid floating point value"},
        // Conversion order P, SC, V, wp, wsc, x, y.
        FaultRow{"SC_before_V", aggregateTexts("600", "sc", "v", "5", "2", "10", "5"),
                 "'sc' is not a valid floating point value"},
        FaultRow{"wsc_before_x", aggregateTexts("600", "1200", "180", "5", "wsc", "x", "5"),
                 "'wsc' is not a valid floating point value"},
        FaultRow{"x_before_y", aggregateTexts("600", "1200", "180", "5", "2", "x", "y"),
                 "'x' is not a valid floating point value"},
        FaultRow{"conversion_before_arithmetic",
                 aggregateTexts("600", "1200", "180", "100", "2", "10", "y"),
                 "'y' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- aggregates: the whole report --------------------------------------------------------

TEST_F(CorrectionLocale, CorrectionAggregateReportEchoesTextsAsTyped) {
    auto outcome =
        runAggregateCorrection(aggregateTexts("600.0", "1200", "180", "5", "2", "0", " 0"), kPoint);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    const std::vector<std::string> expected{
        "",
        "1.INITIAL DATA FOR CORRECTION CONCRETE MIXTURE",
        "IN DEPENDING ON AGGREGATES GRADING AND HUMIDITY",
        "",
        "Initial amount of sand, kg per cu m: 600.0",
        "Humidity of sand, %: 5",
        "Share of coarse aggregares in sand, %:  0",
        "",
        "Initial amount of coarse aggregates, kg per cu m: 1200",
        "Humidity of coarse aggregates, %: 2",
        "Share of sand in coarse aggregates, %: 0",
        "",
        "Initial amount of mixing water, kg per cu m: 180",
        "",
        "UPDATATED PARAMETERS",
        "",
        "Updated amount of mixing water, kg per cu m: 124",
        "Updated amount of sand, kg per cu m: 632",
        "Updated quantity of coarse aggregate, kg per cu m: 1224",
        "",
        "Cement content is constant",
    };
    EXPECT_EQ(outcome.lines, expected);
    EXPECT_EQ(aggregateReportTitle(12),
              "Correction concrete mixture in depending on aggregates grading. Window №12");
}

}  // namespace
