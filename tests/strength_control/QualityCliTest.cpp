// orvan-cli control-verdicts, cusum and conformity, run in-process over the real command table.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "tests/cli/RussianCli.h"

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

// Under --lang=ru: the whole report, or the message, in Russian.
class QualityCliRussian : public ::testing::TestWithParam<RussianCliRow> {};

TEST_P(QualityCliRussian, WholeInRussian) {
    expectRussianOutput(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QualityCliRussian,
    ::testing::Values(
        RussianCliRow{"controlChart",
                      {"control-chart", "edRy=30", "edCountParty=2", "edRpr1=33", "edRpr2=27",
                       "edRcor1=35", "edRcor2=25", "--strengths", "31,26"},
                      0,
                      R"(Контрольная карта прочности бетона
Прочность бетона, МПа: от 22 до 38
Series3 "Граница регулирования" легенда #008000 линия #008000 толщина 3: (0; 35) (2; 35)
Series4 "Граница регулирования" легенда #008000 линия #008000 толщина 3: (0; 25) (2; 25)
Series2 "Предупредительная граница" легенда #ff0000 линия #ff0000 толщина 3: (0; 33) (2; 33)
Series1 "Предупредительная граница" легенда #ff0000 линия #ff0000 толщина 3: (0; 27) (2; 27)
Series5 "Средний уровень прочности" легенда #0080ff линия #0000ff толщина 3: (0; 30) (2; 30)
Series6 "Фактическая прочность бетона" легенда #ff80ff линия #ff00ff толщина 2: (1; 31) (2; 26)
Контролируемые производственные партии бетона
)"},
        RussianCliRow{"verdicts",
                      {"control-verdicts", "edRy=30", "edCountParty=3", "edRpr1=33", "edRpr2=27",
                       "edRcor1=35", "edRcor2=25", "--strengths", "31,26,36"},
                      0,
                      R"(
ОЦЕНКА КОНТРОЛИРУЕМОГО ПЕРИОДА

Средний уровень прочности, МПа: 30.0
Верхняя предупредительная граница, МПа: 33.0
Нижняя предупредительная граница, МПа: 27.0
Верхняя граница регулирования, МПа: 35.0
Нижняя граница регулирования, МПа: 25.0

Партия 1: 31.0 МПа - в пределах предупредительных границ
Партия 2: 26.0 МПа - ниже нижней предупредительной границы
Партия 3: 36.0 МПа - выше верхней границы регулирования

Партий выше верхней предупредительной границы: 1
Партий ниже нижней предупредительной границы: 1
Партий выше верхней границы регулирования: 1
Партий ниже нижней границы регулирования: 0

Средняя прочность за период, МПа: 31.0
Среднее квадратическое отклонение, МПа: 5.00
Коэффициент вариации, %: 16.13
)"},
        RussianCliRow{"cusum",
                      {"cusum", "--target", "25", "--sigma", "1", "--k", "0.5", "--h", "4",
                       "--strengths", "35,20,26"},
                      0,
                      R"(
КУМУЛЯТИВНЫЕ СУММЫ (CUSUM) ПРОЧНОСТИ ПАРТИЙ

Целевое среднее T, МПа: 25.0
Среднее квадратическое отклонение s, МПа: 1.00
Опорное значение K = 0.5 * s, МПа: 0.50
Интервал решения H = 4 * s, МПа: 4.00
T: введено
s: введено

Партия: прочность, верхняя сумма C+, нижняя сумма C-, МПа
1: 35.0; 9.50; 0.00
2: 20.0; 4.00; 4.50
3: 26.0; 4.50; 3.00

Сигналов: 3
Партия 1: верхняя сумма 9.50 больше H - прочность сместилась вверх
Партия 2: нижняя сумма 4.50 больше H - прочность сместилась вниз
Партия 3: верхняя сумма 4.50 больше H - прочность сместилась вверх
)"},
        RussianCliRow{"cusumRefused",
                      {"cusum", "--target", "25", "--sigma", "0", "--strengths", "25"},
                      3,
                      R"(Среднее квадратическое отклонение s должно быть больше нуля.
)"},
        RussianCliRow{"conformityEn206Initial",
                      {"conformity", "--rule", "en206-initial", "--specified", "30", "--strengths",
                       "40,35,25,41,42,43"},
                      0,
                      R"(
ОЦЕНКА СООТВЕТСТВИЯ ПРОЧНОСТИ НА СЖАТИЕ

Правило: EN 206, начальное производство (группы по 3 результата)
Редакция: EN 206:2013+A2:2021, 8.2.1.3
Характеристическая прочность fck, МПа: 30.0
Прочность задана на цилиндрах
Число результатов: 6
Результат 1, МПа: 40.0
Результат 2, МПа: 35.0
Результат 3, МПа: 25.0
Результат 4, МПа: 41.0
Результат 5, МПа: 42.0
Результат 6, МПа: 43.0

Среднее (результаты с 1 по 3), МПа: 33.33, требуется не менее 34.00 - не выполнено
Наименьший (результаты с 1 по 3), МПа: 25.00, требуется не менее 26.00 - не выполнено
Результаты с 1 по 3 не соответствуют
Среднее (результаты с 4 по 6), МПа: 42.00, требуется не менее 34.00 - выполнено
Наименьший (результаты с 4 по 6), МПа: 41.00, требуется не менее 26.00 - выполнено
Результаты с 4 по 6 соответствуют

Номера результатов ниже предела для единичных результатов: 3
Результаты не соответствуют правилу
)"},
        RussianCliRow{"conformityEn206Continuous",
                      {"conformity", "--rule", "en206-continuous", "--specified", "30", "--sigma",
                       "3", "--strengths", "35,36,37,38,39,40,41,42,43,44,35,36,37,38,39"},
                      0,
                      R"(
ОЦЕНКА СООТВЕТСТВИЯ ПРОЧНОСТИ НА СЖАТИЕ

Правило: EN 206, непрерывное производство (15 результатов и более)
Редакция: EN 206:2013+A2:2021, 8.2.1.3
Характеристическая прочность fck, МПа: 30.0
Прочность задана на цилиндрах
Среднее квадратическое отклонение s, МПа: 3.00
Среднее квадратическое отклонение s должно быть получено не менее чем по 35 последовательным результатам за период более трёх месяцев
Число результатов: 15
Результат 1, МПа: 35.0
Результат 2, МПа: 36.0
Результат 3, МПа: 37.0
Результат 4, МПа: 38.0
Результат 5, МПа: 39.0
Результат 6, МПа: 40.0
Результат 7, МПа: 41.0
Результат 8, МПа: 42.0
Результат 9, МПа: 43.0
Результат 10, МПа: 44.0
Результат 11, МПа: 35.0
Результат 12, МПа: 36.0
Результат 13, МПа: 37.0
Результат 14, МПа: 38.0
Результат 15, МПа: 39.0

Среднее, МПа: 38.67, требуется не менее 34.44 - выполнено
Наименьший результат, МПа: 35.00, требуется не менее 26.00 - выполнено
Среднее квадратическое отклонение последних 15 результатов s15, МПа: 2.85, требуется от 1.89 до 4.11 - выполнено

Ни один результат не ниже предела для единичных результатов
Результаты соответствуют правилу
)"},
        RussianCliRow{"conformityAci318",
                      {"conformity", "--rule", "aci318", "--specified", "30", "--specimen", "cube",
                       "--strengths", "40,35,25"},
                      0,
                      R"(
ОЦЕНКА СООТВЕТСТВИЯ ПРОЧНОСТИ НА СЖАТИЕ

Правило: ACI 318 (средние трёх последовательных результатов)
Редакция: ACI 318-19, 26.12.3.1
Заданная прочность f'c, МПа: 30.0
Прочность задана на кубах
Число результатов: 3
Результат 1, МПа: 40.0
Результат 2, МПа: 35.0
Результат 3, МПа: 25.0

Наименьшее среднее трёх последовательных, МПа: 33.33, требуется не менее 30.00 - выполнено
Наименьший результат, МПа: 25.00, требуется не менее 26.50 - не выполнено
Ни одно среднее трёх последовательных результатов не ниже f'c

Номера результатов ниже предела для единичных результатов: 3
Результаты не соответствуют правилу
)"},
        RussianCliRow{"conformityRefused",
                      {"conformity", "--rule", "en206-continuous", "--specified", "30",
                       "--strengths", "35,35,35"},
                      3,
                      R"(Правилу en206-continuous нужно не менее 15 результатов; задано: 3.
)"}));
