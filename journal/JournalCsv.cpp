#include "journal/JournalCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <utility>

#include "common/ReportLanguage.h"

namespace orvan::journal {

namespace {

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int more = c < 0x80           ? 0
                   : (c >> 5) == 0x6  ? 1
                   : (c >> 4) == 0xE  ? 2
                   : (c >> 3) == 0x1E ? 3
                                      : -1;
        if (more < 0 || (more == 1 && c < 0xC2) || i + more >= text.size()) return false;
        unsigned code = more == 0 ? c : c & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d >> 6) != 0x2) return false;
            code = (code << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

// A text quoted into a message, cut short so a huge field cannot flood the report.
std::string shown(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out(text.substr(0, kShown));
    if (text.size() > kShown) {
        while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80)
            out.pop_back();  // not inside a UTF-8 sequence
        if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
        out += "...";
    }
    return "'" + out + "'";
}

// One line split into fields, or why it does not split (then `error` is not empty).
struct SplitLine {
    std::vector<std::string> fields;
    std::string error;
};

SplitLine splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields(1);
    bool quoted = false, wasQuoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else
                quoted = false;
        } else if (c == separator) {
            fields.emplace_back(), wasQuoted = false;
        } else if (c == '"' && fields.back().empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (wasQuoted) {
            return {{}, "text after a closing quote"};
        } else {
            fields.back() += c;
        }
    }
    if (quoted) return {std::move(fields), "a quote is not closed"};
    return {std::move(fields), {}};
}

bool hasControl(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

// `what` is "mix name" or "party number", each with its own texts in the report language.
std::string checkName(const char* what, const std::string& text) {
    const bool mix = std::string_view(what) == "mix name";
    if (text.empty()) return reportText(mix ? "empty mix name" : "empty party number");
    if (text.size() > kMaxNameLength)
        return reportText(
            mix ? "mix name longer than %1 bytes" : "party number longer than %1 bytes",
            {std::to_string(kMaxNameLength)});
    if (hasControl(text))
        return reportText(mix ? "mix name %1 holds a control character"
                              : "party number %1 holds a control character",
                          {shown(text)});
    return {};
}

std::optional<int> parseExtractIndex(const std::string& text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const int index = std::stoi(text);
    if (index < 1 || index > kMaxExtractIndex) return std::nullopt;
    return index;
}

// One row checked by itself: the row, or why it does not read (then `error` is not empty).
struct RowRead {
    CsvRow row;
    std::string error;
};

RowRead failedRow(std::string error) {
    return {{}, std::move(error)};
}

std::optional<int> parseAge(const std::string& text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const int age = std::stoi(text);
    if (age < 1 || age > 365) return std::nullopt;
    return age;
}

RowRead readRow(std::string_view line, int lineNumber, bool semicolons, CsvColumns columns) {
    if (line.find('\0') != line.npos) return failedRow(reportText("a NUL byte"));
    SplitLine split = splitFields(line, semicolons ? ';' : ',');
    if (!split.error.empty()) return failedRow(reportText(split.error));
    std::vector<std::string>& f = split.fields;
    const std::size_t expected = static_cast<std::size_t>(columns);
    if (f.size() != expected)
        return failedRow(reportText("expected %1 fields, found %2",
                                    {std::to_string(expected), std::to_string(f.size())}));
    int age = 28;
    if (columns != CsvColumns::Basic) {
        const std::optional<int> read = parseAge(trimmedName(f[5]));
        if (!read)
            return failedRow(
                reportText("age %1 is not a number of days from 1 to 365", {shown(f[5])}));
        age = *read;
    }
    std::string design;
    if (columns == CsvColumns::Designs) {
        design = trimmedName(f[6]);
        if (design.size() > kMaxNameLength)
            return failedRow(
                reportText("design longer than %1 bytes", {std::to_string(kMaxNameLength)}));
        if (hasControl(design))
            return failedRow(reportText("design %1 holds a control character", {shown(design)}));
    }
    f[1] = trimmedName(f[1]), f[2] = trimmedName(f[2]);
    // A spreadsheet with decimal commas wrote the strength; the journal keeps a point.
    if (semicolons) std::replace(f[4].begin(), f[4].end(), ',', '.');
    if (!isIsoDate(f[0]))
        return failedRow(reportText("date %1 is not a calendar day YYYY-MM-DD", {shown(f[0])}));
    if (auto e = checkName("mix name", f[1]); !e.empty()) return failedRow(e);
    if (auto e = checkName("party number", f[2]); !e.empty()) return failedRow(e);
    const std::optional<int> extract = parseExtractIndex(f[3]);
    if (!extract)
        return failedRow(reportText("extract %1 is not a number from 1 to %2",
                                    {shown(f[3]), std::to_string(kMaxExtractIndex)}));
    if (std::string problem = strengthProblem(f[4]); !problem.empty()) return failedRow(problem);
    const std::optional<double> strength = parseStrength(f[4]);
    RowRead read;
    read.row.line = lineNumber;
    read.row.extract = *extract;
    read.row.strength = *strength;
    read.row.date = std::move(f[0]);
    read.row.mix = std::move(f[1]);
    read.row.party = std::move(f[2]);
    read.row.strengthText = std::move(f[4]);
    read.row.age = age;
    read.row.design = std::move(design);
    return read;
}

struct PartySeen {
    std::string date;
    std::string design;
    int line = 0;
    std::map<std::pair<int, int>, int> extractLines;  // (age, extract index) -> line
};

// " at 7 days" for a result of another age than 28 days; "" for a 28-day one, so that a file
// without ages is told as before.
std::string atAge(int age) {
    return age == 28 ? std::string() : reportText(" at %1 days", {std::to_string(age)});
}

// The checks between rows of one party.
std::string checkParty(std::map<std::pair<std::string, std::string>, PartySeen>& parties,
                       const CsvRow& row) {
    auto [it, fresh] = parties.try_emplace({row.mix, row.party});
    PartySeen& seen = it->second;
    if (fresh) seen.date = row.date, seen.design = row.design, seen.line = row.line;
    // Written only for a row that is refused: a year of rows passes here.
    auto which = [&] {
        return reportText("party %1 of mix %2", {shown(row.party), shown(row.mix)});
    };
    if (seen.date != row.date)
        return reportText("%1 is dated %2 on line %3",
                          {which(), seen.date, std::to_string(seen.line)});
    if (seen.design != row.design)
        return reportText("%1 names the design %2 on line %3",
                          {which(), shown(seen.design), std::to_string(seen.line)});
    auto [ex, added] = seen.extractLines.try_emplace({row.age, row.extract}, row.line);
    if (!added)
        return reportText(
            "extract %1%2 of %3 is on line %4 already",
            {std::to_string(row.extract), atAge(row.age), which(), std::to_string(ex->second)});
    return {};
}

}  // namespace

bool isIsoDate(std::string_view t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (t[i] < '0' || t[i] > '9') return false;
    const int year = std::stoi(std::string(t.substr(0, 4)));
    const int month = std::stoi(std::string(t.substr(5, 2)));
    const int day = std::stoi(std::string(t.substr(8, 2)));
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::optional<double> parseStrength(std::string_view text) {
    if (text.empty() || text.size() > kMaxStrengthLength) return std::nullopt;
    std::size_t i = text[0] == '+' ? 1 : 0;
    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == digitsStart) return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == fraction) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    const std::string_view digits = text.substr(digitsStart);
    double parsed = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(parsed))
        return std::nullopt;
    return parsed;
}

std::string strengthProblem(std::string_view text) {
    if (const std::optional<double> value = parseStrength(text)) {
        if (*value <= 0) return reportText("strength must be greater than zero");
        if (*value > kMaxStrength)
            return reportText("strength %1 MPa is not plausible: it is above %2 MPa",
                              {shown(text), std::to_string(static_cast<int>(kMaxStrength))});
        return {};
    }
    if (!text.empty() && text[0] == '-' && parseStrength(text.substr(1)))
        return reportText("strength must be greater than zero");
    return reportText("strength %1 is not a number with a point as decimal separator",
                      {shown(text)});
}

std::string trimmedName(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string utf8FromWindows1251(std::string_view bytes) {
    // The code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
    static constexpr char16_t kHigh[64] = {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
        0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
        0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
        0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
        0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        const unsigned code = c < 0x80 ? c : c < 0xC0 ? kHigh[c - 0x80] : 0x0410 + (c - 0xC0);
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

namespace {

// The file's columns and separator by its header, or none for a header of another shape.
std::optional<std::pair<CsvColumns, bool>> headerColumns(std::string_view line) {
    for (CsvColumns columns : {CsvColumns::Basic, CsvColumns::Ages, CsvColumns::Designs})
        for (bool semicolons : {false, true})
            if (line == csvHeader(columns, semicolons)) return std::pair{columns, semicolons};
    return std::nullopt;
}

}  // namespace

CsvParse parseJournalCsv(std::string_view bytes) {
    CsvParse out;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::string converted;
    if (!isValidUtf8(bytes)) {
        converted = utf8FromWindows1251(bytes);
        bytes = converted;
        out.windows1251 = true;
    }
    std::map<std::pair<std::string, std::string>, PartySeen> parties;
    int lineNumber = 0;
    bool headerSeen = false;
    std::size_t start = 0;
    while (start < bytes.size() || !headerSeen) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headerSeen) {
            headerSeen = true;
            const auto columns = headerColumns(line);
            if (columns) out.columns = columns->first, out.semicolons = columns->second;
            if (!columns) {
                // A file of another shape: one message, not one per row.
                out.problems.push_back(
                    {lineNumber, reportText("expected the header %1 (or %2), optionally followed "
                                            "by ,age or ,age,design",
                                            {kCsvHeader, kCsvHeaderSemicolons})});
                return out;
            }
            continue;
        }
        if (line.empty()) continue;
        RowRead read = readRow(line, lineNumber, out.semicolons, out.columns);
        std::string reason = std::move(read.error);
        if (reason.empty()) reason = checkParty(parties, read.row);
        if (!reason.empty())
            out.problems.push_back({lineNumber, std::move(reason)});
        else if (out.problems.empty())
            out.rows.push_back(std::move(read.row));
    }
    // Each party's extracts are numbered 1..n, so an export reads back as it was written; a
    // gap is told on the line of the first extract after it.
    for (const auto& [key, seen] : parties) {
        int expected = 1, age = 0;
        std::size_t ofAge = 0;
        for (const auto& [extract, line] : seen.extractLines) {
            if (extract.first != age) {
                age = extract.first, expected = 1;
                ofAge = 0;
                for (const auto& other : seen.extractLines) ofAge += other.first.first == age;
            }
            if (extract.second != expected) {
                out.problems.push_back(
                    {line,
                     reportText(
                         expected == 1 ? "extract %1%2 of party %3 of mix %4 comes without "
                                         "extract 1: the extracts are not numbered 1 to %5"
                                       : "extract %1%2 of party %3 of mix %4 follows "
                                         "extract %6: the extracts are not numbered 1 to %5",
                         {std::to_string(extract.second), atAge(age), shown(key.second),
                          shown(key.first), std::to_string(ofAge), std::to_string(expected - 1)})});
                // The next age's extracts are checked on their own.
                expected = -1000;
                continue;
            }
            ++expected;
        }
    }
    std::stable_sort(out.problems.begin(), out.problems.end(),
                     [](const CsvProblem& a, const CsvProblem& b) { return a.line < b.line; });
    if (!out.problems.empty()) out.rows.clear();
    return out;
}

std::string problemText(const std::string& file, const CsvProblem& problem) {
    return file + ":" + std::to_string(problem.line) + ": " + problem.reason;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

std::string csvLine(const std::string& date, const std::string& mix, const std::string& party,
                    int extract, const std::string& strengthText) {
    return date + ',' + csvField(mix) + ',' + csvField(party) + ',' + std::to_string(extract) +
           ',' + strengthText;
}

std::string csvLine(const std::string& date, const std::string& mix, const std::string& party,
                    int extract, const std::string& strengthText, int age,
                    const std::string& design, CsvColumns columns) {
    std::string line = csvLine(date, mix, party, extract, strengthText);
    if (columns != CsvColumns::Basic) line += ',' + std::to_string(age);
    if (columns == CsvColumns::Designs) line += ',' + csvField(design);
    return line;
}

std::string csvHeader(CsvColumns columns, bool semicolons) {
    std::string header = semicolons ? kCsvHeaderSemicolons : kCsvHeader;
    const char separator = semicolons ? ';' : ',';
    if (columns != CsvColumns::Basic) header += separator + std::string(kCsvAgeColumn);
    if (columns == CsvColumns::Designs) header += separator + std::string(kCsvDesignColumn);
    return header;
}

}  // namespace orvan::journal
