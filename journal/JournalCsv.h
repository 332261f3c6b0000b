#pragma once
// The journal's exchange file: a header `date,mix,party,extract,strength`, then one extract a
// row. Two more columns may follow: `age`, the test age in days (1 to 365; without the column
// every result is a 28-day one), and `design`, the saved design the party was made from (the
// same on every row of a party, may be blank). The party's date is the day it was made; each
// age numbers its extracts 1..n by itself. Dates are ISO dates (YYYY-MM-DD), a point as the decimal
// separator. Fields may be quoted with double quotes (a doubled quote inside stands for one), so a
// mix name may hold a comma. A spreadsheet saved in a locale with decimal commas writes
// `date;mix;party;extract;strength` with semicolons between fields: such a file is read with
// decimal commas (a point is read too). A file that is not UTF-8 is read as Windows-1251. Mix names
// and party numbers lose their leading and trailing blanks. Plain C++: the importer checks the
// whole file before the journal is touched.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::journal {

inline constexpr const char* kCsvHeader = "date,mix,party,extract,strength";
inline constexpr const char* kCsvHeaderSemicolons = "date;mix;party;extract;strength";
inline constexpr const char* kCsvAgeColumn = "age";
inline constexpr const char* kCsvDesignColumn = "design";

// How many columns a file holds: 5, 6 (with ages) or 7 (with ages and designs).
enum class CsvColumns { Basic = 5, Ages = 6, Designs = 7 };
// The header of that many columns, with commas or semicolons between them.
std::string csvHeader(CsvColumns columns, bool semicolons = false);

// One extract as read from a row; `strengthText` is kept as written (the report echoes it).
struct CsvRow {
    int line = 0;  // 1-based line of the file
    std::string date;
    std::string mix;
    std::string party;
    int extract = 0;  // 1-based index within its party
    double strength = 0;
    std::string strengthText;
    int age = 28;        // days
    std::string design;  // "" when the file has no design column or leaves it blank
};

struct CsvProblem {
    int line = 0;
    std::string reason;
};

struct CsvParse {
    std::vector<CsvRow> rows;
    std::vector<CsvProblem> problems;  // every bad row; when not empty nothing is imported
    bool semicolons = false;           // `;` between fields and decimal commas
    bool windows1251 = false;          // the bytes were not UTF-8
    CsvColumns columns = CsvColumns::Basic;
    bool ok() const { return problems.empty(); }
};

// Reads a whole file's bytes. Besides each row's own checks, the rows of one party (same mix
// and party) must share one date and number their extracts without repeats.
CsvParse parseJournalCsv(std::string_view bytes);

// "FILE:LINE: reason"
std::string problemText(const std::string& file, const CsvProblem& problem);

// Helpers shared with the journal's own edits.
bool isIsoDate(std::string_view text);                       // a real calendar day, YYYY-MM-DD
std::optional<double> parseStrength(std::string_view text);  // [+]digits[.digits], finite
// Why a strength text cannot be a result ("" when it can): not a number, not above zero, or
// above kMaxStrength. Worded to follow "The " or a row's line.
std::string strengthProblem(std::string_view text);
// A name without its leading and trailing blanks (spaces and tabs).
std::string trimmedName(std::string_view text);
// Windows-1251 bytes as UTF-8.
std::string utf8FromWindows1251(std::string_view bytes);
std::string csvField(const std::string& text);  // quoted when it must be
std::string csvLine(const std::string& date, const std::string& mix, const std::string& party,
                    int extract, const std::string& strengthText);
// The same row with its age (6 columns) and design (7 columns) after it.
std::string csvLine(const std::string& date, const std::string& mix, const std::string& party,
                    int extract, const std::string& strengthText, int age,
                    const std::string& design, CsvColumns columns);

// Limits that keep a hostile file from growing the journal's texts without end.
inline constexpr std::size_t kMaxNameLength = 200;  // mix names and party numbers, bytes
inline constexpr std::size_t kMaxStrengthLength = 32;
inline constexpr int kMaxExtractIndex = 100;
// No concrete reaches it: a larger figure is a typing error (a missing point).
inline constexpr double kMaxStrength = 200;  // MPa

}  // namespace orvan::journal
