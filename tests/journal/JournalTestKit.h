#pragma once
// Helpers of the journal tests: journals in the test's temporary folder, or on the
// PostgreSQL server of ORVAN_TEST_PG_URL, emptied first.
#include <QSqlDatabase>
#include <memory>
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace journal_test {

// "sqlite", and "postgresql" when ORVAN_TEST_PG_URL is set.
std::vector<std::string> backends();
// A fresh, empty journal's location on the backend.
std::string freshLocation(const std::string& backend);
std::unique_ptr<orvan::journal::Journal> openJournal(const std::string& location);

// A connection of the test's own to the server of `url` (the journal keeps its handle to
// itself), named `name`; remove it with QSqlDatabase::removeDatabase(name) when done.
QSqlDatabase serverConnection(const std::string& url, const QString& name);

// CSV rows of one party: one row per strength, extracts numbered from 1.
std::string partyRows(const std::string& date, const std::string& mix, const std::string& party,
                      const std::vector<std::string>& strengths);
std::string csvFile(const std::vector<std::string>& partyBlocks);  // header + blocks
std::string writeFile(const std::string& name, const std::string& content);

}  // namespace journal_test
