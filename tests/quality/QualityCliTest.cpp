// orvan-cli control-verdicts, cusum and conformity, run in-process over the real command table.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"

struct QualityCliRow {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* expected;  // a piece of stdout (code 0) or stderr
};
void PrintTo(const QualityCliRow& row, std::ostream* os) {
    *os << row.name;
}

class QualityCli : public ::testing::TestWithParam<QualityCliRow> {};

TEST_P(QualityCli, PrintsFiguresOrSaysWhyNot) {
    const QualityCliRow& row = GetParam();
    std::vector<std::string> args = row.args;
    args.insert(args.begin(), "orvan-cli");
    std::ostringstream out, err;
    const int code = orvan::cli::runCli(args, out, err);
    EXPECT_EQ(code, row.code) << err.str();
    const std::string where = row.code == 0 ? out.str() : err.str();
    EXPECT_NE(where.find(row.expected), std::string::npos) << where;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QualityCli,
    ::testing::Values(
        QualityCliRow{
            "cusumJson",
            {"cusum", "--target", "25", "--sigma", "1", "--k", "0", "--h", "4", "--strengths",
             "35,20", "--json"},
            0,
            "{\"upper\":[10,5],\"lower\":[0,5],\"signals\":[{\"party\":1,\"side\":\"up\"},"
            "{\"party\":2,\"side\":\"up\"},{\"party\":2,\"side\":\"down\"}],"
            "\"decisionInterval\":4,\"referenceValue\":0,\"lines\":[\"\""},
        QualityCliRow{"cusumDefaultsKAndH",
                      {"cusum", "--target=25", "--sigma=2", "--strengths=25", "--json"},
                      0,
                      "\"decisionInterval\":10,\"referenceValue\":1,"},
        QualityCliRow{"cusumRefusesZeroSigma",
                      {"cusum", "--target", "25", "--sigma", "0", "--strengths", "25"},
                      3,
                      "The standard deviation s must be greater than zero."},
        QualityCliRow{"conformityJson",
                      {"conformity", "--rule", "en206-initial", "--specified", "30", "--strengths",
                       "40,35,25", "--json"},
                      0,
                      "{\"conforms\":false,\"criteria\":[{\"name\":\"mean\",\"passed\":false,"
                      "\"value\":33.333333333333336,\"limit\":34},{\"name\":\"lowest result\","
                      "\"passed\":false,\"value\":25,\"limit\":26}],\"failingResults\":[3],"},
        QualityCliRow{"conformityRefusedRule",
                      {"conformity", "--rule", "en206-continuous", "--specified", "30",
                       "--strengths", "35,35,35"},
                      3,
                      "needs at least 15 results; 3 were given."},
        QualityCliRow{"conformityRefusesNegativeSigma",
                      {"conformity", "--rule", "en206-continuous", "--specified", "30", "--sigma",
                       "-2", "--strengths", "27,27,27,27,27,27,27,27,27,27,27,27,27,27,27"},
                      3,
                      "The standard deviation s must be greater than zero."},
        QualityCliRow{"conformityRefusesZeroSpecified",
                      {"conformity", "--rule", "aci318", "--specified", "0", "--strengths", "35"},
                      3,
                      "The specified strength must be greater than zero."},
        // s15 of 7 x 43, 7 x 37 and 40 is 3 against 0.63 * 4 = 2.52 to 1.37 * 4 = 5.48.
        QualityCliRow{
            "conformitySigmaCheck",
            {"conformity", "--rule", "en206-continuous", "--specified", "30", "--sigma", "4",
             "--strengths", "43,43,43,43,43,43,43,37,37,37,37,37,37,37,40", "--json"},
            0,
            "\"sigmaCheck\":{\"s15\":3,\"low\":2.52,\"high\":5.48,\"valid\":true}"},
        QualityCliRow{
            "conformityAciOneResult",
            {"conformity", "--rule", "aci318", "--specified", "30", "--strengths", "25", "--json"},
            0,
            "{\"conforms\":false,\"criteria\":[{\"name\":\"lowest result\",\"passed\":"
            "false,\"value\":25,\"limit\":26.5}],\"failingResults\":[1],"
            "\"averagesAssessable\":false,\"failingAverages\":[]"},
        QualityCliRow{"conformityCubeSpecimen",
                      {"conformity", "--rule", "en206-initial", "--specified", "30", "--specimen",
                       "cube", "--strengths", "35,33,34"},
                      0,
                      "Edition: EN 206:2013+A2:2021, 8.2.1.3\nCharacteristic strength fck, MPa: "
                      "30.0\nThe specified strength is a cube strength\n"},
        QualityCliRow{"conformityUnknownSpecimen",
                      {"conformity", "--rule", "aci318", "--specified", "30", "--specimen", "prism",
                       "--strengths", "35"},
                      3,
                      "Unknown specimen 'prism': write cylinder or cube."},
        QualityCliRow{"conformityUnknownRule",
                      {"conformity", "--rule", "bs8500", "--specified", "30", "--strengths", "35"},
                      3,
                      "Unknown rule 'bs8500'"},
        QualityCliRow{
            "verdictsJson",
            {"control-verdicts", "edRy=25", "edRpr1=27", "edRpr2=23", "edRcor1=30", "edRcor2=20",
             "--strengths", "25,28,31,19", "--json"},
            0,
            "{\"strengths\":[25,28,31,19],\"verdicts\":[\"within the limits of warning\","
            "\"beyond the top limit of warning\",\"beyond the top limit of correcting\","
            "\"beyond the bottom limit of correcting\"],\"aboveWarning\":2,"
            "\"belowWarning\":1,\"aboveCorrecting\":1,\"belowCorrecting\":1,\"mean\":25.75,"},
        QualityCliRow{"verdictsBadLimit",
                      {"control-verdicts", "edRy=25", "edRpr1=a", "edRpr2=23", "edRcor1=30",
                       "edRcor2=20", "--strengths", "25"},
                      1,
                      "'a' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });
