#pragma once
// The journal's exchange file: a header `date,mix,party,extract,strength`, then one extract a
// row, ISO dates (YYYY-MM-DD), a point as the decimal separator. Fields may be quoted with
// double quotes (a doubled quote inside stands for one), so a mix name may hold a comma.
// Plain C++: the importer checks the whole file before the journal is touched.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::journal {

inline constexpr const char* kCsvHeader = "date,mix,party,extract,strength";

// One extract as read from a row; `strengthText` is kept as written (the report echoes it).
struct CsvRow {
    int line = 0;  // 1-based line of the file
    std::string date;
    std::string mix;
    std::string party;
    int extract = 0;  // 1-based index within its party
    double strength = 0;
    std::string strengthText;
};

struct CsvProblem {
    int line = 0;
    std::string reason;
};

struct CsvParse {
    std::vector<CsvRow> rows;
    std::vector<CsvProblem> problems;  // every bad row; when not empty nothing is imported
    bool ok() const { return problems.empty(); }
};

// Reads a whole file's bytes. Besides each row's own checks, the rows of one party (same mix
// and party) must share one date and number their extracts without repeats.
CsvParse parseJournalCsv(std::string_view bytes);

// "FILE:LINE: reason"
std::string problemText(const std::string& file, const CsvProblem& problem);

// Helpers shared with the journal's own edits.
bool isIsoDate(std::string_view text);                     // a real calendar day, YYYY-MM-DD
std::optional<double> parseStrength(std::string_view text);  // [+]digits[.digits], finite
std::string csvField(const std::string& text);             // quoted when it must be
std::string csvLine(const std::string& date, const std::string& mix, const std::string& party,
                    int extract, const std::string& strengthText);

// Limits that keep a hostile file from growing the journal's texts without end.
inline constexpr std::size_t kMaxNameLength = 200;  // mix names and party numbers, bytes
inline constexpr std::size_t kMaxStrengthLength = 32;
inline constexpr int kMaxExtractIndex = 100;

}  // namespace orvan::journal
