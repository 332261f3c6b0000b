// Bytes of any file to the journal's CSV rows: no crash, every problem on a line of the file,
// and rows that read are written back by the exporter's line form and read again the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "journal/JournalCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace jn = orvan::journal;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const jn::CsvParse parse = jn::parseJournalCsv(bytes);
    for (const auto& problem : parse.problems)
        if (problem.line < 1 || problem.reason.empty()) std::abort();
    if (!parse.ok()) return 0;
    std::string written = std::string(jn::kCsvHeader) + "\n";
    for (const auto& row : parse.rows)
        written += jn::csvLine(row.date, row.mix, row.party, row.extract, row.strengthText) + "\n";
    const jn::CsvParse again = jn::parseJournalCsv(written);
    if (!again.ok() || again.rows.size() != parse.rows.size()) std::abort();
    for (std::size_t i = 0; i < parse.rows.size(); ++i) {
        const auto &a = parse.rows[i], &b = again.rows[i];
        if (a.date != b.date || a.mix != b.mix || a.party != b.party || a.extract != b.extract ||
            a.strengthText != b.strengthText || a.strength != b.strength)
            std::abort();
    }
    return 0;
}
