// orvan-cli correct-strength and correct-aggregates, run in-process: report lines, --json
// values, exit codes and messages.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>
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
    args.insert(args.begin(), "orvan-cli");
    std::ostringstream out, err;
    const int code = orvan::cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

// The number after "key": in a JSON object written on one line.
double jsonValue(const std::string& json, const std::string& key) {
    const std::string quoted = "\"" + key + "\":";
    const auto at = json.find(quoted);
    if (at == std::string::npos) return std::nan("");
    return std::strtod(json.c_str() + at + quoted.size(), nullptr);
}

const std::vector<std::string> kStrength{"correct-strength", "edRb1=30", "edC_V1=2.0", "edRb2=20",
                                         "edC_V2=1.6",       "edRtr=25", "edV=180"};
const std::vector<std::string> kAggregates{"correct-aggregates", "edP=600",  "edSC=1200",
                                           "edVoda=180",         "edWp=5",   "edWsc=2",
                                           "edXp_sc=10",         "edYsc_p=5"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

struct CliRow {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* outEnd;  // the end of stdout, or of stderr when the run fails
};
void PrintTo(const CliRow& row, std::ostream* os) {
    *os << row.name;
}

class CorrectionCliRows : public ::testing::TestWithParam<CliRow> {};

TEST_P(CorrectionCliRows, ExitCodeAndOutput) {
    const CliRow& row = GetParam();
    CliRun r = run(row.args);
    EXPECT_EQ(r.code, row.code) << r.err;
    const std::string& text = row.code == 0 ? r.out : r.err;
    const std::string end = row.outEnd;
    ASSERT_GE(text.size(), end.size()) << text;
    EXPECT_EQ(text.substr(text.size() - end.size()), end) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CorrectionCliRows,
    ::testing::Values(
        CliRow{"strength_report", kStrength, 0,
               "UPDATED PARAMETERS\n\nReal value of cement-water ratio: 1.80\n"
               "Updated cement content, kg per cu m: 324\n"
               "Updated amount of mixing water, kg per cu m: 180\n"},
        CliRow{"strength_qualified_names",
               {"correct-strength", "correction.edRb1=30", "correction.edC_V1=2.0",
                "correction.edRb2=20", "correction.edC_V2=1.6", "correction.edRtr=20",
                "correction.edV=200"},
               0,
               "ratio: 1.60\nUpdated cement content, kg per cu m: 320\n"
               "Updated amount of mixing water, kg per cu m: 200\n"},
        CliRow{"strength_comma_separator",
               {"correct-strength", "edRb1=30", "edC_V1=2,0", "edRb2=20", "edC_V2=1,6", "edRtr=25",
                "edV=180", "--decimal-separator=,"},
               0,
               "ratio: 1,80\nUpdated cement content, kg per cu m: 324\n"
               "Updated amount of mixing water, kg per cu m: 180\n"},
        CliRow{"strength_field_missing",
               {"correct-strength", "edRb1=30", "edC_V1=2.0", "edRb2=20", "edC_V2=1.6", "edRtr=25"},
               1,
               "'' is not a valid floating point value\n"},
        CliRow{"strength_equal_points", with(kStrength, {"edRb2=30"}), 1,
               "Floating point division by zero\n"},
        CliRow{"strength_unknown_field", with(kStrength, {"edRb3=1"}), 2, "correction.edRtr\n"},
        CliRow{"aggregates_report", kAggregates, 0,
               "UPDATATED PARAMETERS\n\nUpdated amount of mixing water, kg per cu m: 124\n"
               "Updated amount of sand, kg per cu m: 525\n"
               "Updated quantity of coarse aggregate, kg per cu m: 1331\n\n"
               "Cement content is constant\n"},
        CliRow{"aggregates_shares_add_to_100", with(kAggregates, {"edXp_sc=30", "edYsc_p=70"}), 1,
               "Floating point division by zero\n"},
        CliRow{"aggregates_bad_text", with(kAggregates, {"edWsc=two"}), 1,
               "'two' is not a valid floating point value\n"},
        // 0.5 of 123.93, 524.67 and 1331.40 kg per cu m, after the page's own lines.
        CliRow{"aggregates_mixer_load", with(kAggregates, {"edMixerVolume=0.5"}), 0,
               "Cement content is constant\n\nBATCH WEIGHTS OF ONE MIXER LOAD\n\n"
               "Mixer volume, cu m: 0.5\nMixing water, kg: 62.0\nSand, kg: 262.3\n"
               "Coarse aggregate, kg: 665.7\n"},
        // 313 and 40 kg per cu m of cement and fly ash, 1.5 cu m: 469.5 and 60 kg.
        CliRow{"aggregates_mixer_load_holds_the_binders",
               with(kAggregates, {"edMixerVolume=1.5", "edCement=313", "edFlyAsh=40"}), 0,
               "Coarse aggregate, kg: 1997.1\nCement, kg: 469.5\nFly ash, kg: 60.0\n"},
        CliRow{"aggregates_mixer_load_bad_cement",
               with(kAggregates, {"edMixerVolume=1.5", "edCement=x"}), 1,
               "'x' is not a valid floating point value\n"},
        CliRow{"aggregates_mixer_volume_zero", with(kAggregates, {"edMixerVolume=0"}), 1,
               "The mixer volume must be greater than zero.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct JsonRow {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::pair<const char*, double>> values;  // key, value to 1e-9 relative
    std::size_t lineCount;
};
void PrintTo(const JsonRow& row, std::ostream* os) {
    *os << row.name;
}

class CorrectionCliJson : public ::testing::TestWithParam<JsonRow> {};

TEST_P(CorrectionCliJson, ValuesUnroundedAndLines) {
    const JsonRow& row = GetParam();
    CliRun r = run(with(row.args, {"--json"}));
    ASSERT_EQ(r.code, 0) << r.err;
    for (const auto& [key, value] : row.values)
        EXPECT_NEAR(jsonValue(r.out, key), value, 1e-9 * std::fabs(value))
            << key << " in " << r.out;
    // Every line is a quoted string in the array: count the separators between them.
    const auto lines = r.out.substr(r.out.find("\"lines\":["));
    std::size_t commas = 0;
    for (std::size_t at = 0; (at = lines.find("\",\"", at)) != std::string::npos; ++at) ++commas;
    EXPECT_EQ(commas + 1, row.lineCount) << lines;
}

INSTANTIATE_TEST_SUITE_P(
    Json, CorrectionCliJson,
    ::testing::Values(
        JsonRow{"strength",
                kStrength,
                {{"cementWaterRatio", 1.8}, {"cementContent", 324}, {"waterContent", 180}},
                20},
        JsonRow{"aggregates_clean",
                with(kAggregates, {"edXp_sc=0", "edYsc_p=0"}),
                {{"sand", 600 / 0.95},
                 {"coarseAggregate", 1200 / 0.98},
                 {"water", 180 - 600 / 0.95 * 0.05 - 1200 / 0.98 * 0.02}},
                21},
        JsonRow{"aggregates_mixer_load",
                with(kAggregates, {"edXp_sc=0", "edYsc_p=0", "edMixerVolume=2"}),
                {{"mixerVolume", 2},
                 {"mixerSand", 2 * 600 / 0.95},
                 {"mixerCoarseAggregate", 2 * 1200 / 0.98}},
                28}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Under --lang=ru: the whole report, or the message, in Russian.
class CorrectionCliRussian : public ::testing::TestWithParam<RussianCliRow> {};

TEST_P(CorrectionCliRussian, WholeInRussian) {
    expectRussianOutput(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CorrectionCliRussian,
    ::testing::Values(
        RussianCliRow{"strengthCorrection",
                      {"correct-strength", "edRb1=30", "edC_V1=1.8", "edRb2=40", "edC_V2=2.2",
                       "edRtr=35", "edV=180"},
                      0,
                      R"(Корректировка состава бетона возможна, если известны
2 значения прочности на сжатие и соответствующие им значения
цементно-водного отношения

1.ИСХОДНЫЕ ДАННЫЕ ДЛЯ КОРРЕКТИРОВКИ СОСТАВА БЕТОНА
ПО ПРОЧНОСТИ НА СЖАТИЕ

Первое фактическое значение прочности, МПа: 30
Соответствующее значение Ц/В: 1.8

Второе фактическое значение прочности, МПа: 40
Соответствующее значение Ц/В: 2.2

Требуемое значение прочности, МПа: 35

УТОЧНЁННЫЕ ПАРАМЕТРЫ

Фактическое значение Ц/В: 2.00
Уточнённый расход цемента, кг/м³: 360
Уточнённый расход воды затворения, кг/м³: 180
)"},
        RussianCliRow{"aggregateCorrectionAndBatchTicket",
                      {"correct-aggregates", "edP=700", "edSC=1200", "edVoda=180", "edWp=5",
                       "edWsc=2", "edXp_sc=3", "edYsc_p=4", "edMixerVolume=2", "edCement=300"},
                      0,
                      R"(
1.ИСХОДНЫЕ ДАННЫЕ ДЛЯ КОРРЕКТИРОВКИ СОСТАВА БЕТОНА
ПО ЗЕРНОВОМУ СОСТАВУ И ВЛАЖНОСТИ ЗАПОЛНИТЕЛЕЙ

Исходный расход песка, кг/м³: 700
Влажность песка, %: 5
Содержание крупного заполнителя в песке, %: 4

Исходный расход крупного заполнителя, кг/м³: 1200
Влажность крупного заполнителя, %: 2
Содержание песка в крупном заполнителе, %: 3

Исходный расход воды затворения, кг/м³: 180

УТОЧНЁННЫЕ ПАРАМЕТРЫ

Уточнённый расход воды затворения, кг/м³: 119
Уточнённый расход песка, кг/м³: 729
Уточнённый расход крупного заполнителя, кг/м³: 1232

Расход цемента не изменяется

ДОЗИРОВКА МАТЕРИАЛОВ НА ОДИН ЗАМЕС

Объём смесителя, м³: 2
Вода затворения, кг: 237.3
Песок, кг: 1458.1
Крупный заполнитель, кг: 2464.6
Цемент, кг: 600.0
)"},
        RussianCliRow{"designCorrection",
                      {"correct-designs", "--points",
                       "A:3:30:1.8:180;B:2:34:2.0:180;C:3:40:2.2:180", "--required", "35"},
                      0,
                      R"(КОРРЕКТИРОВКА СОСТАВА БЕТОНА ПО ПАРТИЯМ 3 СОСТАВОВ

Состав A: партий: 3; средняя прочность, МПа: 30.00; Ц/В: 1.80
Состав B: партий: 2; средняя прочность, МПа: 34.00; Ц/В: 2.00
Состав C: партий: 3; средняя прочность, МПа: 40.00; Ц/В: 2.20

Зависимость прочности от цементно-водного отношения R = a + b * Ц/В
Партий: 8
Коэффициент b, МПа: 25.00
Свободный член a, МПа: -15.25
Коэффициент корреляции r: 0.995

Требуемое значение прочности, МПа: 35.0

УТОЧНЁННЫЕ ПАРАМЕТРЫ

Фактическое значение Ц/В: 2.01
Уточнённый расход цемента, кг/м³: 362
Уточнённый расход воды затворения, кг/м³: 180
)"},
        RussianCliRow{"designCorrectionRefused",
                      {"correct-designs", "--points", "A:3:30:1.8:180", "--required", "35"},
                      3,
                      R"(Для корректировки нужны партии не менее чем двух составов; задан 1.
)"}));
