#pragma once
// CSV import into the journal and export from it (the format is in JournalCsv.h).
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Outcome.h"
#include "journal/Journal.h"

namespace orvan::journal {

// What an import added; when it added nothing for bad rows, every one of them.
struct ImportValues {
    long long mixesAdded = 0, partiesAdded = 0, extractsAdded = 0;
    // Parties of the journal that got results of an age they lacked (their 28-day results
    // after the 7-day ones).
    long long partiesCompleted = 0;
    std::vector<std::string> problems;  // "FILE:LINE: reason", every bad row
    // How the file was read when it was not a plain UTF-8 file with commas, one line each:
    // "Read with semicolons between fields and decimal commas", "Read as Windows-1251 text".
    std::vector<std::string> notes;
};
// Done with the counts; failed with the bad rows (and no message), or with the message of a
// failure that is not a row's (the file, the database); cancelled when the progress said so.
using ImportOutcome = Outcome<ImportValues>;

// Told the parties written so far and the file's count; false cancels the import, which then
// leaves the journal exactly as it was.
using ImportProgress = std::function<bool(long long written, long long total)>;

// All or nothing: any bad row, and any party already in the journal with results of the same
// age (or another date or design), imports nothing; a file whose every party is in the journal
// already says so once. Results of a new age for a party of the journal are added to it. `fileName`
// names the file.
ImportOutcome importCsv(Journal& journal, std::string_view bytes, const std::string& fileName,
                        const ImportProgress& progress = {});
ImportOutcome importCsvFile(Journal& journal, const QString& path,
                            const ImportProgress& progress = {});

// The header and one row per extract, by mix, date and order of entry; `mix` empty: every mix.
// Written whole or not at all.
Outcome<> exportCsvFile(const Journal& journal, const QString& path, const std::string& mix = {});
// The same lines, without line ends (tests, the window's preview).
Outcome<std::vector<std::string>> exportCsvLines(const Journal& journal, const std::string& mix);

// The whole journal (mixes, class B, layouts, parties, extracts, analysed periods, designs and
// the history) written into `destination`, a new or empty journal, with the same ids: a backup,
// a restore, or a move between SQLite and PostgreSQL. The counts of rows copied.
struct CopyValues {
    long long mixes = 0, parties = 0, extracts = 0, events = 0;
};
Outcome<CopyValues> copyJournal(const Journal& source, Journal& destination);

}  // namespace orvan::journal
