// orvan-cli control-chart, run in-process over the real command table.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"

namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), {"orvan-cli", "control-chart"});
    std::ostringstream out, err;
    int code = orvan::cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

const std::vector<std::string> kFigures = {"edRy=25",    "edRpr1=27",  "edRpr2=23",
                                           "edRcor1=30", "edRcor2=20", "edCountParty=3"};

std::vector<std::string> figuresAnd(std::vector<std::string> more) {
    std::vector<std::string> args = kFigures;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

}  // namespace

struct ControlCliRow {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* expected;  // a piece of stdout (code 0) or stderr
};

class ControlCli : public ::testing::TestWithParam<ControlCliRow> {};

TEST_P(ControlCli, PrintsChartOrFails) {
    const ControlCliRow& row = GetParam();
    CliRun result = run(row.args);
    EXPECT_EQ(result.code, row.code) << result.err;
    const std::string& where = row.code == 0 ? result.out : result.err;
    EXPECT_NE(where.find(row.expected), std::string::npos) << where;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlCli,
    ::testing::Values(
        ControlCliRow{"json", figuresAnd({"--strengths", "25,26,24", "--json"}), 0,
                      "{\"axisMin\":17,\"axisMax\":33,\"batches\":3,\"series\":[{\"name\":"
                      "\"Series3\",\"title\":\"Limit of correcting\",\"color\":\"#008000\","
                      "\"pointColor\":\"#008000\",\"width\":3,\"markers\":false,\"labels\":false,"
                      "\"points\":[[0,30],[3,30]]}"},
        ControlCliRow{"jsonLastSeries", figuresAnd({"--strengths=25,26.5,24", "--json"}), 0,
                      "{\"name\":\"Series6\",\"title\":\"Real strength of concrete\",\"color\":"
                      "\"#ff80ff\",\"pointColor\":\"#ff00ff\",\"width\":2,\"markers\":true,"
                      "\"labels\":true,\"points\":[[1,25],[2,26.5],[3,24]]}]"},
        ControlCliRow{"lines", figuresAnd({"--strengths", "25,26,24"}), 0,
                      "Strength of concrete, MPa: 17 to 33\n"},
        ControlCliRow{"commaSeparator",
                      figuresAnd({"--decimal-separator=,", "--strengths", "25,5;26;24"}), 0,
                      "(1; 25,5) (2; 26) (3; 24)"},
        ControlCliRow{"tooFewStrengthsAnswerEmpty", figuresAnd({"--strengths", "25,26"}), 1,
                      "'' is not a valid floating point value"},
        ControlCliRow{"badStrength", figuresAnd({"--strengths", "25,x,24"}), 1,
                      "'x' is not a valid floating point value"},
        ControlCliRow{"badCount",
                      {"edCountParty=three", "--strengths", "25"},
                      1,
                      "'three' is not a valid integer value"},
        ControlCliRow{"defaultsHaveNoLimits",
                      {"--strengths", "25,26,24"},
                      1,
                      "'' is not a valid floating point value"},
        ControlCliRow{"axisRefused", figuresAnd({"edRcor2=37", "--strengths", "1,2,3"}), 1,
                      "Axis Minimum Value must be <= Maximum"},
        ControlCliRow{"zeroBatches", figuresAnd({"edCountParty=0", "--json"}), 0,
                      "\"points\":[[0,25],[0,25]]},{\"name\":\"Series6\""},
        ControlCliRow{"helpListsFieldsAndOption", {"--help"}, 0, "--strengths VALUE"}),
    [](const auto& info) { return std::string(info.param.name); });

void PrintTo(const ControlCliRow& row, std::ostream* os) {
    *os << row.name;
}
