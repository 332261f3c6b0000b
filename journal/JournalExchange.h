#pragma once
// CSV import into the journal and export from it (the format is in JournalCsv.h).
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "common/Outcome.h"
#include "journal/Journal.h"

namespace orvan::journal {

// What an import added; when it added nothing for bad rows, every one of them.
struct ImportValues {
    long long mixesAdded = 0, partiesAdded = 0, extractsAdded = 0;
    std::vector<std::string> problems;  // "FILE:LINE: reason", every bad row
};
// Done with the counts; failed with the bad rows (and no message), or with the message of a
// failure that is not a row's (the file, the database).
using ImportOutcome = Outcome<ImportValues>;

// All or nothing: any bad row, and any party already in the journal, imports nothing.
// `fileName` names the file in the problems.
ImportOutcome importCsv(Journal& journal, std::string_view bytes, const std::string& fileName);
ImportOutcome importCsvFile(Journal& journal, const QString& path);

// The header and one row per extract, by mix, date and order of entry; `mix` empty: every mix.
// Written whole or not at all.
Status exportCsvFile(const Journal& journal, const QString& path, const std::string& mix = {});
// The same lines, without line ends (tests, the window's preview).
Result<std::vector<std::string>> exportCsvLines(const Journal& journal, const std::string& mix);

}  // namespace orvan::journal
