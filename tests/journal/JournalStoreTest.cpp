// The journal's storage on each backend: import and export, all-or-nothing writes, the
// analysed period from the latest parties, the controlled period after it; on SQLite also a
// refused newer schema, a damaged file, two programs on one file and an import killed at
// random points.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QThread>
#include <random>

#include "JournalTestKit.h"
#include "journal/JournalDesigns.h"
#include "journal/JournalExchange.h"
#include "journal/JournalPeriods.h"

namespace {

namespace jn = orvan::journal;
using namespace journal_test;

const std::vector<std::string> kWide = {"20", "22", "24", "26", "28", "30"};  // 5x6 example
const std::vector<std::string> kTall = {"24", "25", "27"};                    // 10x3 example

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
                                   "\"T, 3\"", "P" + std::to_string(i), kTall));
    return csvFile(blocks);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\n";
    return out;
}

std::string exported(const jn::Journal& journal) {
    const auto [lines, status] = jn::exportCsvLines(journal, "");
    EXPECT_TRUE(status) << status.message;
    return joined(lines);
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
    const jn::ImportOutcome known = jn::importCsv(
        *journal_, csvFile({partyRows("2026-03-02", "M", "1", {"25", "26"})}), "k.csv");
    EXPECT_EQ(
        known.values.problems,
        (std::vector<std::string>{"k.csv:2: party '1' of mix 'M' is in the journal already",
                                  "k.csv:3: party '1' of mix 'M' is in the journal already"}));
    EXPECT_EQ(exported(*journal_), before);
    EXPECT_FALSE(journal_->findMix("New"));
}

TEST_P(JournalStore, EditsAreSingleTransactions) {
    const auto mix = journal_->findMix("M");
    ASSERT_TRUE(mix);
    jn::Party party{0, mix->id, "2026-01-09", "9", {"25.0", "26"}};
    const auto added = journal_->addParty(party);
    ASSERT_TRUE(added);
    party.id = added.value;
    party.number = "1";  // taken
    EXPECT_EQ(journal_->updateParty(party).message, "The party '1' is in the journal already");
    party.number = "9a", party.strengthTexts = {"27.5"};
    ASSERT_TRUE(journal_->updateParty(party));
    EXPECT_EQ(journal_->party(party.id)->strengthTexts, std::vector<std::string>{"27.5"});
    // A write that fails half-way leaves nothing of its first half.
    const std::string before = exported(*journal_);
    const jn::Status failed = journal_->write([&]() -> jn::Status {
        jn::Party extra{0, mix->id, "2026-01-10", "10", {"20"}};
        EXPECT_TRUE(journal_->insertParty(extra).status);
        return jn::Status::failed("stop");
    });
    EXPECT_FALSE(failed);
    EXPECT_EQ(exported(*journal_), before);
    ASSERT_TRUE(journal_->deleteParties({party.id}));
    EXPECT_FALSE(journal_->party(party.id));
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
         "Only 0 parties of the mix 'M' with 3 extracts were found; the analysed period needs 10"},
        {"M", "5x6", "", "", jn::AnalysisEnd::NoClass, 0, 0, 0,
         "The mix 'M' has no specified class B: give it"},
        {"M", "5x6", "ten", "", jn::AnalysisEnd::DataError, 0, 0, 0,
         "Data error ('ten' is not a valid floating point value)"},
        {"Q", "5x6", "10", "", jn::AnalysisEnd::NoMix, 0, 0, 0,
         "There is no mix 'Q' in the journal"},
    };
    for (const AnalysisCase& c : cases) {
        SCOPED_TRACE(std::string(c.mix) + " " + c.layout + " until " + c.until);
        const jn::JournalAnalysis a = jn::analyseFromJournal(
            *journal_, c.mix, c.layout, c.classText, c.until, orvan::NumberFormat{});
        EXPECT_EQ(a.values.end, c.end);
        EXPECT_EQ(a.message, c.message);
        if (!a.ok()) continue;
        const auto& r = a.values.run.result;
        EXPECT_NEAR(r.averageLevel, c.averageLevel, 5e-7);  // the examples are given to 6 decimals
        EXPECT_NEAR(r.warningTop, c.warningTop, 5e-7);
        EXPECT_NEAR(r.correctingBottom, c.correctingBottom, 5e-7);
    }
}

TEST_P(JournalStore, ControlledPeriodIsEveryLaterParty) {
    const auto mix = journal_->findMix("M");
    EXPECT_FALSE(jn::controlledPeriod(*journal_, mix->id).period);
    const jn::JournalAnalysis a =
        jn::analyseFromJournal(*journal_, "M", "5x6", "10", "2026-01-05", orvan::NumberFormat{});
    ASSERT_TRUE(jn::saveAnalysedPeriod(*journal_, a));
    EXPECT_EQ(journal_->findMix("M")->classText, "10");
    const jn::ControlledPeriod period = jn::controlledPeriod(*journal_, mix->id);
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
    EXPECT_EQ(jn::partyMeansBetween(*journal_, mix->id, "2026-01-06", "2026-01-07"),
              (std::vector<double>{25, 25}));
    EXPECT_EQ(jn::partyMeansBetween(*journal_, mix->id, "2026-01-07", ""),
              (std::vector<double>{25, 32}));
    EXPECT_EQ(jn::partyMeansBetween(*journal_, mix->id, "", "").size(), 8u);
}

TEST_P(JournalStore, DesignKeepsEveryTextAndTheLatestIsLoaded) {
    EXPECT_FALSE(jn::latestDesign(*journal_, "M"));
    const jn::Design first{0, "", {{"fmBNS.edClassBet", "B25"}}, {"old"}};
    const jn::Design second{0,
                            "",
                            {{"fmBNS.edClassBet", "30,5 "}, {"fmOptions.rgVid_Cem", "1"}},
                            {"line 1", "", "line 3"}};
    ASSERT_TRUE(jn::saveDesign(*journal_, "New mix", first));
    ASSERT_TRUE(jn::saveDesign(*journal_, "New mix", second));
    const auto loaded = jn::latestDesign(*journal_, "New mix");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->reportLines, second.reportLines);
    ASSERT_EQ(loaded->fields.size(), 2u);
    EXPECT_EQ(loaded->fields[0].text, "30,5 ");
    EXPECT_EQ(loaded->fields[1].name, "fmOptions.rgVid_Cem");
}

INSTANTIATE_TEST_SUITE_P(Backends, JournalStore, ::testing::ValuesIn(backends()),
                         [](const auto& info) { return info.param; });

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
         "1)"},
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
            auto journal = openJournal(path);
            QSqlQuery(journal->database()).exec("UPDATE journal_schema SET version = 99");
            QSqlQuery(journal->database()).exec("PRAGMA journal_mode = DELETE");
        }
        const QByteArray before = fileBytes(path);
        const auto [journal, message] = jn::Journal::open(QString::fromStdString(path));
        EXPECT_FALSE(journal);
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_EQ(fileBytes(path), before);
    }
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
