// orvan-cli journal, run in-process over one journal, step by step as a script would: its
// exit codes and messages, and the same report lines and JSON as analysed-period and
// control-chart given the same figures.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "JournalTestKit.h"
#include "cli/Cli.h"
#include "cli/JournalCli.h"
#include "common/NumberText.h"
#include "journal/JournalPeriods.h"

namespace {

using namespace journal_test;

struct CliRun {
    int code;
    std::string out, err;
};

CliRun journalCli(const std::string& db, std::vector<std::string> args) {
    args.insert(args.begin(), {"orvan-cli", "journal", "--db", db});
    std::ostringstream out, err;
    const int code = orvan::cli::runCli(args, out, err, {orvan::cli::journalGroup()});
    return {code, out.str(), err.str()};
}

CliRun plainCli(std::vector<std::string> args) {
    args.insert(args.begin(), "orvan-cli");
    std::ostringstream out, err;
    const int code = orvan::cli::runCli(args, out, err);
    return {code, out.str(), err.str()};
}

struct Step {
    std::vector<std::string> args;
    int code;
    std::string out, err;  // expected substrings ("" matches anything)
};

// Each step over the one journal, in order: its exit code and a piece of each output.
template <std::size_t N>
void runSteps(const std::string& db, const Step (&steps)[N]) {
    for (const Step& step : steps) {
        std::string shown;
        for (const auto& a : step.args) shown += a + " ";
        SCOPED_TRACE(shown);
        const CliRun run = journalCli(db, step.args);
        EXPECT_EQ(run.code, step.code) << run.err;
        EXPECT_NE(run.out.find(step.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(step.err), std::string::npos) << run.err;
    }
}

std::string file(const std::string& name, const std::vector<std::string>& blocks) {
    return writeFile(name, csvFile(blocks));
}

TEST(JournalCli, ScriptFromImportToChart) {
    const std::vector<std::string> wide = {"20", "22", "24", "26", "28", "30"};
    std::vector<std::string> blocks;
    for (int day = 1; day <= 6; ++day)
        blocks.push_back(
            partyRows("2026-01-0" + std::to_string(day), "M", std::to_string(day), wide));
    const std::string good = file("year.csv", blocks);
    const std::string bad = file("bad.csv", {partyRows("2026-02-01", "M", "9", {"25", "2 5"})});
    const std::string db = freshLocation("sqlite");
    const std::string copy = writeFile("copy.csv", "");
    const Step steps[] = {
        {{"init"}, 0, "Journal ready: ", ""},
        {{"init"}, 0, "Journal ready: ", ""},
        {{"import", bad}, 1, "", bad + ":3: strength '2 5' is not a number"},
        {{"import", good}, 0, "Added 6 parties and 36 extracts (1 new mixes)", ""},
        {{"import", good}, 1, "", good + ": these 6 parties are already in the journal"},
        {{"mixes"}, 0, "M\tB -\t-\t6 parties", ""},
        {{"analyse", "--mix", "M", "--layout", "5x6"}, 3, "", "has no specified class B"},
        {{"analyse", "--mix", "M", "--layout", "10x3", "--class", "10"}, 3, "", "Only 0 parties"},
        {{"chart", "--mix", "M"}, 3, "", "has no stored analysed period"},
        {{"analyse", "--mix", "M", "--layout", "5x6", "--class", "10", "--until", "2026-01-05",
          "--save"},
         0,
         "Average level of strength, MPa: 16.6",
         ""},
        {{"mixes", "--json"},
         0,
         R"({"mixes":[{"name":"M","class":"10","layout":"5x6","parties":6}]})",
         ""},
        {{"chart", "--mix", "M"}, 0, "", ""},
        {{"cusum", "--mix", "M"}, 0, "T: its average level, from the analysed period stored", ""},
        {{"cusum", "--mix", "M", "--from", "2026-01-04", "--sigma", "2"},
         0,
         "1: 25.0; 7.35; 0.00 - party 4, 2026-01-04",
         ""},
        {{"cusum", "--mix", "M", "--target", "x"}, 3, "", "--target is a number, not 'x'"},
        {{"export", copy, "--mix", "M"}, 0, "", ""},
        {{"export", copy, "--mix", "Q"}, 1, "", "There is no mix 'Q' in the journal"},
        {{"analyse", "--mix", "M", "--layout", "6x5"}, 2, "", "--layout is 5x6 or 10x3"},
        {{"analyse", "--mix", "M", "--layout", "5x6", "--until", "2026-13-01"},
         2,
         "",
         "--until is a day"},
        {{"frobnicate"}, 2, "", "orvan-cli journal: unknown command 'frobnicate'"},
        {{"mixes", "--save"}, 2, "", "orvan-cli journal mixes: unknown option '--save'"},
        {{"analyse", "--layout", "5x6"}, 2, "", "orvan-cli journal analyse: needs --mix"},
        {{"import"}, 2, "", "orvan-cli journal import: needs FILE.csv"},
        {{"history"}, 0, "\timport\tM\t6 parties from " + good, ""},
        {{"undo", "x"}, 3, "", "The event is given by its number, not 'x'"},
        {{"undo", "99"}, 3, "", "There is no event 99 in the journal's history"},
        {{"check"}, 0, "The journal is sound", ""},
    };
    runSteps(db, steps);
    std::ifstream exported(copy);
    std::stringstream text;
    text << exported.rdbuf();
    EXPECT_EQ(text.str(), csvFile(blocks));
}

// The journal's analyse and chart print exactly what the plain commands print for the same
// extracts, class and figures.
TEST(JournalCli, SameOutputAsThePlainCommands) {
    const std::string db = freshLocation("sqlite");
    std::vector<std::string> blocks, fields;
    const char* tall[] = {"24", "25.0", "27"};  // texts as typed reach the report
    for (int i = 1; i <= 11; ++i) {
        blocks.push_back(partyRows("2026-03-" + std::string(i < 10 ? "0" : "") + std::to_string(i),
                                   "T", std::to_string(i), {tall[0], tall[1], tall[2]}));
    }
    ASSERT_EQ(journalCli(db, {"import", file("t.csv", blocks)}).code, 0);
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 3; ++j)
            fields.push_back("edR" + std::to_string(i) + "_" + std::to_string(j) + "=" +
                             tall[j - 1]);
    fields.insert(fields.begin(), {"analysed-period", "rgCount_Party=1", "edB=12.5", "--json"});
    const CliRun plain = plainCli(fields);
    const CliRun fromJournal =
        journalCli(db, {"analyse", "--mix", "T", "--layout", "10x3", "--class", "12.5", "--until",
                        "2026-03-10", "--save", "--json"});
    ASSERT_EQ(plain.code, 0) << plain.err;
    // The same values, and which parties were used and left out.
    std::string expected = plain.out;
    expected.insert(
        expected.find(",\"lines\":"), ",\"parties\":[" + [] {
            std::string used;
            for (int i = 1; i <= 10; ++i)
                used += std::string(i > 1 ? "," : "") + "{\"party\":\"" + std::to_string(i) +
                        "\",\"date\":\"2026-03-" + (i < 10 ? "0" : "") + std::to_string(i) + "\"}";
            return used;
        }() + "],\"skipped\":[]");
    const std::string lines = fromJournal.out.substr(fromJournal.out.find(",\"lines\":"));
    EXPECT_EQ(fromJournal.out.substr(0, fromJournal.out.find(",\"lines\":")),
              expected.substr(0, expected.find(",\"lines\":")));
    EXPECT_NE(lines.find("\"Mix: T\",\"Parties of the analyzed period (party, date):\""),
              std::string::npos);

    auto journal = openJournal(db);
    const auto period =
        orvan::journal::controlledPeriod(*journal, journal->findMix("T").values->id).values;
    std::vector<std::string> chartArgs = {"control-chart", "edCountParty=1", "--strengths",
                                          orvan::formatRoundTrip(period.batchMeans.at(0)),
                                          "--json"};
    for (const auto& [name, text] : orvan::journal::exactControlFieldTexts(*period.period))
        chartArgs.push_back(name + "=" + text);
    const CliRun plainChart = plainCli(chartArgs);
    ASSERT_EQ(plainChart.code, 0) << plainChart.err;
    EXPECT_EQ(journalCli(db, {"chart", "--mix", "T", "--json"}).out, plainChart.out);
}

// From early results back to the mix: the line of 28-day against 7-day strengths, hand-computed
// (R7 20..24, R28 29, 31, 31, 33, 33: b = 10 / 10 = 1, a = 31.4 - 22 = 9.4, residual s =
// sqrt(1.2 / 3) = 0.63, r = 10 / sqrt(10 * 11.2) = 0.945; party 6 at 25 predicts 34.4), the
// 28-day result that arrives later, and the mix corrected from two designs exactly as
// correct-strength corrects it from the same points.
TEST(JournalCli, FromEarlyResultsBackToTheMix) {
    std::string early = "date,mix,party,extract,strength,age\n";
    const char* r28[] = {"29", "31", "31", "33", "33"};
    for (int i = 1; i <= 6; ++i) {
        const std::string row = "2026-04-0" + std::to_string(i) + ",E," + std::to_string(i) + ",1,";
        early += row + std::to_string(19 + i) + ",7\n";
        if (i <= 5) early += row + r28[i - 1] + ",28\n";
    }
    const std::string earlyFile = writeFile("early.csv", early);
    const std::string lateFile =
        writeFile("late.csv", "date,mix,party,extract,strength,age\n2026-04-06,E,6,1,35,28\n");
    const std::string designs = writeFile(
        "designs.csv",
        "date,mix,party,extract,strength,age,design\n2026-05-01,C,1,1,30,28,D1\n"
        "2026-05-02,C,2,1,32,28,D1\n2026-05-03,C,3,1,35,28,D2\n2026-05-04,C,4,1,37,28,D2\n");
    const std::string db = freshLocation("sqlite");
    const std::string exported = writeFile("early-out.csv", "");
    const Step steps[] = {
        {{"import", earlyFile}, 0, "Added 6 parties and 11 extracts (1 new mixes)", ""},
        {{"import", earlyFile}, 1, "", ": these 6 parties are already in the journal"},
        {{"predict", "--mix", "E"},
         0,
         "Relation R28 = a + b * R7, MPa: R28 = 9.40 + 1.000 * R7",
         ""},
        {{"predict", "--mix", "E"}, 0, "Residual standard deviation, MPa: 0.63", ""},
        {{"predict", "--mix", "E"}, 0, "Correlation coefficient r: 0.945", ""},
        {{"predict", "--mix", "E"}, 0, "6, 2026-04-06: 25.0; 34.4 (predicted)", ""},
        {{"predict", "--mix", "E", "--json"},
         0,
         R"("predicted":[{"party":"6","date":"2026-04-06","early":25,)",
         ""},
        {{"predict", "--mix", "E", "--from", "2026-04-02"}, 3, "", "4"},
        {{"predict", "--mix", "E", "--early-age", "3"}, 3, "", ""},
        {{"cusum", "--mix", "E", "--target", "31", "--sigma", "1", "--predicted", "--json"},
         0,
         R"({"party":"6","date":"2026-04-06","predicted":true})",
         ""},
        {{"cusum", "--mix", "E", "--target", "31", "--sigma", "1"}, 0, "Parties: 5", ""},
        // From a date on: the series starts there, the prediction is still the mix's own.
        {{"cusum", "--mix", "E", "--target", "31", "--sigma", "1", "--predicted", "--from",
          "2026-04-06"},
         0,
         "1: 34.4; 2.90; 0.00 - party 6, 2026-04-06 (predicted)",
         ""},
        {{"import", lateFile},
         0,
         "Added results of another age to 1 parties already in the journal",
         ""},
        {{"import", lateFile}, 1, "", "party '6' of mix 'E' is in the journal already"},
        {{"predict", "--mix", "E"}, 0, "No party has a 7-day result without its 28-day result", ""},
        {{"export", exported, "--mix", "E"}, 0, "", ""},
        {{"import", designs}, 0, "Added 4 parties", ""},
        {{"correct", "--mix", "C", "--required", "33"}, 3, "", "design 'D1', which is not saved"},
        {{"design", "--mix", "C", "--name", "D1", "fmBNS.edClassBet=28"},
         0,
         "Saved as the design 'D1'",
         ""},
        {{"design", "--mix", "C", "--name", "D1"}, 3, "", "has a design 'D1' already"},
        {{"design", "--mix", "C", "--name", "D2", "fmBNS.edClassBet=33"}, 0, "", ""},
        {{"designs", "--mix", "C", "--json"},
         0,
         R"({"designs":[{"name":"D1","waterCementRatio":)",
         ""},
        {{"correct", "--mix", "C", "--designs", "D1,D3", "--required", "33"},
         3,
         "",
         "has no saved design 'D3'"},
        {{"correct", "--mix", "C"}, 3, "", "the mix has no stored analysed period"},
        // The same refusals in the report language, the storage's and the CSV's too.
        {{"import", writeFile("bad.csv", "date,mix,party,extract,strength\n2026-01-01,M,1,1,-3\n"),
          "--lang=ru"},
         1,
         "",
         "bad.csv:2: прочность должна быть больше нуля"},
        {{"check", "--lang=ru"}, 0, "Журнал исправен: ", ""},
        {{"predict", "--mix", "Q", "--lang=ru"}, 1, "", "В журнале нет состава 'Q'"},
        {{"correct", "--mix", "C", "--designs", "D1,D3", "--required", "33", "--lang=ru"},
         3,
         "",
         "У состава 'C' нет сохранённого подбора 'D3'"},
        {{"correct", "--mix", "C", "--lang=ru"},
         3,
         "",
         "Нужна требуемая прочность: у состава нет сохранённого анализируемого периода"},
    };
    runSteps(db, steps);
    std::ifstream written(exported);
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_EQ(text.str(), early + "2026-04-06,E,6,1,35,28\n");

    // Two designs: the values of correct-strength given the same points, round trip.
    const CliRun corrected =
        journalCli(db, {"correct", "--mix", "C", "--required", "33", "--json"});
    ASSERT_EQ(corrected.code, 0) << corrected.err;
    auto figure = [&](const std::string& json, const std::string& key, std::size_t from = 0) {
        const std::size_t at = json.find("\"" + key + "\":", from) + key.size() + 3;
        return json.substr(at, json.find_first_of(",}", at) - at);
    };
    const std::size_t second = corrected.out.find("\"design\":\"D2\"");
    const CliRun plain = plainCli(
        {"correct-strength", "correction.edRb1=31",
         "correction.edC_V1=" + figure(corrected.out, "cementWaterRatio"), "correction.edRb2=36",
         "correction.edC_V2=" + figure(corrected.out, "cementWaterRatio", second),
         "correction.edRtr=33", "correction.edV=" + figure(corrected.out, "water"), "--json"});
    ASSERT_EQ(plain.code, 0) << plain.err;
    const std::size_t values = corrected.out.find("},\"cementWaterRatio\"") + 1;
    for (const char* key : {"cementWaterRatio", "cementContent", "waterContent"})
        EXPECT_EQ(figure(corrected.out, key, values), figure(plain.out, key)) << key;
}

}  // namespace
