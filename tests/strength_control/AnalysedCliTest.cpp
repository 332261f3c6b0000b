// orvan-cli analysed-period, run in-process: fields and --extracts files for both layouts,
// --json values, and the errors that say what is wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/Cli.h"
#include "common/NumberText.h"
#include "tests/cli/RussianCli.h"

namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), {"orvan-cli", "analysed-period"});
    std::ostringstream out, err;
    const int code = orvan::cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

// The 5x6 example as fields: every party 20, 22, ..., 30.
std::vector<std::string> wideFields() {
    std::vector<std::string> args;
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 6; ++j)
            args.push_back("edR" + std::to_string(i) + "_" + std::to_string(j) + "=" +
                           std::to_string(18 + 2 * j));
    return args;
}

std::vector<std::string> tallFields() {
    std::vector<std::string> args{"rgCount_Party=1"};
    const char* values[] = {"24", "25", "27"};
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 3; ++j)
            args.push_back("edR" + std::to_string(i) + "_" + std::to_string(j) + "=" +
                           values[j - 1]);
    return args;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A file in the test's temporary folder, removed with the fixture.
class AnalysedCli : public ::testing::Test {
protected:
    std::string write(const std::string& content) {
        std::string path =
            ::testing::TempDir() + "analysed_extracts_" + std::to_string(files_.size()) + ".txt";
        std::ofstream(path, std::ios::binary) << content;
        files_.push_back(path);
        return path;
    }
    void TearDown() override {
        for (const auto& path : files_) std::remove(path.c_str());
    }
    std::vector<std::string> files_;
};

std::string lastLine(const std::string& text) {
    std::string trimmed = text.substr(0, text.find_last_not_of('\n') + 1);
    return trimmed.substr(trimmed.rfind('\n') + 1);
}

double jsonValue(const std::string& json, const std::string& key) {
    const std::string quoted = "\"" + key + "\":";
    const auto at = json.find(quoted);
    if (at == std::string::npos) return std::nan("");
    return std::strtod(json.c_str() + at + quoted.size(), nullptr);
}

std::string tallFile() {
    std::string content;
    for (int i = 0; i < 10; ++i) content += "24;25;27\r\n";
    return content;
}

struct ErrorRow {
    const char* name;
    std::vector<std::string> args;
    const char* fileContent;  // written to a file given as --extracts, when not null
    int code;
    const char* errStart;  // "{file}" stands for the --extracts file's path
};

TEST_F(AnalysedCli, FiveBySixFromFields) {
    const CliRun r = run(wideFields());
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    int count = 0;
    for (std::string line; std::getline(lines, line);) ++count;
    EXPECT_EQ(count, 73);
    EXPECT_EQ(lastLine(r.out), "Bottom limit of correcting, MPa: 11.6");
}

TEST_F(AnalysedCli, TenByThreeFromFileEqualsFields) {
    const CliRun fromFields = run(tallFields());
    const CliRun fromFile = run({"rgCount_Party=1", "--extracts", write(tallFile())});
    ASSERT_EQ(fromFile.code, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, fromFields.out);
    EXPECT_EQ(lastLine(fromFile.out), "Bottom limit of correcting, MPa: 8.0 MPa");
}

TEST_F(AnalysedCli, JsonValues) {
    const CliRun r = run(tallFields() + std::vector<std::string>{"--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NEAR(jsonValue(r.out, "overallVariation"), 7.007163, 5e-7);
    EXPECT_NEAR(jsonValue(r.out, "averageLevel"), 11.188029, 5e-7);
    EXPECT_NEAR(jsonValue(r.out, "warningTop"), 13.195586, 5e-7);
    EXPECT_NEAR(jsonValue(r.out, "warningBottom"), 9.180472, 5e-7);
    EXPECT_NEAR(jsonValue(r.out, "correctingTop"), 14.355642, 5e-7);
    EXPECT_NEAR(jsonValue(r.out, "correctingBottom"), 8.020416, 5e-7);
    for (const char* key :
         {"\"partyMean\":[", "\"partyDeviation\":[", "\"partyVariation\":[", "\"lines\":["})
        EXPECT_NE(r.out.find(key), std::string::npos) << key;
}

TEST_F(AnalysedCli, CommaSeparatorInFileWithTabs) {
    std::string content;
    for (int i = 0; i < 10; ++i) content += "24,0\t25\t27,0\n";
    const CliRun r =
        run({"rgCount_Party=1", "edB=10,0", "--decimal-separator=,", "--extracts", write(content)});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("First extract - 24,0 MPa\n"), std::string::npos);
    EXPECT_EQ(lastLine(r.out), "Bottom limit of correcting, MPa: 8,0 MPa");
}

TEST_F(AnalysedCli, Errors) {
    const std::string shortLine =
        "24,25,27\n24,25,27\n24,25\n" +
        std::string("24,25,27\n24,25,27\n24,25,27\n24,25,27\n24,25,27\n24,25,27\n24,25,27\n");
    const ErrorRow rows[] = {
        {"ClassNotANumber", wideFields() + std::vector<std::string>{"edB=ten"}, nullptr, 1,
         "Data error (edB: 'ten' is not a valid floating point value)"},
        {"EmptyFieldLastParty", tallFields() + std::vector<std::string>{"edR10_3="}, nullptr, 1,
         "Data error (edR10_3: '' is not a valid floating point value)"},
        {"FieldsMissing",
         {"rgCount_Party=1"},
         nullptr,
         1,
         "Data error (edR1_1: '' is not a valid floating point value)"},
        {"PartyOfZeros",
         wideFields() + std::vector<std::string>{"edR2_1=0", "edR2_2=0", "edR2_3=0", "edR2_4=0",
                                                 "edR2_5=0", "edR2_6=0"},
         nullptr, 1, "Data error (party 2: Invalid floating point operation)"},
        {"FieldOfTheOtherLayout", tallFields() + std::vector<std::string>{"edR1_6=3"}, nullptr, 1,
         "edR1_6 is not a field of the layout of 10 parties of 3 extracts"},
        {"TenthPartyInFiveBySix", wideFields() + std::vector<std::string>{"edR10_1=3"}, nullptr, 1,
         "edR10_1 is not a field of the layout of 5 parties of 6 extracts"},
        {"UnknownItem", {"rgCount_Party=2"}, nullptr, 1, "rgCount_Party is the item index"},
        {"WrongExtractCountNamesTheLine",
         {"rgCount_Party=1"},
         shortLine.c_str(),
         1,
         "{file}: Line 3 holds 2 extracts; each party needs 3.\n"},
        {"WrongPartyCount",
         {},
         "20,22,24,26,28,30\n",
         1,
         "{file}: The block holds 1 line; the period needs 5 parties, one per line.\n"},
        {"FileAndFields",
         {"rgCount_Party=1", "edR1_1=5"},
         "x",
         1,
         "give the extracts either in --extracts or as fields, not both"},
        {"UnknownField", {"edR11_1=5"}, nullptr, 2, "orvan-cli analysed-period: unknown field"},
        {"MissingFile",
         {"--extracts", "/nonexistent/extracts.txt"},
         nullptr,
         1,
         "cannot read the extracts file '/nonexistent/extracts.txt'"},
    };
    for (const ErrorRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = row.args;
        std::string path;
        if (row.fileContent) {
            path = write(row.fileContent);
            args.insert(args.end(), {"--extracts", path});
        }
        const CliRun r = run(args);
        EXPECT_EQ(r.code, row.code);
        EXPECT_EQ(r.out, "");
        std::string expected = row.errStart;
        if (auto at = expected.find("{file}"); at != std::string::npos)
            expected.replace(at, 6, path);
        EXPECT_EQ(r.err.rfind(expected, 0), 0u) << r.err;
    }
}

TEST_F(AnalysedCli, HelpListsBothDialogsFields) {
    std::ostringstream out, err;
    ASSERT_EQ(orvan::cli::runCli({"orvan-cli", "analysed-period", "--help"}, out, err), 0);
    EXPECT_NE(out.str().find("fmPeriod_Analiz1.edB  \"Strength of concrete, MPa\"  default \"10\""),
              std::string::npos);
    EXPECT_NE(out.str().find("edR10_3"), std::string::npos);
    EXPECT_NE(out.str().find("--extracts VALUE"), std::string::npos);
}

}  // namespace

// Under --lang=ru: the whole report, or the message, in Russian.
class AnalysedCliRussian : public ::testing::TestWithParam<RussianCliRow> {};

TEST_P(AnalysedCliRussian, WholeInRussian) {
    expectRussianOutput(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnalysedCliRussian,
    ::testing::Values(
        RussianCliRow{
            "analysedPeriod",
            {"analysed-period", "edB=20",    "edR1_1=29", "edR1_2=30", "edR1_3=31", "edR1_4=32",
             "edR1_5=28",       "edR1_6=29", "edR2_1=30", "edR2_2=32", "edR2_3=29", "edR2_4=31",
             "edR2_5=28",       "edR2_6=30", "edR3_1=31", "edR3_2=29", "edR3_3=32", "edR3_4=30",
             "edR3_5=28",       "edR3_6=31", "edR4_1=32", "edR4_2=31", "edR4_3=30", "edR4_4=29",
             "edR4_5=28",       "edR4_6=32", "edR5_1=28", "edR5_2=28", "edR5_3=28", "edR5_4=28",
             "edR5_5=28",       "edR5_6=28"},
            0,
            R"(
1. ИСХОДНЫЕ ДАННЫЕ ДЛЯ СТАТИСТИЧЕСКОГО КОНТРОЛЯ

Анализируемый период: 5 партий бетона.
Прочность бетона в каждой партии определена по 6 выборкам.
Прочность в 1-й партии:
1-я выборка - 29 МПа
2-я выборка - 30 МПа
3-я выборка - 31 МПа
4-я выборка - 32 МПа
5-я выборка - 28 МПа
6-я выборка - 29 МПа
Прочность во 2-й партии:
1-я выборка - 30 МПа
2-я выборка - 32 МПа
3-я выборка - 29 МПа
4-я выборка - 31 МПа
5-я выборка - 28 МПа
6-я выборка - 30 МПа
Прочность в 3-й партии:
1-я выборка - 31 МПа
2-я выборка - 29 МПа
3-я выборка - 32 МПа
4-я выборка - 30 МПа
5-я выборка - 28 МПа
6-я выборка - 31 МПа
Прочность в 4-й партии:
1-я выборка - 32 МПа
2-я выборка - 31 МПа
3-я выборка - 30 МПа
4-я выборка - 29 МПа
5-я выборка - 28 МПа
6-я выборка - 32 МПа
Прочность в 5-й партии:
1-я выборка - 28 МПа
2-я выборка - 28 МПа
3-я выборка - 28 МПа
4-я выборка - 28 МПа
5-я выборка - 28 МПа
6-я выборка - 28 МПа

2. РЕЗУЛЬТАТЫ АНАЛИЗИРУЕМОГО ПЕРИОДА

Средняя прочность в партиях, МПа:
1-я партия: 29.8
2-я партия: 30.0
3-я партия: 30.2
4-я партия: 30.3
5-я партия: 28.0

Средние квадратические отклонения в партиях:
1-я партия: 1.60
2-я партия: 1.60
3-я партия: 1.60
4-я партия: 1.60
5-я партия: 0.00

Коэффициенты вариации в партиях:
1-я партия: 5.36
2-я партия: 5.33
3-я партия: 5.30
4-я партия: 5.27
5-я партия: 0.00

Коэффициент вариации за период: 4.26

Средний уровень прочности, МПа: 21.4

Верхняя предупредительная граница, МПа: 22.4
Нижняя предупредительная граница, МПа: 20.3

Верхняя граница регулирования, МПа: 23.0
Нижняя граница регулирования, МПа: 19.7
)"},
        RussianCliRow{"analysedFault",
                      {"analysed-period", "edR1_1=x"},
                      1,
                      R"(Ошибка в данных (edR1_1: «x» не является правильным вещественным числом)
)"}));
