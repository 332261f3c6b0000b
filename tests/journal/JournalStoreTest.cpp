// The journal's storage on each backend: import and export, all-or-nothing writes, the
// analysed period from the latest parties, the controlled period after it; on SQLite also a
// refused newer schema, a damaged file, two programs on one file and an import killed at
// random points.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <functional>
#include <random>

#include "JournalTestKit.h"
#include "journal/JournalDesigns.h"
#include "journal/JournalExchange.h"
#include "journal/JournalHistory.h"
#include "journal/JournalLoop.h"
#include "journal/JournalPeriods.h"
#include "journal/JournalRoles.h"
#include "journal/JournalSchema.h"

namespace {

namespace jn = orvan::journal;
using namespace journal_test;

const std::vector<std::string> kWide = {"20", "22", "24", "26", "28", "30"};  // 5x6 example
const std::vector<std::string> kTall = {"24", "25", "27"};                    // 10x3 example

// 7-day results of parties 3 and 4 of mix M, made from the design D1.
const std::string kEarlyRows =
    "date,mix,party,extract,strength,age,design\n2026-01-03,M,3,1,17,7,D1\n"
    "2026-01-03,M,3,2,18,7,D1\n2026-01-04,M,4,1,17.5,7,D1\n";

// Mix M: seven parties of the 5x6 example on 1..7 January and a party of five extracts on the
// 8th; mix "T, 3": ten parties of the 10x3 example.
std::string sampleFile() {
    std::vector<std::string> blocks;
    for (int day = 1; day <= 7; ++day)
        blocks.push_back(
            partyRows("2026-01-0" + std::to_string(day), "M", std::to_string(day), kWide));
    blocks.push_back(partyRows("2026-01-08", "M", "8", {"30", "31", "32", "33", "34"}));
    for (int i = 1; i <= 10; ++i)
        blocks.push_back(partyRows("2026-02-" + std::string(i < 10 ? "0" : "") + std::to_string(i),
                                   "\"T, 3\"", std::string("P").append(std::to_string(i)), kTall));
    return csvFile(blocks);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\n";
    return out;
}

std::string exported(const jn::Journal& journal) {
    const auto lines = jn::exportCsvLines(journal, "");
    EXPECT_TRUE(lines.ok()) << lines.message;
    return joined(lines.values);
}

class JournalStore : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        journal_ = openJournal(freshLocation(GetParam()));
        ASSERT_TRUE(journal_);
        const jn::ImportOutcome imported = jn::importCsv(*journal_, sampleFile(), "sample.csv");
        ASSERT_TRUE(imported.ok())
            << (imported.values.problems.empty() ? imported.message : imported.values.problems[0]);
        EXPECT_EQ(imported.values.partiesAdded, 18);
        EXPECT_EQ(imported.values.extractsAdded, 7 * 6 + 5 + 10 * 3);
    }
    std::unique_ptr<jn::Journal> journal_;
};

TEST_P(JournalStore, ExportImportsBackUnchanged) {
    EXPECT_EQ(exported(*journal_), sampleFile());
    auto other = openJournal(freshLocation(GetParam()));
    ASSERT_TRUE(jn::importCsv(*other, sampleFile(), "again.csv").ok());
    EXPECT_EQ(exported(*other), sampleFile());
}

TEST_P(JournalStore, BadRowOrKnownPartyImportsNothing) {
    const std::string before = exported(*journal_);
    const std::string bad = csvFile({partyRows("2026-03-01", "New", "1", kWide),
                                     partyRows("2026-03-02", "M", "1", {"25"}),
                                     partyRows("2026-03-03", "New", "2", {"x"})});
    const jn::ImportOutcome rows = jn::importCsv(*journal_, bad, "bad.csv");
    EXPECT_FALSE(rows.ok());
    ASSERT_EQ(rows.values.problems.size(), 1u);  // row checks first: the known party is not reached
    EXPECT_EQ(rows.values.problems[0],
              "bad.csv:9: strength 'x' is not a number with a point as decimal separator");
    const jn::ImportOutcome known =
        jn::importCsv(*journal_,
                      csvFile({partyRows("2026-03-02", "M", "1", {"25", "26"}),
                               partyRows("2026-03-02", "M", "new", {"25"})}),
                      "k.csv");
    EXPECT_EQ(
        known.values.problems,
        (std::vector<std::string>{"k.csv:2: party '1' of mix 'M' is in the journal already",
                                  "k.csv:3: party '1' of mix 'M' is in the journal already"}));
    // A file imported once already: one message, not one a row.
    const jn::ImportOutcome again = jn::importCsv(*journal_, sampleFile(), "again.csv");
    EXPECT_EQ(again.values.problems,
              std::vector<std::string>{"again.csv: these 18 parties are already in the journal"});
    EXPECT_EQ(exported(*journal_), before);
    EXPECT_FALSE(journal_->findMix("New").values);
}

TEST_P(JournalStore, EditsAreSingleTransactions) {
    const auto mix = journal_->findMix("M").values;
    ASSERT_TRUE(mix);
    jn::Party party{0, mix->id, "2026-01-09", " 9 ", {"25.0", "26"}, {}, {}};
    const auto added = journal_->addParty(party);
    ASSERT_TRUE(added.ok()) << added.message;
    EXPECT_EQ(journal_->party(added.values).values->number, "9");  // blanks trimmed
    party.id = added.values;
    party.number = "1";  // taken
    EXPECT_EQ(journal_->updateParty(party).message, "The party '1' is in the journal already");
    party.number = "9a", party.strengthTexts = {"0"};
    EXPECT_EQ(journal_->updateParty(party).message, "The strength must be greater than zero");
    party.strengthTexts = {"27.5"};
    ASSERT_TRUE(journal_->updateParty(party).ok());
    EXPECT_EQ(journal_->party(party.id).values->strengthTexts, std::vector<std::string>{"27.5"});
    // Several parties in one action: a bad one leaves nothing of the others.
    const std::string before = exported(*journal_);
    const auto failed = journal_->addParties({{0, mix->id, "2026-01-10", "10", {"20"}, {}, {}},
                                              {0, mix->id, "2026-01-10", "1", {"20"}, {}, {}}},
                                             "paste");
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(exported(*journal_), before);
    ASSERT_TRUE(journal_->deleteParties({party.id}).ok());
    EXPECT_FALSE(journal_->party(party.id).values);
}

struct AnalysisCase {
    const char* mix;
    const char* layout;
    const char* classText;
    const char* until;
    jn::AnalysisEnd end;
    double averageLevel, warningTop, correctingBottom;  // MPa
    const char* message;
};

TEST_P(JournalStore, AnalysedPeriodFromLatestParties) {
    const AnalysisCase cases[] = {
        {"M", "5x6", "10", "", jn::AnalysisEnd::Done, 16.649, 19.851976, 11.601272, ""},
        {"M", "5x6", "10", "2026-01-05", jn::AnalysisEnd::Done, 16.649, 19.851976, 11.601272, ""},
        {"T, 3", "10x3", "10", "", jn::AnalysisEnd::Done, 11.188029, 13.195586, 8.020416, ""},
        {"M", "5x6", "10", "2026-01-04", jn::AnalysisEnd::TooFewParties, 0, 0, 0,
         "Only 4 parties of the mix 'M' with 6 extracts dated on or before 2026-01-04 were "
         "found; the analysed period needs 5"},
        {"M", "10x3", "10", "", jn::AnalysisEnd::TooFewParties, 0, 0, 0,
         "Only 0 parties of the mix 'M' with 3 extracts were found; the analysed period needs 10 "
         "(8 parties of another count of extracts are left out)"},
        {"M", "5x6", "", "", jn::AnalysisEnd::NoClass, 0, 0, 0,
         "The mix 'M' has no specified class B: give it"},
        {"M", "5x6", "ten", "", jn::AnalysisEnd::DataError, 0, 0, 0,
         "Data error ('ten' is not a valid floating point value)"},
    };
    for (const AnalysisCase& c : cases) {
        SCOPED_TRACE(std::string(c.mix) + " " + c.layout + " until " + c.until);
        const jn::JournalAnalysis a = jn::analyseFromJournal(
            *journal_, journal_->findMix(c.mix).values->id, *jn::layoutByName(c.layout),
            c.classText, c.until, orvan::NumberFormat{});
        EXPECT_EQ(a.values.end, c.end);
        EXPECT_EQ(a.message, c.message);
        if (!a.ok()) continue;
        const auto& r = a.values.run.result;
        EXPECT_NEAR(r.averageLevel, c.averageLevel, 5e-7);  // the examples are given to 6 decimals
        EXPECT_NEAR(r.warningTop, c.warningTop, 5e-7);
        EXPECT_NEAR(r.correctingBottom, c.correctingBottom, 5e-7);
    }
}

// A party without the layout's extracts is named, never skipped silently.
TEST_P(JournalStore, AnalysedPeriodNamesThePartiesItUsedAndLeftOut) {
    const auto mix = journal_->findMix("M").values;
    const jn::JournalAnalysis a = jn::analyseFromJournal(
        *journal_, mix->id, *jn::layoutByName("5x6"), "10", "", orvan::NumberFormat{});
    ASSERT_TRUE(a.ok()) << a.message;
    const orvan::analysed::PeriodSources sources = jn::periodSources(a);
    ASSERT_EQ(sources.used.size(), 5u);
    EXPECT_EQ(sources.used.front().number, "3");
    EXPECT_EQ(sources.used.back().date, "2026-01-07");
    ASSERT_EQ(sources.skipped.size(), 1u);
    EXPECT_EQ(sources.skipped[0].number, "8");
    EXPECT_EQ(sources.skipped[0].extracts, 5);
    const auto lines = orvan::analysed::periodSourceLines(sources);
    EXPECT_EQ(lines.front(), "Mix: M");
    EXPECT_EQ(lines.back(), "  8  2026-01-08  5");
}

TEST_P(JournalStore, ControlledPeriodIsEveryLaterParty) {
    const auto mix = journal_->findMix("M").values;
    EXPECT_FALSE(jn::controlledPeriod(*journal_, mix->id).values.period);
    const jn::JournalAnalysis a = jn::analyseFromJournal(
        *journal_, mix->id, *jn::layoutByName("5x6"), "10", "2026-01-05", orvan::NumberFormat{});
    ASSERT_TRUE(jn::saveAnalysedPeriod(*journal_, a).ok());
    EXPECT_EQ(journal_->findMix("M").values->classText, "10");
    const jn::ControlledPeriod period = jn::controlledPeriod(*journal_, mix->id).values;
    ASSERT_TRUE(period.period);
    EXPECT_EQ(period.period->lastPartyDate, "2026-01-05");
    EXPECT_EQ(period.partyNumbers, (std::vector<std::string>{"6", "7", "8"}));
    EXPECT_EQ(period.batchMeans, (std::vector<double>{25, 25, 32}));
    const orvan::control::ChartOutcome chart = jn::chartFromJournal(period);
    ASSERT_TRUE(chart.ok()) << chart.message;
    EXPECT_EQ(chart.values.batchesAsked, 3);
    EXPECT_DOUBLE_EQ(chart.values.range->min, a.values.run.result.correctingBottom - 3);
    ASSERT_EQ(chart.values.series[5].points.size(), 3u);
    EXPECT_EQ(chart.values.series[5].points[2].y, 32);
    EXPECT_EQ(chart.values.series[5].labelDecimals, 2);  // means labelled as the table shows them
    EXPECT_EQ(chart.values.series[0].points[1].x, 3);    // the lines run to x = n
    // Conformity takes the same means between two dates, both included; open ends for blanks.
    // Its history for a blank s reaches back before the range, never past its end.
    const auto range = jn::conformityFromJournal(*journal_, mix->id, "2026-01-06", "2026-01-07");
    EXPECT_EQ(range.values.resultsText, "25\n25");
    ASSERT_EQ(range.values.history.size(), 7u);
    EXPECT_EQ(range.values.history.back().date, "2026-01-07");
    EXPECT_EQ(jn::conformityFromJournal(*journal_, mix->id, "2026-01-07", "").values.resultsText,
              "25\n32");
    const auto every = jn::conformityFromJournal(*journal_, mix->id, "", "").values;
    EXPECT_EQ(std::count(every.resultsText.begin(), every.resultsText.end(), '\n') + 1, 8);
    EXPECT_EQ(every.history.size(), 8u);
    // The controlled-period dialog gets the figures as the report shows them.
    EXPECT_EQ(jn::controlFieldTexts(*period.period).at("edRy"), "16.6");
}

TEST_P(JournalStore, DesignKeepsEveryTextAndTheLatestIsLoaded) {
    const long long mixId = journal_->findMix("M").values->id;
    EXPECT_FALSE(jn::latestDesign(*journal_, mixId).values);
    const jn::Design first{0, "", "", {{"fmBNS.edClassBet", "B25"}}, {"old"}, {}};
    const jn::Design second{0,
                            "",
                            "",
                            {{"fmBNS.edClassBet", "30,5 "}, {"fmOptions.rgVid_Cem", "1"}},
                            {"line 1", "", "line 3"},
                            {}};
    ASSERT_TRUE(jn::saveDesign(*journal_, mixId, first).ok());
    ASSERT_TRUE(jn::saveDesign(*journal_, mixId, second).ok());
    const auto loaded = jn::latestDesign(*journal_, mixId).values;
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->reportLines, second.reportLines);
    ASSERT_EQ(loaded->fields.size(), 2u);
    EXPECT_EQ(loaded->fields[0].text, "30,5 ");
    EXPECT_EQ(loaded->fields[1].name, "fmOptions.rgVid_Cem");
}

// The history, oldest first, without the times (two runs never share them).
std::string historyText(const jn::Journal& journal) {
    std::string out;
    for (const jn::HistoryEvent& e : jn::readHistory(journal).values)
        out += std::to_string(e.id) + " " + e.action + " " + e.mix + " " + e.parties + " " +
               e.before + " " + e.after + " " + e.reason + "\n";
    return out;
}

// Nothing is removed for good: every delete, edit and import is undone to exactly what was
// there, class B and periods with it; the history is only added to.
TEST_P(JournalStore, EveryChangeIsTracedAndUndone) {
    const auto mix = journal_->findMix("M").values;
    const jn::JournalAnalysis a = jn::analyseFromJournal(
        *journal_, mix->id, *jn::layoutByName("5x6"), "10", "", orvan::NumberFormat{});
    ASSERT_TRUE(jn::saveAnalysedPeriod(*journal_, a).ok());
    // Parties 3 and 4 (the first two of the period) hold 7-day results and name a design too,
    // so that every undo below must bring those back as well.
    ASSERT_TRUE(jn::importCsv(*journal_, kEarlyRows, "early.csv").ok());
    const std::string before = exported(*journal_);
    const auto period = jn::latestAnalysedPeriod(*journal_, mix->id).values;
    auto lastEvent = [&] { return jn::readHistory(*journal_).values.back(); };
    struct Step {
        const char* name;
        std::function<orvan::Outcome<>()> change;
    };
    const Step steps[] = {
        {"delete parties",
         [&] { return journal_->deleteParties({a.values.parties[0].id}, "typo"); }},
        {"edit",
         [&] {
             auto party = journal_->party(a.values.parties[1].id).values;
             party->strengthTexts = {"99"};
             const orvan::Outcome<> updated = journal_->updateParty(*party);
             EXPECT_EQ(journal_->party(party->id).values->otherAges.at(0).strengthTexts,
                       std::vector<std::string>{"17.5"});
             return updated;
         }},
        {"import of another age",
         [&] {
             return orvan::Outcome<>::endedAs(
                 jn::importCsv(*journal_,
                               "date,mix,party,extract,strength,age\n2026-01-05,M,5,1,19,7\n"
                               "2026-01-05,M,5,2,19.5,7\n",
                               "later.csv"));
         }},
        {"delete mix", [&] { return journal_->deleteMix(mix->id); }},
        {"import",
         [&] {
             return orvan::Outcome<>::endedAs(jn::importCsv(
                 *journal_, csvFile({partyRows("2026-04-01", "Fresh", "1", {"30"})}), "f.csv"));
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const orvan::Outcome<> changed = step.change();
        if (std::string(step.name).rfind("import", 0) != 0) {
            ASSERT_TRUE(changed.ok()) << changed.message;
        }
        EXPECT_NE(exported(*journal_), before);
        // The party means the database keeps follow every change and its undoing.
        EXPECT_TRUE(journal_->check().ok()) << journal_->check().message;
        const jn::HistoryEvent event = lastEvent();
        ASSERT_TRUE(jn::undoEvent(*journal_, event.id, "mistake").ok());
        EXPECT_TRUE(journal_->check().ok()) << journal_->check().message;
        EXPECT_EQ(exported(*journal_), before);
        EXPECT_EQ(lastEvent().undoes, event.id);
        EXPECT_EQ(jn::undoEvent(*journal_, event.id).kind, orvan::OutcomeKind::Refused);
    }
    // The mix came back with its class and its stored period, pointing at its parties again.
    const auto back = journal_->findMix("M").values;
    ASSERT_TRUE(back);
    EXPECT_EQ(back->classText, "10");
    const auto restored = jn::latestAnalysedPeriod(*journal_, back->id).values;
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->averageLevel, period->averageLevel);
    EXPECT_EQ(jn::controlledPeriod(*journal_, back->id).values.partyNumbers,
              std::vector<std::string>{"8"});
    EXPECT_FALSE(journal_->findMix("Fresh").values);  // the undone import's new mix went too
    EXPECT_EQ(jn::readHistory(*journal_, {"M", "", ""}).values.front().action,
              "analysed period saved");
}

// A copy holds everything: its export and history are the original's, and a copy of the copy's
// too (SQLite -> this backend -> SQLite).
// One mix's early-age series among another mix's parties, recorded out of date order: each
// party once, in date order, with its mean at each age and nothing of the other mix.
TEST_P(JournalStore, EarlySeriesTakesTheMixsPartiesInDateOrder) {
    ASSERT_TRUE(jn::importCsv(*journal_,
                              "date,mix,party,extract,strength,age\n"
                              "2026-03-03,A,3,1,20,7\n2026-03-03,A,3,2,22,7\n"
                              "2026-03-01,B,1,1,30,28\n2026-03-01,A,1,1,18,7\n"
                              "2026-03-01,A,1,1,28,28\n2026-03-01,A,1,2,29,28\n"
                              "2026-03-02,B,2,1,31,7\n2026-03-02,A,2,1,19,28\n",
                              "a.csv")
                    .ok());
    const long long mix = journal_->findMix("A").values->id;
    const std::vector<orvan::control::EarlyAgeParty> every = {
        {"1", "2026-03-01", 18, 28.5}, {"2", "2026-03-02", {}, 19}, {"3", "2026-03-03", 21, {}}};
    for (const auto& [from, first] : {std::pair{"", 0}, std::pair{"2026-03-02", 1}}) {
        SCOPED_TRACE(from);
        const auto series = jn::earlyAgeSeries(*journal_, mix, 7, from);
        ASSERT_TRUE(series.ok()) << series.message;
        ASSERT_EQ(series.values.parties.size(), every.size() - first);
        for (std::size_t i = 0; i < series.values.parties.size(); ++i) {
            const auto &got = series.values.parties[i], &want = every[i + first];
            EXPECT_EQ(std::tie(got.party, got.date, got.early, got.strength28),
                      std::tie(want.party, want.date, want.early, want.strength28));
        }
    }
}

TEST_P(JournalStore, CopyOfACopyIsTheJournal) {
    journal_.reset();  // on PostgreSQL the middle journal takes its database
    auto first = openJournal(freshLocation("sqlite"));
    ASSERT_TRUE(jn::importCsv(*first, sampleFile(), "s.csv").ok());
    ASSERT_TRUE(jn::importCsv(*first, kEarlyRows, "early.csv").ok());
    jn::PartyFilter m;
    m.mixId = first->findMix("M").values->id;
    ASSERT_TRUE(first->deleteParties({first->partyRows(m, 0, 1).values.at(0).id}).ok());
    auto middle = openJournal(freshLocation(GetParam()));
    auto last = openJournal(freshLocation("sqlite"));
    ASSERT_TRUE(middle && last);
    ASSERT_TRUE(jn::copyJournal(*first, *middle).ok());
    ASSERT_TRUE(jn::copyJournal(*middle, *last).ok());
    EXPECT_EQ(exported(*last), exported(*first));
    EXPECT_EQ(exported(*first).substr(0, 43), "date,mix,party,extract,strength,age,design\n");
    EXPECT_EQ(historyText(*last), historyText(*first));
    EXPECT_EQ(jn::copyJournal(*first, *last).kind, orvan::OutcomeKind::Refused);  // not empty
    // The copies go on where the original stood: new ids do not clash with copied ones.
    for (jn::Journal* copy : {middle.get(), last.get()})
        EXPECT_TRUE(
            copy->addParty({0, copy->findMix("M").values->id, "2026-06-01", "99", {"30"}, {}, {}})
                .ok());
}

INSTANTIATE_TEST_SUITE_P(Backends, JournalStore, ::testing::ValuesIn(backends()),
                         [](const auto& info) { return info.param; });

// Statements on an SQLite journal through a connection of the test's own.
void sqliteExec(const std::string& path, const std::vector<const char*>& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "orvan-test-raw");
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        for (const char* statement : statements) QSqlQuery(db).exec(statement);
        db.close();
    }
    QSqlDatabase::removeDatabase("orvan-test-raw");
}

QByteArray fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct RefusedCase {
    const char* name;
    const char* content;  // bytes of a file that is not a usable journal; null: newer schema
    const char* reason;
};

TEST(JournalFile, RefusedAndLeftUntouched) {
    const RefusedCase cases[] = {
        {"newer_schema", nullptr,
         "it was written by a newer version of the program (schema 99, this program knows up to "
         "5)"},
        {"damaged", "this is not a database, just some text of 64 bytes or so......",
         "file is not a database"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = freshLocation("sqlite");
        if (c.content) {
            QFile file(QString::fromStdString(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        } else {
            openJournal(path).reset();
            sqliteExec(path,
                       {"UPDATE journal_schema SET version = 99", "PRAGMA journal_mode = DELETE"});
        }
        const QByteArray before = fileBytes(path);
        const auto opened = jn::Journal::open(QString::fromStdString(path));
        EXPECT_FALSE(opened.ok());
        EXPECT_NE(opened.message.find(c.reason), std::string::npos) << opened.message;
        EXPECT_EQ(fileBytes(path), before);
    }
}

// A journal of the schema before test ages opens with every result a 28-day one, and takes
// results of another age for its parties.
TEST(JournalFile, OlderSchemaKeepsItsResultsAsTwentyEightDayOnes) {
    const std::string path = freshLocation("sqlite");
    std::vector<std::string> statements;
    const auto steps = jn::schemaSteps(false);
    for (std::size_t step = 0; step < 2; ++step)
        for (const QString& statement : steps[step]) statements.push_back(statement.toStdString());
    for (const char* row :
         {"INSERT INTO journal_schema (version) VALUES (2)",
          "INSERT INTO mixes (name) VALUES ('M')",
          "INSERT INTO parties (mix_id, party_date, number) VALUES (1, '2026-01-01', '1')",
          "INSERT INTO extracts VALUES (1, 1, 25, '25.0')",
          "INSERT INTO extracts VALUES (1, 2, 26, '26')"})
        statements.push_back(row);
    std::vector<const char*> texts;
    for (const std::string& statement : statements) texts.push_back(statement.c_str());
    sqliteExec(path, texts);
    auto journal = openJournal(path);
    ASSERT_TRUE(journal);
    const auto party = journal->party(1).values;
    ASSERT_TRUE(party);
    EXPECT_EQ(party->strengthTexts, (std::vector<std::string>{"25.0", "26"}));
    ASSERT_TRUE(jn::importCsv(*journal,
                              "date,mix,party,extract,strength,age\n2026-01-01,M,1,1,18,7\n",
                              "early.csv")
                    .ok());
    EXPECT_EQ(exported(*journal),
              "date,mix,party,extract,strength,age\n2026-01-01,M,1,1,18,7\n"
              "2026-01-01,M,1,1,25.0,28\n2026-01-01,M,1,2,26,28\n");
}

// On a server, three roles: the reader may not add, the recorder may add but not delete, the
// editor may delete and undo; nobody may change the history.
// The server restarted under an open journal: the next read says it failed (never "no mixes"),
// and the journal connects again on its own.
TEST(JournalServer, RestartIsSaidThenConnectedAgain) {
    const char* restart = std::getenv("ORVAN_TEST_PG_RESTART");
    if (!restart || !*restart) GTEST_SKIP() << "no PostgreSQL server to restart";
    auto journal = openJournal(freshLocation("postgresql"));
    ASSERT_TRUE(journal);
    ASSERT_TRUE(jn::importCsv(*journal, sampleFile(), "s.csv").ok());
    ASSERT_EQ(std::system(restart), 0);
    const auto lost = journal->mixes();
    EXPECT_EQ(lost.kind, orvan::OutcomeKind::Failed);
    EXPECT_FALSE(lost.message.empty());
    ASSERT_TRUE(journal->reconnectIfLost().ok());
    const auto again = journal->mixes();
    ASSERT_TRUE(again.ok()) << again.message;
    EXPECT_EQ(again.values.size(), 2u);
}

TEST(JournalRoles, EachRoleDoesWhatItMayAndTheHistoryStays) {
    const char* url = std::getenv("ORVAN_TEST_PG_URL");
    if (!url || !*url) GTEST_SKIP() << "no PostgreSQL server (ORVAN_TEST_PG_URL)";
    auto owner = openJournal(freshLocation("postgresql"));
    ASSERT_TRUE(owner);
    ASSERT_TRUE(jn::importCsv(*owner, sampleFile(), "s.csv").ok());
    ASSERT_TRUE(jn::applyRoleGrants(*owner).ok());
    {
        QSqlDatabase db = serverConnection(url, "orvan-test-roles");
        ASSERT_TRUE(db.open());
        for (const char* role : {"reader", "recorder", "editor"})
            QSqlQuery(db).exec(QString("DO $$ BEGIN CREATE ROLE lab_%1 LOGIN IN ROLE orvan_%1; "
                                       "EXCEPTION WHEN duplicate_object THEN NULL; END $$")
                                   .arg(role));
        db.close();
    }
    QSqlDatabase::removeDatabase("orvan-test-roles");
    auto as = [&](const char* role) {
        QUrl server(QString::fromLatin1(url));
        server.setUserName(QString("lab_") + role);
        return openJournal(server.toString().toStdString());
    };
    const struct {
        const char* role;
        bool add, edit;
    } rows[] = {{"reader", false, false}, {"recorder", true, false}, {"editor", true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.role);
        auto journal = as(row.role);
        ASSERT_TRUE(journal);
        EXPECT_EQ(journal->permissions().add, row.add);
        EXPECT_EQ(journal->permissions().edit, row.edit);
        const long long mix = journal->findMix("M").values->id;
        const auto added = journal->addParty({0, mix, "2026-07-01", row.role, {"30"}, {}, {}});
        EXPECT_EQ(added.ok(), row.add) << added.message;
        // Every role reads the party means, which the server keeps whoever adds the results.
        const auto series = jn::earlyAgeSeries(*journal, mix, 7);
        ASSERT_TRUE(series.ok()) << series.message;
        EXPECT_EQ(series.values.parties.back().strength28 == 30.0, row.add);
        if (!row.add) {
            EXPECT_NE(added.message.find("does not let the role"), std::string::npos);
        }
        if (added.ok()) {
            const auto deleted = journal->deleteParties({added.values});
            EXPECT_EQ(deleted.ok(), row.edit) << deleted.message;
            if (row.edit) {
                EXPECT_TRUE(
                    jn::undoEvent(*journal, jn::readHistory(*journal).values.back().id).ok());
            }
        }
    }
    // The history is only added to, even for the server's superuser.
    const auto before = jn::readHistory(*owner).values.size();
    {
        QSqlDatabase db = serverConnection(url, "orvan-test-history");
        ASSERT_TRUE(db.open());
        EXPECT_FALSE(QSqlQuery(db).exec("DELETE FROM history"));
        EXPECT_FALSE(QSqlQuery(db).exec("UPDATE history SET reason = 'changed'"));
        db.close();
    }
    QSqlDatabase::removeDatabase("orvan-test-history");
    EXPECT_EQ(jn::readHistory(*owner).values.size(), before);
}

// The party means gone from under an open journal: the series that reads them says it
// failed, and never shows a mix without results.
TEST(JournalFile, SeriesThatCannotBeReadIsSaid) {
    const std::string path = freshLocation("sqlite");
    auto journal = openJournal(path);
    ASSERT_TRUE(jn::importCsv(*journal, sampleFile(), "s.csv").ok());
    const long long mix = journal->findMix("M").values->id;
    ASSERT_FALSE(jn::earlyAgeSeries(*journal, mix, 7).values.parties.empty());
    sqliteExec(path, {"DROP TABLE party_means"});
    const auto series = jn::earlyAgeSeries(*journal, mix, 7);
    EXPECT_EQ(series.kind, orvan::OutcomeKind::Failed);
    EXPECT_NE(series.message.find("party_means"), std::string::npos) << series.message;
}

// Zeroed inner pages: the journal says so, opens read-only, and still reads what it can.
TEST(JournalFile, DamagedPagesOpenReadOnly) {
    const std::string path = freshLocation("sqlite");
    {
        auto journal = openJournal(path);
        std::vector<std::string> blocks;
        for (int i = 0; i < 400; ++i)
            blocks.push_back(partyRows("2026-05-01", "Big", std::to_string(i), kWide));
        ASSERT_TRUE(jn::importCsv(*journal, csvFile(blocks), "b.csv").ok());
    }
    sqliteExec(path, {"PRAGMA wal_checkpoint(TRUNCATE)", "PRAGMA journal_mode = DELETE"});
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_GT(file.size(), 4096 * 12);
        // Three pages of the parties' results, past the schema's root pages.
        file.seek(file.size() / 4096 / 2 * 4096);
        file.write(QByteArray(4096 * 3, '\0'));
    }
    auto opened = jn::Journal::open(QString::fromStdString(path));
    ASSERT_TRUE(opened.ok()) << opened.message;
    jn::Journal& journal = *opened.values;
    EXPECT_FALSE(journal.damage().empty());
    EXPECT_FALSE(journal.check().ok());
    EXPECT_FALSE(journal.permissions().add);
    const auto refused = journal.addMix("Another");
    EXPECT_EQ(refused.kind, orvan::OutcomeKind::Refused);
    EXPECT_NE(refused.message.find("read-only"), std::string::npos) << refused.message;
}

TEST(JournalFile, SecondProgramSeesWhatTheFirstCommitted) {
    const std::string path = freshLocation("sqlite");
    auto first = openJournal(path), second = openJournal(path);
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(jn::importCsv(*first, sampleFile(), "s.csv").ok());
    EXPECT_EQ(exported(*second), sampleFile());
}

// An import killed at random points leaves the journal as it was before, or wholly imported
// when the kill came after the commit: never a part of it.
TEST(JournalFile, KilledImportLeavesNoPart) {
    std::vector<std::string> blocks;
    for (int i = 0; i < 20000; ++i)
        blocks.push_back(partyRows("2026-05-01", "Big", std::to_string(i), kWide));
    const std::string big = writeFile("big.csv", csvFile(blocks));
    const std::string path = freshLocation("sqlite"), fullPath = freshLocation("sqlite");
    const std::string before = [&] {
        auto journal = openJournal(path);
        EXPECT_TRUE(jn::importCsv(*journal, sampleFile(), "s.csv").ok());
        return exported(*journal);
    }();
    // The whole import once, for its duration and its result.
    QElapsedTimer clock;
    clock.start();
    auto full = openJournal(fullPath);
    ASSERT_TRUE(jn::importCsv(*full, sampleFile(), "s.csv").ok());
    ASSERT_TRUE(jn::importCsvFile(*full, QString::fromStdString(big)).ok());
    const qint64 span = clock.elapsed() + 100;  // ms, with the child's start-up
    const std::string after = exported(*full);

    std::mt19937 random(20261208);
    int killedMidway = 0;
    for (int run = 0; run < 6; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--import-child", QString::fromStdString(path), QString::fromStdString(big)});
        ASSERT_TRUE(child.waitForStarted(10000));
        const qint64 at = std::uniform_int_distribution<qint64>(0, span)(random);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < at && child.state() == QProcess::Running)
            QThread::yieldCurrentThread();  // a busy wait: the kill lands at a chosen moment
        const bool running = child.state() == QProcess::Running;
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));
        killedMidway += running;
        auto journal = openJournal(path);
        const std::string now = exported(*journal);
        EXPECT_TRUE(now == before || now == after) << "run " << run << " at " << at << " ms";
    }
    EXPECT_GT(killedMidway, 0);
}

}  // namespace
