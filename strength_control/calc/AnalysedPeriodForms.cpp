// The fields of the analysed-period dialogs as plain data, and blocks of extract texts as
// they come from a file or the clipboard.

#include "strength_control/calc/AnalysedPeriod.h"

namespace orvan::analysed {

namespace {

// "1-st", "2-nd", "3-rd", then "-th" (the dialogs count up to 10 only).
std::string ordinal(int k) {
    const char* suffix = k == 1 ? "-st" : k == 2 ? "-nd" : k == 3 ? "-rd" : "-th";
    return std::to_string(k) + suffix;
}

Form makeExtractForm(const AnalysedPeriodLayout& layout) {
    std::vector<Field> fields;
    for (int i = 1; i <= layout.partyCount; ++i)
        for (int j = 1; j <= layout.extractCount; ++j)
            fields.push_back(textField(extractFieldName(i, j), {extractCaption(j)}));
    return fieldsForm(layout.dialogName, std::move(fields));
}

Form makeAnyLayoutForm() {
    std::vector<Field> fields;
    const AnalysedPeriodLayout& wide = fiveBySixLayout();
    const AnalysedPeriodLayout& tall = tenByThreeLayout();
    for (int i = 1; i <= tall.partyCount; ++i)
        for (int j = 1; j <= wide.extractCount; ++j) {
            const bool inWide = i <= wide.partyCount;
            const bool inLong = j <= tall.extractCount;
            if (!inWide && !inLong) continue;
            std::string caption = partyTabCaption(i) + ": " + extractCaption(j);
            if (!inLong) caption += " (5 parties only)";
            if (!inWide) caption += " (10 parties only)";
            fields.push_back(textField(extractFieldName(i, j), {caption}));
        }
    return fieldsForm("fmPeriod_analiz2", std::move(fields));
}

std::vector<std::string> splitLines(const std::string& block) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= block.size()) {
        std::size_t end = block.find('\n', start);
        if (end == std::string::npos) end = block.size();
        std::string line = block.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::vector<std::string> splitTexts(const std::string& line, const std::string& separators) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = line.find_first_of(separators, start);
        texts.push_back(
            line.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return texts;
}

std::string count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string extractFieldName(int party, int extract) {
    return "edR" + std::to_string(party) + "_" + std::to_string(extract);
}

std::string partyTabName(int party) {
    return "TabSheet" + std::to_string(party);
}

std::string partyTabCaption(int party) {
    return ordinal(party) + " party";
}

std::string extractCaption(int extract) {
    return "Enter average strength in " + ordinal(extract) + " extract, MPa";
}

const Form& setupForm() {
    static const Form form =
        fieldsForm("fmPeriod_Analiz1",
                   {textField("rgCount_Party", {"Choose duration of the analyzed period"}, "0"),
                    textField("edB", {"Strength of concrete, MPa"}, "10")});
    return form;
}

const Form& extractForm(const AnalysedPeriodLayout& layout) {
    static const Form wide = makeExtractForm(fiveBySixLayout());
    static const Form tall = makeExtractForm(tenByThreeLayout());
    return layout.partyCount == fiveBySixLayout().partyCount ? wide : tall;
}

const Form& anyLayoutExtractForm() {
    static const Form form = makeAnyLayoutForm();
    return form;
}

ExtractBlock parseExtractBlock(const AnalysedPeriodLayout& layout, const std::string& block) {
    ExtractBlock out;
    const std::vector<std::string> lines = splitLines(block);
    const auto parties = static_cast<std::size_t>(layout.partyCount);
    const auto extracts = static_cast<std::size_t>(layout.extractCount);
    if (lines.size() != parties) {
        out.found = lines.size();
        out.error = "The block holds " + count(lines.size(), "line", "lines") +
                    "; the period needs " + count(parties, "party", "parties") + ", one per line.";
        return out;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Each line on its own: tabs or semicolons, where the line has them, leave its commas to
        // the numbers (decimal commas), unless only every separator together gives the line
        // its party's count of extracts.
        const bool tabbed = lines[i].find_first_of("\t;") != std::string::npos;
        std::vector<std::string> texts = splitTexts(lines[i], tabbed ? "\t;" : ",");
        if (tabbed && texts.size() != extracts) {
            std::vector<std::string> every = splitTexts(lines[i], "\t;,");
            if (every.size() == extracts) texts = std::move(every);
        }
        if (texts.size() != extracts) {
            out.badLine = i + 1;
            out.found = texts.size();
            out.error = "Line " + std::to_string(i + 1) + " holds " +
                        count(texts.size(), "extract", "extracts") + "; each party needs " +
                        std::to_string(extracts) + ".";
            out.texts.clear();
            return out;
        }
        out.texts.push_back(std::move(texts));
    }
    out.ok = true;
    return out;
}

}  // namespace orvan::analysed
