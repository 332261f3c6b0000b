// orvan-cli control-chart: the control chart of a controlled period, its vertical range and
// its six series, with the batch strengths given by --strengths instead of the prompts.
#include "cli/Commands.h"
#include "common/NumberText.h"
#include "strength_control/calc/ControlChart.h"

namespace orvan::cli {

namespace {

// The strengths are separated by commas, or by semicolons where a comma is the decimal
// separator (a semicolon list is also accepted with a point).
std::vector<std::string> splitStrengths(const std::string& list, NumberFormat format) {
    const char separator = list.find(';') != std::string::npos || format.decimal == ',' ? ';' : ',';
    std::vector<std::string> out;
    if (list.empty()) return out;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = list.find(separator, start);
        out.push_back(list.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return out;
}

std::string pointsJson(const control::ChartSeries& series) {
    std::vector<std::string> points;
    for (const auto& p : series.points) {
        std::string point(1, '[');
        point += jsonNumber(p.x);
        point += ',';
        point += jsonNumber(p.y);
        point += ']';
        points.push_back(std::move(point));
    }
    return jsonArray(points);
}

std::string seriesJson(const control::ChartSeries& series) {
    JsonObject object;
    object.string("name", series.name)
        .string("title", series.title)
        .string("color", series.seriesColor.hex())
        .string("pointColor", series.pointColor.hex())
        .integer("width", series.width)
        .boolean("markers", series.markers)
        .boolean("labels", series.labels)
        .raw("points", pointsJson(series));
    return object.str();
}

CliResult runControlChart(const CliRequest& request) {
    const FieldTexts texts = request.formTexts(control::controlForm());
    std::vector<std::string> strengths;
    if (auto it = request.options.find("strengths"); it != request.options.end())
        strengths = splitStrengths(it->second, request.format);
    // A batch with no strength given answers as a prompt closed empty would.
    auto prompt = [&](int batch, const std::string&) {
        return static_cast<std::size_t>(batch) <= strengths.size() ? strengths[batch - 1]
                                                                   : std::string();
    };
    return controlChartResult(control::buildControlChart(texts, prompt, request.format),
                              request.format);
}

}  // namespace

CliResult controlChartResult(const control::ChartOutcome& chart, NumberFormat format) {
    CliResult result = resultOf(chart, [](JsonObject& json, const control::ChartValues& values) {
        std::vector<std::string> series;
        for (const auto& s : values.series) series.push_back(seriesJson(s));
        json.number("axisMin", values.range->min)
            .number("axisMax", values.range->max)
            .integer("batches", values.batchesAsked)
            .raw("series", jsonArray(series));
    });
    if (chart.ok()) result.lines = control::chartLines(chart, format);
    return result;
}

CliCommand controlChartCommand() {
    CliCommand command;
    command.name = "control-chart";
    command.summary = "control chart of a controlled period: vertical range and six series";
    command.forms = {control::controlForm()};
    command.options = {{"strengths",
                        "the batch strengths in MPa, in order: 25,26,24 (with a comma as decimal "
                        "separator: 25,5;26;24)",
                        true}};
    command.run = runControlChart;
    return command;
}

}  // namespace orvan::cli
