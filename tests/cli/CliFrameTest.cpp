// The command-line frame: field names, defaults, options, exit codes and output forms,
// over a small table of its own.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "common/NumberText.h"

using namespace orvan;
using namespace orvan::cli;

namespace {

const Form kFirst = fieldsForm(
    "fmFirst", {textField("edA", {"A value"}, "1.5"), textField("edShared", {"Shared"}, "x")});
const Form kSecond = fieldsForm(
    "fmSecond", {textField("edShared", {"Shared too"}, "y"), textField("rgPick", {"Pick"}, "0")});

std::vector<CliCommand> table() {
    CliCommand echo{"echo",
                    "echoes its fields",
                    {kFirst, kSecond},
                    {{"strengths", "comma-separated strengths", true}, {"flag", "a flag", false}},
                    [](const CliRequest& request) {
                        CliResult result = doneResult({});
                        auto first = request.formTexts(kFirst);
                        auto second = request.formTexts(kSecond);
                        result.lines = {first["edA"], first["edShared"], second["edShared"],
                                        second["rgPick"],
                                        request.has("strengths") ? request.options.at("strengths") : "-",
                                        request.has("flag") ? "flag" : "-"};
                        double a = textToFloat(first["edA"], request.format);
                        result.lines.push_back(formatFixed(a, 1, request.format));
                        result.values.number("a", a);
                        return result;
                    }};
    CliCommand fail{
        "fail", "always fails", {}, {}, [](const CliRequest&) { return failedResult("Error"); }};
    CliCommand refuse{"refuse", "always refuses", {}, {}, [](const CliRequest&) {
                          return refusedResult("Not enough data");
                      }};
    return {echo, fail, refuse};
}

struct Run {
    int code;
    std::string out, err;
};

Run run(std::vector<std::string> args) {
    args.insert(args.begin(), "orvan-cli");
    std::ostringstream out, err;
    int code = runCli(table(), args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace

TEST(CliFrame, DefaultsAndGivenFields) {
    auto r = run({"echo", "edA=2.25", "fmSecond.edShared=z", "rgPick=1", "--strengths", "25,26"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "2.25\nx\nz\n1\n25,26\n-\n2.3\n");
}

TEST(CliFrame, ExitCodesAndMessages) {
    struct Row {
        std::vector<std::string> args;
        int code;
        const char* errContains;
    } rows[] = {
        {{"fail"}, 1, "Error"},
        {{"refuse"}, 3, "Not enough data"},
        {{"nosuch"}, 2, "unknown command 'nosuch'"},
        {{"echo", "edAA=1"}, 2, "nearest known fields: fmFirst.edA"},
        {{"echo", "edShared=1"}, 2, "fmFirst.edShared, fmSecond.edShared"},
        {{"echo", "--nosuch"}, 2, "unknown option '--nosuch'"},
        {{"echo", "--strengths"}, 2, "needs a value"},
        {{"echo", "stray"}, 2, "expected NAME=TEXT"},
        {{"echo", "edA=abc"}, 1, "'abc' is not a valid floating point value"},
        {{"echo", "--decimal-separator=ab"}, 2, "one character"},
    };
    for (const auto& row : rows) {
        auto r = run(row.args);
        EXPECT_EQ(r.code, row.code) << row.args[0];
        EXPECT_NE(r.err.find(row.errContains), std::string::npos) << r.err;
    }
}

TEST(CliFrame, JsonHoldsValuesAndLines) {
    auto r = run({"echo", "--json", "edA=0.1", "--flag"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "{\"a\":0.1,\"lines\":[\"0.1\",\"x\",\"y\",\"0\",\"-\",\"flag\",\"0.1\"]}\n");
}

TEST(CliFrame, DecimalSeparatorAppliesToInputAndOutput) {
    auto r = run({"echo", "--decimal-separator=,", "edA=2,25"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\n2,3\n"), std::string::npos) << r.out;
    auto again = run({"echo", "edA=2,25"});  // the next run is back to the point
    EXPECT_EQ(again.code, 1);
}

TEST(CliFrame, HelpListsCommandsAndFields) {
    auto top = run({"--help"});
    EXPECT_EQ(top.code, 0);
    EXPECT_NE(top.out.find("echo"), std::string::npos);
    auto fields = run({"echo", "--help"});
    EXPECT_EQ(fields.code, 0);
    EXPECT_NE(fields.out.find("fmFirst.edA  \"A value\"  default \"1.5\""), std::string::npos)
        << fields.out;
    EXPECT_NE(fields.out.find("--strengths VALUE"), std::string::npos);
    EXPECT_EQ(run({}).code, 2);
}

TEST(CliFrame, RealTableHasEveryCommand) {
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"orvan-cli", "--help"}, out, err), 0);
    for (const char* name :
         {"mix", "correct-strength", "correct-aggregates", "analysed-period", "control-chart",
          "control-verdicts", "cusum", "conformity"})
        EXPECT_NE(out.str().find(name), std::string::npos) << name;
}
