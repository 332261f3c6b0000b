#include "strength_control/calc/ControlChart.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "common/Checked.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"

namespace orvan::control {

namespace {

constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kAverageLegend{0, 128, 255};
constexpr Rgb kFuchsia{255, 0, 255};
constexpr Rgb kStrengthLegend{255, 128, 255};

// Margin between the correcting limits and the ends of the vertical axis, MPa.
constexpr double kRangeMargin = 3.0;

struct Limits {
    double warningTop, warningBottom, correctingTop, correctingBottom, averageLevel;
};

// The limits in the order the chart converts them.
Limits readLimits(const FieldTexts& texts, NumberFormat format) {
    const Form& form = controlForm();
    auto read = [&](const char* name) { return textToFloat(fieldText(texts, form, name), format); };
    Limits limits{};
    limits.warningTop = read("edRpr1");
    limits.warningBottom = read("edRpr2");
    limits.correctingTop = read("edRcor1");
    limits.correctingBottom = read("edRcor2");
    limits.averageLevel = read("edRy");
    return limits;
}

// A horizontal line from x = 0 to x = n.
void drawLevel(ChartSeries& series, double value, int n) {
    series.points.push_back({0.0, value, series.pointColor});
    series.points.push_back({static_cast<double>(n), value, series.pointColor});
}

ChartOutcome stopped(const ChartOutcome& outcome, const std::string& message) {
    ChartValues values;
    values.batchesAsked = outcome.values.batchesAsked;
    values.series = emptySeries();
    return ChartOutcome::failed(message, MessageStyle::ErrorBox, std::move(values));
}

}  // namespace

std::string Rgb::hex() const {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", r, g, b);
    return text;
}

std::array<ChartSeries, kSeriesCount> emptySeries() {
    return {{
        {"Series3", "Limit of correcting", kGreen, kGreen, 3, false, false, -1, {}},
        {"Series4", "Limit of correcting", kGreen, kGreen, 3, false, false, -1, {}},
        {"Series2", "Limit of warning", kRed, kRed, 3, false, false, -1, {}},
        {"Series1", "Limit of warning", kRed, kRed, 3, false, false, -1, {}},
        {"Series5", "Average level of strength", kAverageLegend, kBlue, 3, false, false, -1, {}},
        {"Series6", "Real strength of concrete", kStrengthLegend, kFuchsia, 2, true, true, -1, {}},
    }};
}

const Form& controlForm() {
    static const Form form = fieldsForm(
        "fmPeriod_Control1",
        {
            textField("edRy", {"Enter average level of strength, MPa"}, ""),
            textField("edCountParty",
                      {"Enter quantity of controllable industrial parties of concrete"}, "3"),
            textField("edRpr1", {"Top limit of warning:"}, ""),
            textField("edRpr2", {"Bottom limit of warning:"}, ""),
            textField("edRcor1", {"Top limit of correcting:"}, ""),
            textField("edRcor2", {"Bottom limit of correcting:"}, ""),
        });
    return form;
}

const Form& batchPromptForm() {
    static const Form form =
        fieldsForm("fmPeriod_Control3", {textField("edRi", {"Strength in 1 party, MPa:"}, "")});
    return form;
}

std::string batchPromptText(int batch) {
    return "Strength in " + std::to_string(batch) + " party, MPa:";
}

ChartOutcome buildControlChart(const FieldTexts& texts, const BatchPrompt& prompt,
                               NumberFormat format) {
    ChartOutcome outcome;
    outcome.values.series = emptySeries();
    try {
        const std::string countText = fieldText(texts, controlForm(), "edCountParty");
        const int n = textToInt(countText);
        // A negative count cannot be drawn: refuse it as a count that is not one.
        if (n < 0) throw Fault(invalidIntegerMessage(countText));

        std::vector<double> batchStrength;
        batchStrength.reserve(static_cast<std::size_t>(std::min(n, 1000)));
        for (int i = 1; i <= n; ++i) {
            ++outcome.values.batchesAsked;
            batchStrength.push_back(textToFloat(prompt(i, batchPromptText(i)), format));
        }

        const Limits limits = readLimits(texts, format);
        const AxisRange range{checked::sub(limits.correctingBottom, kRangeMargin),
                              checked::add(limits.correctingTop, kRangeMargin)};
        if (range.min > range.max) return stopped(outcome, kAxisRefusal);
        outcome.values.range = range;

        auto& s = outcome.values.series;
        drawLevel(s[0], limits.correctingTop, n);
        drawLevel(s[1], limits.correctingBottom, n);
        drawLevel(s[2], limits.warningTop, n);
        drawLevel(s[3], limits.warningBottom, n);
        drawLevel(s[4], limits.averageLevel, n);
        for (int i = 1; i <= n; ++i)
            s[5].points.push_back({static_cast<double>(i), batchStrength[i - 1], s[5].pointColor});
    } catch (const Fault& fault) {
        return stopped(outcome, fault.what());
    }
    outcome.kind = OutcomeKind::Done;
    return outcome;
}

const std::vector<PictureFilter>& pictureFilters() {
    static const std::vector<PictureFilter> filters{
        {"All (*.bmp;*.ico;*.emf;*.wmf)", {"*.bmp", "*.ico", "*.emf", "*.wmf"}},
        {"Bitmaps (*.bmp)", {"*.bmp"}},
        {"Icons (*.ico)", {"*.ico"}},
        {"Enhanced Metafiles (*.emf)", {"*.emf"}},
        {"Metafiles (*.wmf)", {"*.wmf"}},
    };
    return filters;
}

// A point v maps to the plot's top minus (v - max) / (max - min) of the plot's height. With
// extra margins t and b the height is H - t - b, so the highest mark fits when
//   kt (H - t - b) + markAbove <= above + t,   kt = (highest - max) / (max - min),
// and the lowest likewise; the two are solved together by alternating (each step is a
// contraction, kt / (1 + kt) < 1).
MarkMargins marginsForMarks(const AxisRange& range, double lowest, double highest,
                            const PlotRoom& room) {
    const double span = range.max - range.min;
    if (!(span > 0) || !(room.plotHeight > 0)) return {};
    const double kt = (highest - range.max) / span, kb = (range.min - lowest) / span;
    MarkMargins m;
    for (int step = 0; step < 60; ++step) {
        const double H = room.plotHeight;
        const double top =
            1 + kt > 0 ? (kt * (H - m.bottom) + room.markAbove - room.above) / (1 + kt) : 0;
        m.top = std::max(0.0, top);
        const double bottom =
            1 + kb > 0 ? (kb * (H - m.top) + room.markBelow - room.below) / (1 + kb) : 0;
        m.bottom = std::max(0.0, bottom);
    }
    const double most = room.plotHeight * (1 - kMinPlotShare);
    if (m.top + m.bottom > most) {
        const double scale = most / (m.top + m.bottom);
        m.top *= scale;
        m.bottom *= scale;
    }
    return m;
}

bool isLongSeries(const ChartValues& chart) {
    return chart.batchesAsked > kMaxTypedBatches;
}

ChartLevels chartLevels(const ChartValues& chart) {
    auto level = [&](int index) {
        const auto& points = chart.series[static_cast<std::size_t>(index)].points;
        return points.empty() ? 0.0 : points.front().y;
    };
    return {level(0), level(1), level(2), level(3), level(4)};
}

std::optional<AxisRange> rangeCoveringPoints(const ChartValues& chart) {
    if (!chart.range) return std::nullopt;
    const ChartLevels l = chartLevels(chart);
    double lowest = std::min(
        {l.correctingTop, l.correctingBottom, l.warningTop, l.warningBottom, l.averageLevel});
    double highest = std::max(
        {l.correctingTop, l.correctingBottom, l.warningTop, l.warningBottom, l.averageLevel});
    for (const ChartPoint& p : chart.series.back().points) {
        lowest = std::min(lowest, p.y);
        highest = std::max(highest, p.y);
    }
    return AxisRange{lowest - kRangeMargin, highest + kRangeMargin};
}

bool beyondLimits(const ChartLevels& l, double strength) {
    const double top = std::min(std::max(l.warningTop, l.warningBottom),
                                std::max(l.correctingTop, l.correctingBottom));
    const double bottom = std::max(std::min(l.warningTop, l.warningBottom),
                                   std::min(l.correctingTop, l.correctingBottom));
    return strength > top || strength < bottom;
}

std::vector<bool> thinLabels(const std::vector<LabelBox>& boxes) {
    std::vector<bool> shown(boxes.size(), false);
    std::vector<const LabelBox*> kept;
    auto overlaps = [&](const LabelBox& b) {
        for (const LabelBox* k : kept)
            if (b.left < k->right && k->left < b.right && b.top < k->bottom && k->top < b.bottom)
                return true;
        return false;
    };
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].mustShow) shown[i] = true, kept.push_back(&boxes[i]);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (!boxes[i].mustShow && !overlaps(boxes[i])) shown[i] = true, kept.push_back(&boxes[i]);
    return shown;
}

double partyTickStep(double visibleParties, double axisPixels, double labelPixels) {
    if (!(visibleParties > 0)) return 1;
    // A chart not laid out yet has no width: about ten ticks, as its axis begins with, rather
    // than a tick a party (a hundred thousand labels made for a long journal's CUSUM).
    const double least =
        axisPixels > 0 ? visibleParties * labelPixels / axisPixels : visibleParties / 10;
    for (double power = 1;; power *= 10)
        for (double factor : {1.0, 2.0, 5.0})
            if (factor * power >= least || power > 1e9) return factor * power;
}

int predictedCount(const std::vector<PartyText>& parties) {
    return static_cast<int>(std::count_if(parties.begin(), parties.end(),
                                          [](const PartyText& p) { return p.predicted; }));
}

std::vector<std::string> chartTitleBlock(const ChartValues& chart, const std::string& printed,
                                         NumberFormat format) {
    std::vector<std::string> lines{reportText(kChartTitle)};
    if (!chart.mix.empty()) lines.push_back(reportText("Mix: ") + chart.mix);
    const ChartLevels l = chartLevels(chart);
    auto text = [&](double v) { return formatGeneral15(v, format); };
    if (chart.range)
        lines.push_back(
            reportText("Average level of strength %1 MPa; limits of warning %2 to "
                       "%3 MPa; limits of correcting %4 to %5 MPa",
                       {text(l.averageLevel), text(l.warningBottom), text(l.warningTop),
                        text(l.correctingBottom), text(l.correctingTop)}));
    const int n = chart.batchesAsked;
    auto party = [&](int batch) {
        if (static_cast<std::size_t>(batch) > chart.parties.size()) return std::to_string(batch);
        const PartyText& p = chart.parties[static_cast<std::size_t>(batch - 1)];
        return p.number + (p.date.empty() ? "" : reportText(" of ") + p.date);
    };
    if (chart.range && n > 0)
        lines.push_back(
            reportText("Parties %1 to %2 (%3)", {party(1), party(n), std::to_string(n)}));
    if (const int predicted = predictedCount(chart.parties); predicted > 0)
        lines.push_back(reportText("Hollow markers: %1 strengths predicted from early results",
                                   {std::to_string(predicted)}));
    lines.push_back(reportText("Printed ") + printed);
    return lines;
}

std::vector<std::string> cusumTitleBlock(double target, double sigma, double k, double h,
                                         int parties, const std::string& printed,
                                         NumberFormat format) {
    auto text = [&](double v) { return formatGeneral15(v, format); };
    const std::string count = std::to_string(parties);
    return {reportText("CUSUM of the strengths of the parties"),
            reportText("Target mean T %1 MPa; standard deviation s %2 MPa; k %3; h %4",
                       {text(target), text(sigma), text(k), text(h)}),
            reportText("Parties %1 to %2 (%3)", {"1", count, count}),
            reportText("Printed ") + printed};
}

PictureFormat pictureFormatForName(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    const std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return PictureFormat::Emf;
    std::string extension = fileName.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "bmp") return PictureFormat::Bmp;
    if (extension == "ico") return PictureFormat::Ico;
    if (extension == "png") return PictureFormat::Png;
    if (extension == "svg") return PictureFormat::Svg;
    return PictureFormat::Emf;
}

std::vector<std::string> chartLines(const ChartOutcome& chart, NumberFormat format) {
    std::vector<std::string> lines;
    lines.push_back(reportText(kChartTitle));
    if (chart.values.range)
        lines.push_back(reportText(kAxisTitle) + ": " +
                        reportText("%1 to %2", {formatGeneral15(chart.values.range->min, format),
                                                formatGeneral15(chart.values.range->max, format)}));
    for (const auto& series : chart.values.series) {
        std::string line = series.name + " \"" + reportText(series.title) + "\"" +
                           reportText(" legend ") + series.seriesColor.hex() +
                           reportText(" line ") + series.pointColor.hex() + reportText(" width ") +
                           std::to_string(series.width) + ":";
        for (const auto& point : series.points)
            line += " (" + formatGeneral15(point.x, format) + "; " +
                    formatGeneral15(point.y, format) + ")";
        lines.push_back(line);
    }
    lines.push_back(reportText(kChartFooter));
    return lines;
}

}  // namespace orvan::control
