#pragma once
// The control chart of a controlled period: five horizontal lines (the correcting and warning
// limits and the average level of strength, read off the analysed-period report) and the
// strengths of the controlled batches, against a vertical range three MPa beyond the
// correcting limits.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Fault.h"
#include "common/Form.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::control {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    std::string hex() const;  // "#rrggbb"
    bool operator==(const Rgb&) const = default;
};

struct ChartPoint {
    double x = 0;
    double y = 0;  // MPa
    Rgb color;     // the colour of the point and of the segment that ends in it
    bool operator==(const ChartPoint&) const = default;
};

struct ChartSeries {
    std::string name;      // component name, "Series3"
    std::string title;     // legend text
    Rgb seriesColor;       // what the legend shows
    Rgb pointColor;        // what the line is drawn in
    int width = 1;         // pixels
    bool markers = false;  // square marker at every point
    bool labels = false;   // every point labelled with its value
    // The labels' decimals; -1: as the chart shows a typed strength (up to 15 significant
    // digits). A party mean from the journal is labelled as its table shows it, 2 decimals.
    int labelDecimals = -1;
    std::vector<ChartPoint> points;
};

struct AxisRange {
    double min = 0;
    double max = 0;
    bool operator==(const AxisRange&) const = default;
};

inline constexpr int kSeriesCount = 6;

// The six series in legend and drawing order, empty.
std::array<ChartSeries, kSeriesCount> emptySeries();

inline constexpr const char* kChartTitle = "Technological card of concrete strength";
inline constexpr const char* kChartFooter = "Controllable industrial parties of concrete";
inline constexpr const char* kAxisTitle = "Strength of concrete, MPa";
inline constexpr const char* kAxisRefusal = "Axis Minimum Value must be <= Maximum";

// The fields of the input dialog fmPeriod_Control1 and of the batch prompt fmPeriod_Control3.
const Form& controlForm();
const Form& batchPromptForm();

// "Strength in 1 party, MPa:"
std::string batchPromptText(int batch);

// Asks the strength of batch i (1-based) with the prompt's text; returns the text of edRi
// as it stood when the prompt closed, whichever button closed it.
using BatchPrompt = std::function<std::string(int batch, const std::string& promptText)>;

// A party of a chart taken from the journal, as the journal shows it.
struct PartyText {
    std::string number;      // the journal's party number
    std::string date;        // ISO date
    bool predicted = false;  // its 28-day strength predicted from an early one, not tested
    bool operator==(const PartyText&) const = default;
};

// How many of `parties` stand on a chart with a predicted strength.
int predictedCount(const std::vector<PartyText>& parties);

// What the building drew.
struct ChartValues {
    int batchesAsked = 0;
    // Batch i (1-based) is party i - 1 here; empty for batches typed at the prompt.
    std::vector<PartyText> parties;
    std::string mix;  // the journal's mix, "" for typed batches
    // The vertical range to set; empty when the building stopped, so the previous range stays.
    std::optional<AxisRange> range;
    // Always six series; their points are empty when the building stopped.
    std::array<ChartSeries, kSeriesCount> series;
};

// Failed: the runtime's message (or kAxisRefusal), for the error box.
using ChartOutcome = Outcome<ChartValues>;

// Builds the chart from the dialog's texts, asking each batch strength in turn.
// Order of conversions: the count, each batch strength as it is answered, then warningTop,
// warningBottom, correctingTop, correctingBottom, averageLevel. Never throws.
ChartOutcome buildControlChart(const FieldTexts& texts, const BatchPrompt& prompt,
                               NumberFormat format);

// Batch marks (marker and value label) stand whole even where a strength lies outside the
// vertical range: the plot area gives up height to extra margins above and below it until
// the highest and lowest marks fit inside the chart. Pixels, measured without extra margins.
struct PlotRoom {
    double plotHeight = 0;  // the plot area's height
    double above = 0;       // from the chart's top edge to the plot area's top
    double below = 0;       // from the plot area's bottom to the chart's bottom edge
    double markAbove = 0;   // how far a mark reaches above its point (marker and label)
    double markBelow = 0;   // and below it
};
struct MarkMargins {
    double top = 0, bottom = 0;  // extra pixels, never negative
    bool operator==(const MarkMargins&) const = default;
};
// The plot area keeps at least this share of its height; strengths beyond that fall outside.
inline constexpr double kMinPlotShare = 0.25;
MarkMargins marginsForMarks(const AxisRange& range, double lowest, double highest,
                            const PlotRoom& room);

// Long series (the journal's year of parties). The prompt asks at most this many batches; a
// chart of more is drawn for reading a long series: a range over every point, labels thinned,
// the rest in tooltips, zoom and scroll.
inline constexpr int kMaxTypedBatches = 10;
bool isLongSeries(const ChartValues& chart);

// The five levels as drawn (from the first point of each line); all zero without them.
struct ChartLevels {
    double correctingTop = 0, correctingBottom = 0, warningTop = 0, warningBottom = 0,
           averageLevel = 0;
};
ChartLevels chartLevels(const ChartValues& chart);

// Every batch strength and every level, kRangeMargin (the ten-batch chart's margin) beyond the
// lowest and the highest. Empty without a drawn chart.
std::optional<AxisRange> rangeCoveringPoints(const ChartValues& chart);

// A strength beyond a warning or a correcting limit (limits in any order, as drawn).
bool beyondLimits(const ChartLevels& levels, double strength);

// A value label's place (pixels) and whether it must stand whatever it overlaps.
struct LabelBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool mustShow = false;
};
// Which labels to draw: every one that must, then the others in order where they overlap none
// already kept.
std::vector<bool> thinLabels(const std::vector<LabelBox>& boxes);

// The step between party ticks: 1, 2 or 5 times a power of ten parties, the smallest that puts
// ticks at least `labelPixels` apart over `axisPixels` showing `visibleParties` (about ten
// ticks while the axis has no width yet).
double partyTickStep(double visibleParties, double axisPixels, double labelPixels);

// The title block of the chart's page: what was charted and when it was printed. `printed` is
// the date as the page shows it.
std::vector<std::string> chartTitleBlock(const ChartValues& chart, const std::string& printed,
                                         NumberFormat format);

// The title block of the CUSUM chart's page: T and s (MPa), k and h as given, the parties.
std::vector<std::string> cusumTitleBlock(double target, double sigma, double k, double h,
                                         int parties, const std::string& printed,
                                         NumberFormat format);

// Saving the chart as a picture: the save dialog's filter entries (caption, patterns) with the
// Enhanced Metafile entry selected, its initial name and default extension.
struct PictureFilter {
    std::string caption;
    std::vector<std::string> patterns;
};
const std::vector<PictureFilter>& pictureFilters();
inline constexpr int kSelectedPictureFilter = 3;  // "Enhanced Metafiles (*.emf)"
// A bare name: the save dialog proposes it in the folder it shows.
inline constexpr const char* kInitialPictureName = "mychart.wmf";
inline constexpr const char* kDefaultPictureExtension = "emf";

// The format a file name gets: ".bmp", ".ico", ".png" and ".svg" (any letter case) theirs,
// every other name an Enhanced Metafile (".wmf" included: no Windows metafile is written).
enum class PictureFormat { Bmp, Ico, Png, Svg, Emf };
PictureFormat pictureFormatForName(const std::string& fileName);

// The chart's data as text lines, for the command-line tool.
std::vector<std::string> chartLines(const ChartOutcome& chart, NumberFormat format);

}  // namespace orvan::control
