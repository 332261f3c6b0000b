// The correction by strength from the parties of designs: with two designs the correction by
// two points itself, with more the line over every party; and orvan-cli correct-designs.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "correction/calc/DesignCorrection.h"

using namespace orvan;
using namespace orvan::correction;

namespace {

constexpr NumberFormat kPoint{'.'};

int runCli(std::vector<std::string> args, std::string& out) {
    args.insert(args.begin(), "orvan-cli");
    std::ostringstream o, e;
    const int code = cli::runCli(args, o, e);
    out = o.str() + e.str();
    return code;
}

}  // namespace

TEST(DesignCorrection, TwoDesignsAreTheCorrectionByTwoPointsOfTheirMeans) {
    // Means that are no short decimals, so that the round-trip texts matter.
    const DesignCorrectionInputs in{{{"B25 old", 1.7, 175, {27.1, 28.4, 26.9}, 0, 0},
                                     {"B25 new", 1.95, 182, {31.2, 32.5, 30.8, 31.9}, 0, 0}},
                                    30};
    const auto out = correctFromDesigns(in, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    const auto& p = out.values.points;
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].parties, 3);
    EXPECT_EQ(p[1].strength, (31.2 + 32.5 + 30.8 + 31.9) / 4);
    const FieldTexts texts{{"edRb1", formatRoundTrip(p[0].strength)},
                           {"edC_V1", "1.7"},
                           {"edRb2", formatRoundTrip(p[1].strength)},
                           {"edC_V2", "1.95"},
                           {"edRtr", "30"},
                           {"edV", "182"}};
    const auto two = runStrengthCorrection(texts, kPoint);
    ASSERT_TRUE(two.ok());
    EXPECT_EQ(out.values.correction.ratio, two.values.ratio);
    EXPECT_EQ(out.values.correction.cement, two.values.cement);
    EXPECT_EQ(out.values.water, 182);
    ASSERT_EQ(out.lines.size(), two.lines.size() + 5);
    EXPECT_EQ(std::vector<std::string>(out.lines.begin() + 5, out.lines.end()), two.lines);
    EXPECT_EQ(out.lines[3],
              "Design B25 new: parties: 4; mean strength, MPa: 31.60; cement-water ratio: 1.95");
    // orvan-cli correct-designs gives the values correct-strength gives for the same texts.
    std::string designs, strength;
    ASSERT_EQ(
        runCli({"correct-designs", "--points",
                "old:3:" + texts.at("edRb1") + ":1.7:175;new:4:" + texts.at("edRb2") + ":1.95:182",
                "--required", "30", "--json"},
               designs),
        0)
        << designs;
    std::vector<std::string> args = {"correct-strength", "--json"};
    for (const auto& [name, text] : texts) args.push_back(name + "=" + text);
    ASSERT_EQ(runCli(args, strength), 0) << strength;
    const std::string values = strength.substr(1, strength.find(",\"lines\"") - 1);
    EXPECT_NE(designs.find("\"required\":30,\"water\":182}," + values + ",\"lines\":"),
              std::string::npos)
        << designs << "\n"
        << values;
}

TEST(DesignCorrection, ThreeDesignsFitTheLineOverEveryParty) {
    // Parties 19, 21 at C/W 1.6; 24, 26 at 1.8; 29, 31 at 2.0: means 20, 25, 30 about 25 and
    // 1.8; Sxx = 2 (0.04 + 0.04) = 0.16, Sxy = 2 (1 + 1) = 4, Syy = 3 * 2 + 2 (25 + 25) = 106;
    // b = 25, a = 25 - 25 * 1.8 = -20, r = 4 / sqrt(16.96) = 0.971286; for 27.5 MPa
    // C/W = (27.5 + 20) / 25 = 1.9 and cement 180 * 1.9 = 342.
    const DesignCorrectionInputs in{{{"D1", 1.6, 175, {19, 21}, 0, 0},
                                     {"D2", 1.8, 178, {24, 26}, 0, 0},
                                     {"D3", 2.0, 180, {29, 31}, 0, 0}},
                                    27.5};
    const auto out = correctFromDesigns(in, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    ASSERT_TRUE(out.values.line);
    const DesignLine& l = *out.values.line;
    EXPECT_EQ(l.parties, 6);
    EXPECT_NEAR(l.slope, 25, 1e-9);  // tolerance: C/W such as 1.6 are not exact in binary
    EXPECT_NEAR(l.intercept, -20, 1e-9);
    EXPECT_NEAR(*l.correlation, 0.9712858623, 1e-9);
    EXPECT_NEAR(out.values.correction.ratio, 1.9, 1e-12);
    const std::vector<std::string> tail = {
        "Line of strength against cement-water ratio R = a + b * C/W",
        "Parties: 6",
        "Slope b, MPa: 25.00",
        "Intercept a, MPa: -20.00",
        "Correlation coefficient r: 0.971",
        "",
        "Necessary value of strength, MPa: 27.5",
        "",
        "UPDATED PARAMETERS",
        "",
        "Real value of cement-water ratio: 1.90",
        "Updated cement content, kg per cu m: 342",
        "Updated amount of mixing water, kg per cu m: 180",
    };
    EXPECT_EQ(std::vector<std::string>(out.lines.end() - 13, out.lines.end()), tail);
}

struct DesignRefusalRow {
    const char* name;
    std::vector<DesignSample> designs;
    OutcomeKind kind;
    const char* message;
};
void PrintTo(const DesignRefusalRow& row, std::ostream* os) {
    *os << row.name;
}

class DesignRefusals : public ::testing::TestWithParam<DesignRefusalRow> {};

TEST_P(DesignRefusals, SayWhy) {
    const auto out = correctFromDesigns({GetParam().designs, 25}, kPoint);
    EXPECT_EQ(out.kind, GetParam().kind);
    EXPECT_EQ(out.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DesignRefusals,
    ::testing::Values(
        DesignRefusalRow{"oneDesign",
                         {{"D1", 1.6, 175, {}, 3, 20}},
                         OutcomeKind::Refused,
                         "The correction needs the parties of at least two designs; 1 was given."},
        DesignRefusalRow{"designWithoutParties",
                         {{"D1", 1.6, 175, {}, 3, 20}, {"D2", 1.8, 175, {}, 0, 0}},
                         OutcomeKind::Refused,
                         "The design D2 has no parties."},
        DesignRefusalRow{"fourPartiesOfThreeDesigns",
                         {{"D1", 1.6, 175, {}, 2, 20},
                          {"D2", 1.8, 175, {25}, 0, 0},
                          {"D3", 2.0, 175, {}, 1, 30}},
                         OutcomeKind::Refused,
                         "The line over the designs needs at least 5 parties; 4 were given."},
        DesignRefusalRow{
            "oneRatioOnly",
            {{"D1", 1.8, 175, {}, 2, 20}, {"D2", 1.8, 175, {}, 2, 25}, {"D3", 1.8, 175, {}, 2, 30}},
            OutcomeKind::Refused,
            "The line over the designs needs at least two different cement-water "
            "ratios; all 3 designs have the same."},
        DesignRefusalRow{"twoEqualStrengthsDivideByZero",
                         {{"D1", 1.6, 175, {}, 3, 25}, {"D2", 1.8, 175, {}, 3, 25}},
                         OutcomeKind::Failed,
                         "Floating point division by zero"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesignCorrectionCli, RefusesAPointNotWrittenInFiveParts) {
    std::string out;
    EXPECT_EQ(runCli({"correct-designs", "--points", "D1:3:20:1.6", "--required", "25"}, out), 3);
    EXPECT_EQ(out, "The design 'D1:3:20:1.6' is not written DESIGN:PARTIES:STRENGTH:CW:WATER.\n");
}
