// orvan-cli mix run in-process: the report on stdout, --json values, the in-run dialogs
// answered from the given fields, --options-file, exit codes and messages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/Cli.h"
#include "common/NumberText.h"
#include "mixdesign/calc/OptionsFile.h"
#include "tests/cli/RussianCli.h"

namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), {"orvan-cli", "mix"});
    std::ostringstream out, err;
    const int code = orvan::cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

// The value after "key": in a JSON object written on one line, as text.
std::string jsonText(const std::string& json, const std::string& key) {
    const std::string quoted = "\"" + key + "\":";
    const auto at = json.find(quoted);
    if (at == std::string::npos) return "(absent)";
    const auto start = at + quoted.size();
    return json.substr(start, json.find_first_of(",}", start) - start);
}

std::vector<std::string> lines(const std::string& out) {
    std::vector<std::string> result;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(MixCoreCli, DefaultReportOnStdout) {
    CliRun r = run({});
    EXPECT_EQ(r.code, 0) << r.err;
    auto report = lines(r.out);
    ASSERT_EQ(report.size(), 30u);
    EXPECT_EQ(report[0], "1. INITIAL DATA FOR PROPORTIONING ");
    EXPECT_EQ(report[29], "Amount of mixing water, kg per cu m: 172");
}

TEST(MixCoreCli, JsonCarriesEveryValueAndTheLines) {
    CliRun r = run({"--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    for (const char* key :
         {"aggregateFactor", "waterCementRatio", "waterContent", "cementContent", "coarseAggregate",
          "sand", "calculatedStrength", "targetStrength", "cementStrength", "entrainedAir",
          "flyAshContent", "grainSpacing", "lines"})
        EXPECT_NE(jsonText(r.out, key), "(absent)") << key;
    EXPECT_EQ(jsonText(r.out, "steamCuredStrength"), "null");
    EXPECT_EQ(jsonText(r.out, "aggregateFactor"), "0.5815");
    EXPECT_EQ(jsonText(r.out, "waterContent"), "172.16");
    EXPECT_NEAR(std::strtod(jsonText(r.out, "sand").c_str(), nullptr), 756.1, 0.05);
}

struct CliRow {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string key;       // a --json key, or "" to look at the report
    std::string expected;  // its value text, or a report line, or the start of stderr
};
void PrintTo(const CliRow& row, std::ostream* os) {
    *os << row.name;
}

class MixCoreCliRows : public ::testing::TestWithParam<CliRow> {};
TEST_P(MixCoreCliRows, ExitCodeAndResult) {
    const CliRow& row = GetParam();
    std::vector<std::string> args = row.args;
    if (!row.key.empty()) args.push_back("--json");
    CliRun r = run(args);
    EXPECT_EQ(r.code, row.code) << r.err;
    if (row.code != 0) {
        EXPECT_EQ(r.err.substr(0, row.expected.size()), row.expected) << r.err;
    } else if (!row.key.empty()) {
        EXPECT_EQ(jsonText(r.out, row.key), row.expected);
    } else {
        auto report = lines(r.out);
        EXPECT_NE(std::find(report.begin(), report.end(), row.expected), report.end()) << r.out;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MixCoreCliRows,
    ::testing::Values(
        CliRow{"stronger_cement_copies_edMarkCem",
               {"fmOptions.rgEconomy=0", "economy.rgEconomy=1", "edMarkCem=45"},
               0,
               "",
               "\xD0\xA1ompressive strength of cement, MPa: 45"},
        CliRow{"stronger_cement_given",
               {"fmOptions.rgEconomy=0", "economy.rgEconomy=1", "edMarka_C=60"},
               0,
               "cementStrength",
               "60"},
        CliRow{
            "fly_ash", {"fmOptions.rgEconomy=0", "economy.rgEconomy=2"}, 0, "flyAshContent", "150"},
        CliRow{"steam_curing",
               {"rgProparka=0", "edT_vuderz=8", "rgYskoriteli=2"},
               0,
               "",
               "Calcium chloride is used as an accelerator at he time of steam curing"},
        CliRow{"frost", {"rgFrost=0", "edMarka_F=200"}, 0, "", "Number of freeze-thaw cycles: 200"},
        CliRow{"water_pressure", {"rgWaterproof=0", "edW=700"}, 0, "waterCementRatio", "0.4"},
        CliRow{"comma_separator",
               {"--decimal-separator=,", "edMkr_P=2,0"},
               0,
               "",
               "Water-cement ratio: 0,84"},
        CliRow{"bad_input_is_error", {"edClassBet=x"}, 1, "", "Error"},
        CliRow{"bad_in_run_entry",
               {"rgFrost=0", "edMarka_F=many"},
               1,
               "",
               "'many' is not a valid floating point value"},
        CliRow{"refused_technique",
               {"rgFrost=0", "fmOptions.rgEconomy=0", "economy.rgEconomy=1"},
               3,
               "",
               "This decision is not recommended"},
        CliRow{
            "refused_aggregate_kind", {"rgZapolnitel=3"}, 3, "", "The kind of coarse aggregates"},
        CliRow{"impossible_mix_refused", {"edYdoboykl=200"}, 3, "", "The mix cannot be made: "},
        CliRow{
            "radio_text_not_integer", {"rgFrost=yes"}, 1, "", "'yes' is not a valid integer value"},
        CliRow{"ambiguous_field", {"rgEconomy=0"}, 2, "", "orvan-cli mix: field 'rgEconomy'"}));

class MixCoreCliOptionsFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "mixcli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(MixCoreCliOptionsFile, RecordLoadedAsTheDialogDoes) {
    orvan::mix::OptionsFileRecord record;
    record.indices[5] = 1;  // gravel
    record.indices[2] = 0;  // reinforced
    std::string path = (dir_ / "options.slv").string();
    std::ofstream(path, std::ios::binary) << orvan::mix::encodeOptionsRecord(record);
    CliRun r = run({"--options-file", path});
    ASSERT_EQ(r.code, 0) << r.err;
    auto report = lines(r.out);
    EXPECT_NE(std::find(report.begin(), report.end(), "The gravels are used as coarse aggregates"),
              report.end());
    EXPECT_NE(std::find(report.begin(), report.end(), "Cement content, kg per cu m: 220"),
              report.end());
    // given fields still override the file
    CliRun crushed = run({"--options-file", path, "rgZapolnitel=0"});
    EXPECT_NE(crushed.out.find("The crushed stones are used as coarse aggregates"),
              std::string::npos);
}

TEST_F(MixCoreCliOptionsFile, MissingOrShortFileKeepsTheDefaults) {
    std::string shortFile = (dir_ / "short.slv").string();
    std::ofstream(shortFile, std::ios::binary) << std::string(47, '\0');
    CliRun defaults = run({});
    EXPECT_EQ(run({"--options-file", (dir_ / "absent.slv").string()}).out, defaults.out);
    EXPECT_EQ(run({"--options-file", shortFile}).out, defaults.out);
}

}  // namespace

// Under --lang=ru: the whole report, or the message, in Russian.
class MixCliRussian : public ::testing::TestWithParam<RussianCliRow> {};

TEST_P(MixCliRussian, WholeInRussian) {
    expectRussianOutput(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MixCliRussian,
    ::testing::Values(
        RussianCliRow{"proportioning",
                      {"mix"},
                      0,
                      R"(1. ИСХОДНЫЕ ДАННЫЕ ДЛЯ ПОДБОРА СОСТАВА 

Прочность бетона на сжатие в возрасте 28 суток, МПа: 20
Задана подвижность бетонной смеси (осадка конуса, см)
Показатель удобоукладываемости: 0 см
Температура бетонной смеси, °C: 20

Активность цемента, МПа: 50
Нормальная густота цементного теста, %: 28

Модуль крупности песка: 2.0
Насыпная плотность песка, кг/м³: 1400
Содержание глины в комках и слабых зёрен в песке, %: 1.0

В качестве крупного заполнителя применяется щебень
Наибольшая крупность зёрен щебня (гравия), мм: 20
Насыпная плотность крупного заполнителя, кг/м³: 1350
Содержание глины в комках и слабых зёрен в крупном заполнителе, %: 0.5


4. ТЕХНОЛОГИЧЕСКИЕ РЕШЕНИЯ ПО СНИЖЕНИЮ РАСХОДА ЦЕМЕНТА
Технологические решения по снижению расхода цемента не применяются

6. РЕЗУЛЬТАТЫ ПОДБОРА СОСТАВА
Водоцементное отношение: 0.84
Расчётная прочность бетона на сжатие в возрасте 28 суток, МПа: 20.0
Расход цемента, кг/м³: 205
Расход крупного заполнителя, кг/м³: 1280
Расход песка, кг/м³: 756
Расход воды затворения, кг/м³: 172
)"},
        RussianCliRow{
            "proportioningRefused",
            {"mix", "fmOptions.rgZapolnitel=5"},
            3,
            R"(Вид крупного заполнителя не указан (ни щебень, ни гравий): выберите его в параметрах подбора состава
)"}));
