// The journal tests' main: an application object for Qt SQL's driver plugins, and the child
// process of the killed-import test (journal_tests --import-child DB FILE).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <cstdlib>
#include <fstream>

#include "JournalTestKit.h"
#include "journal/JournalExchange.h"

namespace journal_test {

std::vector<std::string> backends() {
    std::vector<std::string> out{"sqlite"};
    if (const char* url = std::getenv("ORVAN_TEST_PG_URL"); url && *url)
        out.push_back("postgresql");
    return out;
}

std::string freshLocation(const std::string& backend) {
    static int counter = 0;
    if (backend == "sqlite") {
        const std::string path = ::testing::TempDir() + "journal_" + std::to_string(::getpid()) +
                                 "_" + std::to_string(++counter) + ".sqlite";
        for (const char* suffix : {"", "-wal", "-shm"}) std::remove((path + suffix).c_str());
        return path;
    }
    const std::string url = std::getenv("ORVAN_TEST_PG_URL");
    {
        // A connection of the test's own: the journal keeps its database handle to itself.
        QSqlDatabase db = serverConnection(url, "orvan-test-drop");
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery drop(db);
        drop.exec(
            "DROP TABLE IF EXISTS history, design_texts, mix_designs, analysed_period_parties, "
            "analysed_periods, extracts, parties, mixes, journal_schema, party_means CASCADE");
        drop.exec("DROP FUNCTION IF EXISTS orvan_history_kept() CASCADE");
        drop.exec("DROP FUNCTION IF EXISTS orvan_party_means() CASCADE");
        db.close();
    }
    QSqlDatabase::removeDatabase("orvan-test-drop");
    return url;
}

QSqlDatabase serverConnection(const std::string& url, const QString& name) {
    const QUrl parsed(QString::fromStdString(url));
    QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
    db.setHostName(parsed.host());
    if (parsed.port() > 0) db.setPort(parsed.port());
    db.setUserName(parsed.userName());
    db.setDatabaseName(parsed.path().mid(1));
    return db;
}

std::unique_ptr<orvan::journal::Journal> openJournal(const std::string& location) {
    auto opened = orvan::journal::Journal::open(QString::fromStdString(location));
    EXPECT_TRUE(opened.ok()) << opened.message;
    return std::move(opened.values);
}

std::string partyRows(const std::string& date, const std::string& mix, const std::string& party,
                      const std::vector<std::string>& strengths) {
    std::string out;
    for (std::size_t i = 0; i < strengths.size(); ++i)
        out += date + "," + mix + "," + party + "," + std::to_string(i + 1) + "," + strengths[i] +
               "\n";
    return out;
}

std::string csvFile(const std::vector<std::string>& partyBlocks) {
    std::string out = "date,mix,party,extract,strength\n";
    for (const auto& block : partyBlocks) out += block;
    return out;
}

std::string writeFile(const std::string& name, const std::string& content) {
    const std::string path = ::testing::TempDir() + std::to_string(::getpid()) + "_" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

}  // namespace journal_test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // never the user's own journal
    if (argc == 4 && std::string(argv[1]) == "--import-child") {
        auto journal = journal_test::openJournal(argv[2]);
        return journal && orvan::journal::importCsvFile(*journal, argv[3]).ok() ? 0 : 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
