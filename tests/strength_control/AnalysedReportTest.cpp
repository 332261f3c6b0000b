// The analysed-period report of both layouts, line by line: the input as typed, the unit
// texts in Latin and in mixed script, the misspelt party prefixes, the figures and tails.
#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "strength_control/calc/AnalysedPeriod.h"

namespace an = orvan::analysed;

namespace {

// " МPа" spelt out byte by byte in UTF-8: blank, Cyrillic Em (D0 9C), Latin P, Cyrillic a
// (D0 B0).
const std::string kMixed = "\x20\xD0\x9C\x50\xD0\xB0";
const std::string kLatin = " MPa";

std::vector<std::string> runReport(const an::AnalysedPeriodLayout& layout,
                                   const an::ExtractTexts& texts, const std::string& b,
                                   orvan::NumberFormat format = orvan::NumberFormat{}) {
    const auto outcome = an::computeAnalysedPeriod(layout, texts, b, format);
    EXPECT_TRUE(outcome.ok()) << outcome.values.cause;
    return an::writeAnalysedPeriodReport(layout, outcome.values.result, format);
}

std::vector<std::string> expectedFiveBySix() {
    const char* headings[] = {"first", "second", "third", "fourth", "fifth"};
    const char* parties[] = {"First", "Second", "Third", "Fourth", "Fifth"};
    const char* extracts[] = {"First", "Second", "Third", "Fourth", "Fifth", "Sixth"};
    const char* values[] = {"20", "22", "24", "26", "28", "30"};
    std::vector<std::string> l = {
        "", "1. INITIAL DATA FOR STATISTICAL CONTROL", "",
        "The duration of the analyzed period is 5 parties of concrete.",
        "In each batch the concrete strength is determined in 6 extracts."};
    for (int i = 0; i < 5; ++i) {
        l.push_back(std::string("Strength in ") + headings[i] + " party:");
        for (int j = 0; j < 6; ++j)
            l.push_back(std::string(extracts[j]) + " extract - " + values[j] +
                        (i == 0 && j == 0 ? kLatin : kMixed));
    }
    l.insert(l.end(), {"", "2. RESULTS OF THE ANALYZED PERIOD", "",
                       "Average strength in parties," + kMixed + ":"});
    for (auto* p : parties) l.push_back(std::string(p) + " party: 25.0");
    l.insert(l.end(), {"", "Standard deviations in the parties:"});
    for (auto* p : parties) l.push_back(std::string(p) + " party: 4.00");
    l.insert(l.end(), {"", "Coefficient of variation in the parties:"});
    for (auto* p : parties) l.push_back(std::string(p) + " party: 16.00");
    l.insert(
        l.end(),
        {"", "Overall coefficient of variation: 16.00", "", "Average level of strength, MPa: 16.6",
         "", "Top limit of warning, MPa: 19.9", "Bottom limit of warning, MPa: 13.4", "",
         "Top limit of correcting, MPa: 21.7", "Bottom limit of correcting, MPa: 11.6"});
    return l;
}

std::vector<std::string> expectedTenByThree() {
    const char* headings[] = {"first", "second",  "third", "fourth", "fifth",
                              "sixth", "seventh", "eigth", "ninth",  "tenth"};
    const char* parties[] = {"First", "Second",  "Third", "Fourth", "Fifth",
                             "Sixth", "Seventh", "Eigth", "Ninth",  "Tenth"};
    const char* extracts[] = {"First", "Second", "Third"};
    const char* values[] = {"24", "25", "27"};
    std::vector<std::string> l = {
        "", "1. INITIAL DATA FOR STATISTICAL CONTROL", "",
        "The duration of the analyzed period is 10 parties of concrete.",
        "In each batch the concrete strength is determined in 3 extracts."};
    for (int i = 0; i < 10; ++i) {
        l.push_back(std::string("Strength in ") + headings[i] + " party:");
        for (int j = 0; j < 3; ++j)
            l.push_back(std::string(extracts[j]) + " extract - " + values[j] + kLatin);
    }
    l.insert(l.end(), {"", "2. RESULTS OF THE ANALYZED PERIOD", "",
                       "Average strength in parties," + kMixed + ":"});
    for (auto* p : parties) l.push_back(std::string(p) + " party: 25.3");
    l.insert(l.end(), {"", "Standard deviations in the parties:"});
    for (auto* p : parties) l.push_back(std::string(p) + " party: 1.78");
    l.insert(l.end(), {"", "Coefficient of variation in the parties:"});
    for (int i = 0; i < 10; ++i)
        l.push_back(std::string(i == 3 ? "Fouth" : parties[i]) + " party: 7.01");
    l.insert(l.end(),
             {"", "Overall coefficient of variation: 7.01", "",
              "Average level of strength, MPa: 11.2 MPa", "", "Top limit of warning, MPa: 13.2 MPa",
              "Bottom limit of warning, MPa: 9.2 MPa", "", "Top limit of correcting, MPa: 14.4 MPa",
              "Bottom limit of correcting, MPa: 8.0 MPa"});
    return l;
}

struct ReportRow {
    const char* name;
    const an::AnalysedPeriodLayout* layout;
    std::vector<std::string> party;
    std::vector<std::string> (*expected)();
    std::size_t lineCount;
};

class AnalysedReport : public ::testing::TestWithParam<ReportRow> {};

TEST_P(AnalysedReport, EveryLineOfTheExample) {
    const ReportRow& row = GetParam();
    const auto lines =
        runReport(*row.layout, an::ExtractTexts(row.layout->partyCount, row.party), "10");
    const auto expected = row.expected();
    ASSERT_EQ(expected.size(), row.lineCount);  // the expectation itself is complete
    ASSERT_EQ(lines.size(), row.lineCount);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Rows, AnalysedReport,
                         ::testing::Values(ReportRow{"FiveBySix",
                                                     &an::fiveBySixLayout(),
                                                     {"20", "22", "24", "26", "28", "30"},
                                                     expectedFiveBySix,
                                                     73},
                                           ReportRow{"TenByThree",
                                                     &an::tenByThreeLayout(),
                                                     {"24", "25", "27"},
                                                     expectedTenByThree,
                                                     93}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnalysedReportText, MixedScriptUnitBytes) {
    const auto& layout = an::fiveBySixLayout();
    const auto lines =
        runReport(layout, an::ExtractTexts(5, {"20", "22", "24", "26", "28", "30"}), "10");
    ASSERT_EQ(lines.size(), 73u);
    // Line 7 is party 1, extract 1: plain ASCII; line 8 on carry the mixed-script unit.
    EXPECT_EQ(lines[6], "First extract - 20 MPa");
    const std::string tail = lines[7].substr(lines[7].size() - 6);
    EXPECT_EQ(std::vector<unsigned char>(tail.begin(), tail.end()),
              (std::vector<unsigned char>{0x20, 0xD0, 0x9C, 0x50, 0xD0, 0xB0}));
    int mixed = 0, latin = 0;
    for (const auto& line : lines) {
        if (line.find(" extract - ") == std::string::npos) continue;
        if (line.size() >= kMixed.size() &&
            line.compare(line.size() - kMixed.size(), kMixed.size(), kMixed) == 0)
            ++mixed;
        if (line.size() >= kLatin.size() &&
            line.compare(line.size() - kLatin.size(), kLatin.size(), kLatin) == 0)
            ++latin;
    }
    EXPECT_EQ(mixed, 29);
    EXPECT_EQ(latin, 1);
}

TEST(AnalysedReportText, ExtractTextsAsTypedAndFiguresInLocaleSeparator) {
    const auto& layout = an::tenByThreeLayout();
    an::ExtractTexts texts(10, {"24.00", "  25 ", "2,7e1"});
    const auto lines = runReport(layout, texts, "10", orvan::NumberFormat{','});
    ASSERT_EQ(lines.size(), 93u);
    EXPECT_EQ(lines[6], "First extract - 24.00 MPa");
    EXPECT_EQ(lines[7], "Second extract -   25  MPa");
    EXPECT_EQ(lines[8], "Third extract - 2,7e1 MPa");
    EXPECT_EQ(lines[49], "First party: 25,3");
    EXPECT_EQ(lines[92], "Bottom limit of correcting, MPa: 8,0 MPa");
}

TEST(AnalysedReportText, HalvesRoundAwayFromZero) {
    // A party mean of exactly 0.25 reads 0.3 in one decimal.
    const auto& layout = an::fiveBySixLayout();
    an::ExtractTexts texts(5, {"0.1875", "0.3125", "0.25", "0.25", "0.25", "0.25"});
    const auto lines = runReport(layout, texts, "10");
    ASSERT_EQ(lines.size(), 73u);
    EXPECT_EQ(lines[44], "First party: 0.3");
    EXPECT_EQ(lines[51], "First party: 0.05");  // range 0.125 / 2.5
}

TEST(AnalysedReportText, NoLinesForAnIncompleteResult) {
    EXPECT_TRUE(
        an::writeAnalysedPeriodReport(an::tenByThreeLayout(), {}, orvan::NumberFormat{}).empty());
}

TEST(AnalysedReportText, Title) {
    EXPECT_EQ(an::analysedReportTitle(12),
              "Statistical control. Analyzed period. Window \xE2\x84\x96"
              "12");
}

}  // namespace
