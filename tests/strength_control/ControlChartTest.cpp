// The control chart's data: range, series, prompts and what each failure leaves drawn.
#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "strength_control/calc/ControlChart.h"

using namespace orvan;
using namespace orvan::control;

namespace {

struct Figures {
    std::string ry = "25", count = "3", rpr1 = "27", rpr2 = "23", rcor1 = "30", rcor2 = "20";
    FieldTexts texts() const {
        return {{"edRy", ry},     {"edCountParty", count}, {"edRpr1", rpr1},
                {"edRpr2", rpr2}, {"edRcor1", rcor1},      {"edRcor2", rcor2}};
    }
};

// Answers the prompts from a list and records their texts; "" past the end.
struct ScriptedPrompts {
    std::vector<std::string> answers;
    std::vector<std::string> asked;
    BatchPrompt prompt() {
        return [this](int batch, const std::string& text) {
            asked.push_back(text);
            return static_cast<std::size_t>(batch) <= answers.size() ? answers[batch - 1] : "";
        };
    }
};

// The chart reads and writes with the point; the comma test says so.
constexpr NumberFormat kPoint{'.'};

class ControlChartBase : public ::testing::Test {};

}  // namespace

struct RangeRow {
    const char* name;
    const char* top;
    const char* bottom;
    double min, max;
};

class ControlChartRange : public ::testing::TestWithParam<RangeRow> {};

TEST_P(ControlChartRange, RunsThreeBeyondTheCorrectingLimits) {
    const RangeRow& row = GetParam();
    Figures f;
    f.rcor1 = row.top, f.rcor2 = row.bottom;
    ScriptedPrompts prompts{{"25", "26", "24"}, {}};
    ChartOutcome chart = buildControlChart(f.texts(), prompts.prompt(), kPoint);
    ASSERT_TRUE(chart.ok()) << chart.message;
    ASSERT_TRUE(chart.values.range);
    EXPECT_DOUBLE_EQ(chart.values.range->min, row.min);
    EXPECT_DOUBLE_EQ(chart.values.range->max, row.max);
}

INSTANTIATE_TEST_SUITE_P(Rows, ControlChartRange,
                         ::testing::Values(RangeRow{"limits30and20", "30", "20", 17, 33},
                                           RangeRow{"farBelowFirstPeriod", "10", "5", 2, 13},
                                           RangeRow{"limitsInAnyOrderButWithinSix", "20", "25", 22,
                                                    23},
                                           RangeRow{"equalEndsAllowed", "20", "26", 23, 23},
                                           RangeRow{"negativeLimits", "-1", "-4.5", -7.5, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

using ControlChartSeries = ControlChartBase;

TEST_F(ControlChartSeries, SixSeriesInLegendOrderWithTheirLooks) {
    struct Look {
        const char* name;
        const char* title;
        const char* series;
        const char* point;
        int width;
        bool markers;
    };
    const Look looks[] = {
        {"Series3", "Limit of correcting", "#008000", "#008000", 3, false},
        {"Series4", "Limit of correcting", "#008000", "#008000", 3, false},
        {"Series2", "Limit of warning", "#ff0000", "#ff0000", 3, false},
        {"Series1", "Limit of warning", "#ff0000", "#ff0000", 3, false},
        {"Series5", "Average level of strength", "#0080ff", "#0000ff", 3, false},
        {"Series6", "Real strength of concrete", "#ff80ff", "#ff00ff", 2, true},
    };
    auto series = emptySeries();
    for (int i = 0; i < kSeriesCount; ++i) {
        SCOPED_TRACE(looks[i].name);
        EXPECT_EQ(series[i].name, looks[i].name);
        EXPECT_EQ(series[i].title, looks[i].title);
        EXPECT_EQ(series[i].seriesColor.hex(), looks[i].series);
        EXPECT_EQ(series[i].pointColor.hex(), looks[i].point);
        EXPECT_EQ(series[i].width, looks[i].width);
        EXPECT_EQ(series[i].markers, looks[i].markers);
        EXPECT_EQ(series[i].labels, looks[i].markers);
    }
}

TEST_F(ControlChartSeries, LinesRunFromZeroToNAndBatchesSitAtOneToN) {
    Figures f;
    ScriptedPrompts prompts{{"25", "26.5", " 24"}, {}};
    ChartOutcome chart = buildControlChart(f.texts(), prompts.prompt(), kPoint);
    ASSERT_TRUE(chart.ok()) << chart.message;
    const double levels[] = {30, 20, 27, 23, 25};  // correcting, warning, average
    for (int s = 0; s < 5; ++s) {
        SCOPED_TRACE(chart.values.series[s].name);
        const Rgb color = chart.values.series[s].pointColor;
        EXPECT_EQ(chart.values.series[s].points,
                  (std::vector<ChartPoint>{{0, levels[s], color}, {3, levels[s], color}}));
    }
    const Rgb fuchsia{255, 0, 255};
    EXPECT_EQ(chart.values.series[5].points,
              (std::vector<ChartPoint>{{1, 25, fuchsia}, {2, 26.5, fuchsia}, {3, 24, fuchsia}}));
    EXPECT_EQ(chart.values.batchesAsked, 3);
}

TEST_F(ControlChartSeries, PromptsAskInOrder) {
    Figures f;
    f.count = "4";
    ScriptedPrompts prompts{{"1", "2", "3", "4"}, {}};
    ASSERT_TRUE(buildControlChart(f.texts(), prompts.prompt(), kPoint).ok());
    EXPECT_EQ(prompts.asked,
              (std::vector<std::string>{"Strength in 1 party, MPa:", "Strength in 2 party, MPa:",
                                        "Strength in 3 party, MPa:", "Strength in 4 party, MPa:"}));
}

TEST_F(ControlChartSeries, ZeroBatchesCollapseTheLinesAtZero) {
    Figures f;
    f.count = "0";
    ScriptedPrompts prompts;
    ChartOutcome chart = buildControlChart(f.texts(), prompts.prompt(), kPoint);
    ASSERT_TRUE(chart.ok()) << chart.message;
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(chart.values.series[0].points.size(), 2u);
    EXPECT_EQ(chart.values.series[0].points[1].x, 0.0);
    EXPECT_TRUE(chart.values.series[5].points.empty());
}

TEST_F(ControlChartSeries, CommaSeparatorLocale) {
    Figures f;
    f.rcor1 = "30,5";
    ScriptedPrompts prompts{{"25,5", "26.5", "24"}, {}};
    ChartOutcome chart = buildControlChart(f.texts(), prompts.prompt(), NumberFormat{','});
    ASSERT_TRUE(chart.ok()) << chart.message;
    EXPECT_DOUBLE_EQ(chart.values.range->max, 33.5);
    EXPECT_DOUBLE_EQ(chart.values.series[5].points[0].y, 25.5);
}

// Each failure: its message, how many prompts were shown, and that nothing is drawn.
struct FailureRow {
    const char* name;
    Figures figures;
    std::vector<std::string> answers;
    const char* message;
    int asked;
};

class ControlChartFailure : public ::testing::TestWithParam<FailureRow> {};

TEST_P(ControlChartFailure, StopsWithMessageAndDrawsNothing) {
    const FailureRow& row = GetParam();
    ScriptedPrompts prompts{row.answers, {}};
    ChartOutcome chart = buildControlChart(row.figures.texts(), prompts.prompt(), kPoint);
    EXPECT_EQ(chart.kind, OutcomeKind::Failed);
    EXPECT_EQ(chart.message, row.message);
    EXPECT_EQ(chart.style, MessageStyle::ErrorBox);
    EXPECT_EQ(static_cast<int>(prompts.asked.size()), row.asked);
    EXPECT_EQ(chart.values.batchesAsked, row.asked);
    EXPECT_FALSE(chart.values.range) << "the previous range must stay";
    for (const auto& s : chart.values.series) EXPECT_TRUE(s.points.empty()) << s.name;
    EXPECT_EQ(chart.values.series[5].name, "Series6");
}

namespace {
Figures with(std::string Figures::*field, const char* text) {
    Figures f;
    f.*field = text;
    return f;
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlChartFailure,
    ::testing::Values(
        FailureRow{"countNotInteger",
                   with(&Figures::count, "3.5"),
                   {"25", "26", "24"},
                   "'3.5' is not a valid integer value",
                   0},
        FailureRow{
            "countEmpty", with(&Figures::count, ""), {}, "'' is not a valid integer value", 0},
        FailureRow{"countNegative",
                   with(&Figures::count, "-2"),
                   {},
                   "'-2' is not a valid integer value",
                   0},
        FailureRow{"countTrailingBlank",
                   with(&Figures::count, "3 "),
                   {},
                   "'3 ' is not a valid integer value",
                   0},
        FailureRow{"secondBatchEmptyStopsAsking",
                   Figures{},
                   {"25", "", "24"},
                   "'' is not a valid floating point value",
                   2},
        FailureRow{"firstBatchNotNumber",
                   Figures{},
                   {"abc"},
                   "'abc' is not a valid floating point value",
                   1},
        FailureRow{"warningTopAfterAllBatches",
                   with(&Figures::rpr1, "x"),
                   {"25", "26", "24"},
                   "'x' is not a valid floating point value",
                   3},
        FailureRow{"averageLevelIsConvertedLast",
                   with(&Figures::ry, ""),
                   {"25", "26", "24"},
                   "'' is not a valid floating point value",
                   3},
        FailureRow{"correctingBottomBeforeAverage",
                   [] {
                       Figures f;
                       f.ry = "bad-ry";
                       f.rcor2 = "bad-bottom";
                       return f;
                   }(),
                   {"25", "26", "24"},
                   "'bad-bottom' is not a valid floating point value",
                   3},
        FailureRow{"axisRefused",
                   with(&Figures::rcor2, "40"),
                   {"25", "26", "24"},
                   "Axis Minimum Value must be <= Maximum",
                   3}),
    [](const auto& info) { return std::string(info.param.name); });

using ControlChartText = ControlChartBase;

TEST_F(ControlChartText, LinesListRangeAndSeries) {
    Figures f;
    f.count = "2";
    ScriptedPrompts prompts{{"25", "26.5"}, {}};
    ChartOutcome chart = buildControlChart(f.texts(), prompts.prompt(), kPoint);
    auto lines = chartLines(chart, kPoint);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Technological card of concrete strength");
    EXPECT_EQ(lines[1], "Strength of concrete, MPa: 17 to 33");
    EXPECT_EQ(
        lines[2],
        "Series3 \"Limit of correcting\" legend #008000 line #008000 width 3: (0; 30) (2; 30)");
    EXPECT_EQ(lines[6],
              "Series5 \"Average level of strength\" legend #0080ff line #0000ff width 3: (0; 25) "
              "(2; 25)");
    EXPECT_EQ(lines[7],
              "Series6 \"Real strength of concrete\" legend #ff80ff line #ff00ff width 2: (1; 25) "
              "(2; 26.5)");
    EXPECT_EQ(lines[8], "Controllable industrial parties of concrete");
}

// Row names instead of byte dumps in the test output.
void PrintTo(const RangeRow& row, std::ostream* os) {
    *os << row.name;
}
void PrintTo(const FailureRow& row, std::ostream* os) {
    *os << row.name;
}

struct FormatRow {
    const char* name;
    PictureFormat format;
};

class ControlPictureFormat : public ::testing::TestWithParam<FormatRow> {};

TEST_P(ControlPictureFormat, FollowsTheEnding) {
    EXPECT_EQ(pictureFormatForName(GetParam().name), GetParam().format) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlPictureFormat,
    ::testing::Values(
        FormatRow{"chart.bmp", PictureFormat::Bmp},
        FormatRow{"C:\\charts\\Chart.BMP", PictureFormat::Bmp},
        FormatRow{"chart.ico", PictureFormat::Ico}, FormatRow{"chart.png", PictureFormat::Png},
        FormatRow{"chart.Svg", PictureFormat::Svg}, FormatRow{"mychart.wmf", PictureFormat::Emf},
        FormatRow{"chart.emf", PictureFormat::Emf}, FormatRow{"chart.bmp.txt", PictureFormat::Emf},
        FormatRow{"/home/u/pictures.bmp/chart", PictureFormat::Emf},
        FormatRow{"chart.", PictureFormat::Emf}, FormatRow{"", PictureFormat::Emf}));

void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << row.name;
}

TEST(ControlPictureFilters, ListAndSelection) {
    const auto& filters = pictureFilters();
    ASSERT_EQ(filters.size(), 5u);
    EXPECT_EQ(filters[0].caption, "All (*.bmp;*.ico;*.emf;*.wmf)");
    EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.bmp", "*.ico", "*.emf", "*.wmf"}));
    EXPECT_EQ(filters[kSelectedPictureFilter].caption, "Enhanced Metafiles (*.emf)");
    EXPECT_EQ(filters[4].caption, "Metafiles (*.wmf)");
    EXPECT_STREQ(kInitialPictureName, "mychart.wmf");  // no folder: the one the dialog shows
    EXPECT_STREQ(kDefaultPictureExtension, "emf");
}

// The extra margins bring the highest and lowest marks inside the chart, no larger than that,
// and leave the plot at least its minimum share.
struct MarginRow {
    const char* name;
    double lowest, highest;
    double above;              // room above the plot, pixels
    bool top, bottom, capped;  // capped: the plot keeps its minimum share, and a low mark
                               // that fits in the room below the shrunk plot needs no margin
};
void PrintTo(const MarginRow& row, std::ostream* os) {
    *os << row.name;
}

class ControlChartMargins : public ::testing::TestWithParam<MarginRow> {};

TEST_P(ControlChartMargins, MarksFitTightly) {
    const MarginRow& row = GetParam();
    const AxisRange range{17, 33};
    const PlotRoom room{300, row.above, 40, 20, 5};
    const MarkMargins m = marginsForMarks(range, row.lowest, row.highest, room);
    EXPECT_EQ(m.top > 0, row.top);
    EXPECT_EQ(m.bottom > 0, row.bottom);
    const double height = room.plotHeight - m.top - m.bottom;
    if (row.capped) {
        EXPECT_NEAR(height, room.plotHeight * kMinPlotShare, 1e-6);
        return;
    }
    // Pixels from the chart's top edge to the highest mark's top, from the lowest mark's
    // bottom to the chart's bottom edge: zero when the margin is needed, else positive.
    const double topGap =
        room.above + m.top - (row.highest - range.max) / 16 * height - room.markAbove;
    const double bottomGap =
        room.below + m.bottom - (range.min - row.lowest) / 16 * height - room.markBelow;
    EXPECT_GE(topGap, -1e-6);
    EXPECT_GE(bottomGap, -1e-6);
    if (row.top) {
        EXPECT_NEAR(topGap, 0, 1e-6);
    }
    if (row.bottom) {
        EXPECT_NEAR(bottomGap, 0, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlChartMargins,
    ::testing::Values(MarginRow{"within_the_range", 24, 26, 40, false, false, false},
                      MarginRow{"above_the_range", 24, 38, 40, true, false, false},
                      MarginRow{"below_the_range", 12, 26, 40, false, true, false},
                      MarginRow{"both_sides", 12, 38, 40, true, true, false},
                      MarginRow{"label_at_the_top_edge_without_room", 24, 33, 10, true, false,
                                false},
                      MarginRow{"far_beyond_keeps_a_quarter", 12, 1000, 40, true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Long series: the range over every point and level, labels thinned, ticks spaced.
struct LongRangeRow {
    const char* name;
    std::vector<std::string> strengths;
    double min, max;
};

class ControlChartLongRange : public ::testing::TestWithParam<LongRangeRow> {};

TEST_P(ControlChartLongRange, CoversEveryPointAndLevelThreeBeyond) {
    const LongRangeRow& row = GetParam();
    Figures f;
    f.count = std::to_string(row.strengths.size());
    ScriptedPrompts prompts{row.strengths, {}};
    const ChartOutcome chart = buildControlChart(f.texts(), prompts.prompt(), kPoint);
    ASSERT_TRUE(chart.ok()) << chart.message;
    const auto range = rangeCoveringPoints(chart.values);
    ASSERT_TRUE(range);
    EXPECT_DOUBLE_EQ(range->min, row.min);
    EXPECT_DOUBLE_EQ(range->max, row.max);
    EXPECT_EQ(isLongSeries(chart.values), row.strengths.size() > 10);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlChartLongRange,
    ::testing::Values(LongRangeRow{"withinLimits", std::vector<std::string>(12, "25"), 17, 33},
                      LongRangeRow{
                          "highAndLowPoints",
                          {"25", "44", "25", "25", "25", "25", "25", "25", "25", "25", "8"},
                          5,
                          47},
                      LongRangeRow{"tenBatches", std::vector<std::string>(10, "25"), 17, 33}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ControlChartLongFailure, NoRangeWithoutADrawnChart) {
    EXPECT_FALSE(rangeCoveringPoints(ChartValues{}));
}

struct ThinRow {
    const char* name;
    std::vector<LabelBox> boxes;
    std::vector<bool> shown;
};

class ControlChartThinLabels : public ::testing::TestWithParam<ThinRow> {};

TEST_P(ControlChartThinLabels, KeepsTheLimitsOnesAndNoOverlap) {
    EXPECT_EQ(thinLabels(GetParam().boxes), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlChartThinLabels,
    ::testing::Values(
        ThinRow{"apart", {{0, 0, 10, 5, false}, {20, 0, 30, 5, false}}, {true, true}},
        ThinRow{"overlapKeepsFirst", {{0, 0, 10, 5, false}, {5, 0, 15, 5, false}}, {true, false}},
        ThinRow{"beyondLimitsWins",
                {{0, 0, 10, 5, false}, {5, 0, 15, 5, true}, {12, 0, 22, 5, false}},
                {false, true, false}},
        ThinRow{
            "beyondLimitsAlwaysShown", {{0, 0, 10, 5, true}, {1, 0, 11, 5, true}}, {true, true}},
        ThinRow{"differentHeights", {{0, 0, 10, 5, false}, {5, 6, 15, 11, false}}, {true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ControlChartBeyondLimits, WarningOrCorrectingInAnyOrder) {
    const ChartLevels levels{30, 20, 27, 23, 25};
    EXPECT_TRUE(beyondLimits(levels, 27.5));
    EXPECT_TRUE(beyondLimits(levels, 19));
    EXPECT_FALSE(beyondLimits(levels, 26.9));
    EXPECT_TRUE(beyondLimits({20, 30, 23, 27, 25}, 22.5));  // limits typed the other way round
}

struct TickRow {
    const char* name;
    double parties, pixels, labelPixels, step;
};

class ControlChartTicks : public ::testing::TestWithParam<TickRow> {};

TEST_P(ControlChartTicks, StepIsOneTwoOrFiveTimesAPowerOfTen) {
    const TickRow& row = GetParam();
    EXPECT_DOUBLE_EQ(partyTickStep(row.parties, row.pixels, row.labelPixels), row.step);
}

INSTANTIATE_TEST_SUITE_P(Rows, ControlChartTicks,
                         ::testing::Values(TickRow{"fewParties", 10, 500, 30, 1},
                                           TickRow{"yearOfParties", 132, 460, 40, 20},
                                           TickRow{"thousand", 1000, 460, 40, 100},
                                           TickRow{"dates", 132, 460, 72, 50},
                                           TickRow{"noWidth", 132, 0, 40, 20},
                                           TickRow{"noWidthLongJournal", 100000, 0, 40, 10000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ControlChartTitleBlock, NamesMixLimitsPartiesAndDate) {
    Figures f;
    ScriptedPrompts prompts{{"25", "26", "24"}, {}};
    ChartOutcome chart = buildControlChart(f.texts(), prompts.prompt(), kPoint);
    chart.values.mix = "B25 W6";
    chart.values.parties = {{"P-7", "2026-04-01"}, {"P-8", "2026-04-02"}, {"P-9", "2026-04-03"}};
    EXPECT_EQ(chartTitleBlock(chart.values, "2026-12-09", kPoint),
              (std::vector<std::string>{
                  kChartTitle, "Mix: B25 W6",
                  "Average level of strength 25 MPa; limits of warning 23 to 27 MPa; limits of "
                  "correcting 20 to 30 MPa",
                  "Parties P-7 of 2026-04-01 to P-9 of 2026-04-03 (3)", "Printed 2026-12-09"}));
    // The page says what its hollow markers are.
    chart.values.parties[1].predicted = chart.values.parties[2].predicted = true;
    EXPECT_EQ(chartTitleBlock(chart.values, "2026-12-09", kPoint).at(4),
              "Hollow markers: 2 strengths predicted from early results");
}
