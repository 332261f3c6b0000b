// The early-age relation and its predictions, and the CUSUM of a series with predicted
// parties, on rows computed by hand.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/JournalLoopJson.h"
#include "common/ReportLanguage.h"
#include "strength_control/calc/EarlyAge.h"
#include "strength_control/calc/IsoDate.h"
#include "strength_control/calc/SeriesCusum.h"

using namespace orvan;
using namespace orvan::control;

namespace {

constexpr NumberFormat kPoint{'.'};

// RE 10, 12, 14, 16, 18 against R28 20, 23, 27, 29, 31: deviations from the means (14, 26)
// -4 -2 0 2 4 and -6 -3 1 3 5, Sxx = 40, Sxy = 56, Syy = 80; b = 1.4, a = 26 - 1.4 * 14 =
// 6.4; residuals -0.4 -0.2 1 0.2 -0.6, sd = sqrt(1.6 / 3) = 0.730297; r = 56 / sqrt(3200) =
// 0.989949. Parties 6 and 8 have their 7-day result only: 6.4 + 1.4 * 20 = 34.4 and
// 6.4 + 1.4 * 15 = 27.4; party 7 has no result yet.
std::vector<EarlyAgeParty> yearOfParties() {
    return {{"1", "2026-02-02", 10, 20},
            {"2", "2026-02-03", 12, 23},
            {"3", "2026-02-04", 14, 27},
            {"4", "2026-02-05", 16, 29},
            {"5", "2026-02-06", 18, 31},
            {"6", "2026-02-09", 20, std::nullopt},
            {"7", "2026-02-10", std::nullopt, std::nullopt},
            {"8", "2026-02-11", 15, std::nullopt}};
}

}  // namespace

TEST(EarlyAge, FitsTheLineAndPredictsThePartiesWithoutTheir28DayResult) {
    const auto out = predictStrengths({7, yearOfParties()}, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    const EarlyAgeRelation& r = out.values.relation;
    EXPECT_EQ(r.parties, 5);
    EXPECT_NEAR(r.slope, 1.4, 1e-12);  // tolerance: rounding of the sums, not of the method
    EXPECT_NEAR(r.intercept, 6.4, 1e-12);
    EXPECT_NEAR(r.residualSd, 0.7302967433, 1e-9);
    EXPECT_NEAR(*r.correlation, 0.9899494937, 1e-9);
    ASSERT_EQ(out.values.predicted.size(), 2u);
    EXPECT_EQ(out.values.predicted[1].party, "8");
    EXPECT_NEAR(out.values.predicted[1].strength, 27.4, 1e-12);
    const std::vector<std::string> expected = {
        "",
        "PREDICTION OF THE 28-DAY STRENGTH FROM THE 7-DAY STRENGTH",
        "",
        "Parties with 7-day and 28-day results: 5",
        "Relation R28 = a + b * R7, MPa: R28 = 6.40 + 1.400 * R7",
        "Intercept a, MPa: 6.40",
        "Slope b: 1.400",
        "Residual standard deviation, MPa: 0.73",
        "Correlation coefficient r: 0.990",
        "",
        "Predicted parties: 2",
        "Party, date: 7-day strength; 28-day strength, MPa",
        "6, 2026-02-09: 20.0; 34.4 (predicted)",
        "8, 2026-02-11: 15.0; 27.4 (predicted)",
    };
    EXPECT_EQ(out.lines, expected);
    // The series for the CUSUM: party 7, without a result, is left out.
    const std::vector<SeriesParty> series = seriesOf({7, yearOfParties()}, out.values);
    ASSERT_EQ(series.size(), 7u);
    EXPECT_FALSE(series[4].predicted);
    EXPECT_EQ(series[4].strength, 31);
    EXPECT_TRUE(series[5].predicted);
    EXPECT_EQ(series[5].due, "2026-03-09");
    EXPECT_EQ(series[5].earlyDate, "2026-02-16");
    EXPECT_EQ(series[6].party, "8");
    const std::string json = cli::earlyAgeResult(out).values.str();
    EXPECT_EQ(json.rfind("{\"relation\":{\"intercept\":", 0), 0u) << json;
    EXPECT_NE(json.find("\"parties\":5},\"predicted\":[{\"party\":\"6\",\"date\":"
                        "\"2026-02-09\",\"early\":20,\"strength\":"),
              std::string::npos)
        << json;
}

struct EarlyAgeRefusalRow {
    const char* name;
    int age;
    std::vector<EarlyAgeParty> parties;
    const char* message;
};
void PrintTo(const EarlyAgeRefusalRow& row, std::ostream* os) {
    *os << row.name;
}

class EarlyAgeRefusals : public ::testing::TestWithParam<EarlyAgeRefusalRow> {};

TEST_P(EarlyAgeRefusals, NameTheCount) {
    const auto out = predictStrengths({GetParam().age, GetParam().parties}, kPoint);
    EXPECT_EQ(out.kind, OutcomeKind::Refused);
    EXPECT_EQ(out.style, MessageStyle::Message);
    EXPECT_EQ(out.message, GetParam().message);
    std::ostringstream sink;
    EXPECT_EQ(cli::emitResult(cli::earlyAgeResult(out), true, sink, sink), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EarlyAgeRefusals,
    ::testing::Values(
        EarlyAgeRefusalRow{"fourParties",
                           3,
                           {{"1", "", 10, 20},
                            {"2", "", 12, 23},
                            {"3", "", 14, 27},
                            {"4", "", 16, 29},
                            {"5", "", 18, std::nullopt}},
                           "The relation of the 28-day strength to the 3-day strength needs at "
                           "least 5 parties with both results; 4 have both."},
        EarlyAgeRefusalRow{"allEarlyEqual",
                           7,
                           {{"1", "", 15, 20},
                            {"2", "", 15, 23},
                            {"3", "", 15, 27},
                            {"4", "", 15, 29},
                            {"5", "", 15, 31}},
                           "The relation of the 28-day strength to the 7-day strength needs "
                           "differing 7-day strengths; all 5 parties with both results have the "
                           "same."},
        EarlyAgeRefusalRow{
            "age28", 28, {}, "The early age must be from 1 to 27 days; 28 was given."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EarlyAge, ReportAndRefusalInRussian) {
    setReportLanguage(InterfaceLanguage::Russian);
    const auto out = predictStrengths({7, yearOfParties()}, kPoint);
    const auto refused = predictStrengths({30, yearOfParties()}, kPoint);
    const std::string title = predictionReportTitle(4);
    setReportLanguage(InterfaceLanguage::English);
    const std::vector<std::string> expected = {
        "",
        "ПРОГНОЗ 28-СУТОЧНОЙ ПРОЧНОСТИ ПО ПРОЧНОСТИ В ВОЗРАСТЕ 7 СУТОК",
        "",
        "Партий с результатами (7-суточная и 28-суточная): 5",
        "Зависимость R28 = a + b * R7, МПа: R28 = 6.40 + 1.400 * R7",
        "Свободный член a, МПа: 6.40",
        "Коэффициент b: 1.400",
        "Остаточное среднее квадратическое отклонение, МПа: 0.73",
        "Коэффициент корреляции r: 0.990",
        "",
        "Партий с прогнозом: 2",
        "Партия, дата: прочность (7-суточная); 28-суточная прочность, МПа",
        "6, 2026-02-09: 20.0; 34.4 (прогноз)",
        "8, 2026-02-11: 15.0; 27.4 (прогноз)"};
    EXPECT_EQ(out.lines, expected);
    EXPECT_EQ(refused.message, "Ранний возраст должен быть от 1 до 27 суток; задано: 30.");
    EXPECT_EQ(title, "Статистический контроль. Прогноз 28-суточной прочности. Окно №4");
}

TEST(IsoDate, CountsDaysAcrossMonthsAndLeapYears) {
    EXPECT_EQ(isoDateAfter("2028-02-08", 21), "2028-02-29");
    EXPECT_EQ(isoDateAfter("2026-12-20", 28), "2027-01-17");
    EXPECT_EQ(*isoDayNumber("1970-01-02"), 1);
    EXPECT_FALSE(isoDayNumber("2026-02-29"));
    EXPECT_EQ(isoDateAfter("2026-1-5", 1), "");
}

// T = 25, s = 1, k = 0, h = 4: C+ runs 0, 5 (tested party 2 signals first, H = 4 exceeded),
// 5 + 5 = 10, 15: the first signal on a predicted strength is party 3's, whose 7-day result of
// 2026-03-08 came 21 days before its 28-day result due 2026-03-29.
TEST(SeriesCusum, NamesThePartiesAndCountsTheDaysGainedByThePrediction) {
    const SeriesCusumInputs in{25,
                               1,
                               0,
                               4,
                               {{"P1", "2026-02-27", 25, false, "", ""},
                                {"P2", "2026-02-28", 30, false, "", ""},
                                {"P3", "2026-03-01", 30, true, "2026-03-29", "2026-03-08"},
                                {"P4", "2026-03-02", 30, true, "2026-03-30", ""}}};
    const auto out = runSeriesCusum(in, kPoint);
    ASSERT_TRUE(out.ok()) << out.message;
    ASSERT_TRUE(out.values.firstPredictedSignal);
    EXPECT_EQ(out.values.firstPredictedSignal->party, "P3");
    EXPECT_EQ(out.values.firstPredictedSignal->daysBefore, 21);
    EXPECT_EQ(out.values.cusum.upper, (std::vector<double>{0, 5, 10, 15}));
    EXPECT_EQ(out.lines.at(13), "3: 30.0; 10.00; 0.00 - party P3, 2026-03-01 (predicted)");
    EXPECT_EQ(out.lines.at(12), "2: 30.0; 5.00; 0.00 - party P2, 2026-02-28");
    EXPECT_EQ(out.lines.back(),
              "First signal on a predicted strength: party P3, 2026-03-01 (3), the upper sum, 21 "
              "days before its 28-day result due 2026-03-29");
    const std::string json = cli::seriesCusumResult(out).values.str();
    EXPECT_NE(json.find("{\"party\":\"P4\",\"date\":\"2026-03-02\",\"predicted\":true}]"),
              std::string::npos);
    EXPECT_NE(json.find("\"firstPredictedSignal\":{\"position\":3,\"party\":\"P3\",\"date\":"
                        "\"2026-03-01\",\"side\":\"up\",\"due\":\"2026-03-29\",\"daysBefore\":21}"),
              std::string::npos);
    // The CUSUM's own refusal passes through.
    EXPECT_EQ(runSeriesCusum({25, 0, 0.5, 5, in.parties}, kPoint).kind, OutcomeKind::Refused);
}
