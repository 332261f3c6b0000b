// The journal's CSV reader: rows that read, and every kind of bad row with its line.
#include <gtest/gtest.h>

#include "journal/JournalCsv.h"

namespace {

namespace jn = orvan::journal;

struct CsvCase {
    const char* name;
    std::string bytes;
    std::size_t rows;      // rows read when no problem is expected
    std::string problems;  // "LINE: reason" joined by "|", "" when the file reads
};

void PrintTo(const CsvCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kHeader = "date,mix,party,extract,strength\n";

const CsvCase kCases[] = {
    {"header_only", kHeader, 0, ""},
    {"bom_crlf_quotes",
     "\xEF\xBB\xBF" + std::string("date,mix,party,extract,strength\r\n") +
         "2024-02-29,\"B25, \"\"P\"\"\",7,1,+30.50\r\n\r\n",
     1, ""},
    {"empty_file", "", 0,
     "1: expected the header date,mix,party,extract,strength (or date;mix;party;extract;strength), "
     "optionally followed by ,age or ,age,design"},
    {"other_shape_one_message", "a,b\n1,2\n3,4\n", 0,
     "1: expected the header date,mix,party,extract,strength (or date;mix;party;extract;strength), "
     "optionally followed by ,age or ,age,design"},
    {"semicolons_decimal_commas",
     "date;mix;party;extract;strength\n2025-01-01; T1 ;1;1;20,5\n2025-01-01;T1;1;2;21\n", 2, ""},
    {"field_count", kHeader + "2025-01-01,M,1,1\n", 0, "2: expected 5 fields, found 4"},
    {"not_a_day", kHeader + "2025-02-29,M,1,1,20\n", 0,
     "2: date '2025-02-29' is not a calendar day YYYY-MM-DD"},
    {"comma_decimal", kHeader + "2025-01-01,M,1,1,\"20,5\"\n", 0,
     "2: strength '20,5' is not a number with a point as decimal separator"},
    {"negative_and_exponent", kHeader + "2025-01-01,M,1,1,-2\n2025-01-01,M,1,2,1e3\n", 0,
     "2: strength must be greater than zero|3: strength '1e3' is not a number with a point as "
     "decimal separator"},
    {"zero_and_implausible", kHeader + "2025-01-01,M,1,1,0\n2025-01-01,M,1,2,250\n", 0,
     "2: strength must be greater than zero|3: strength '250' MPa is not plausible: it is above "
     "200 MPa"},
    {"extract_zero", kHeader + "2025-01-01,M,1,0,20\n", 0,
     "2: extract '0' is not a number from 1 to 100"},
    {"empty_mix", kHeader + "2025-01-01,,1,1,20\n", 0, "2: empty mix name"},
    {"open_quote", kHeader + "2025-01-01,\"M,1,1,20\n", 0, "2: a quote is not closed"},
    {"windows_1251", kHeader + "2025-01-01,\xcc\xe8,1,1,20\n", 1, ""},
    {"huge_field", kHeader + "2025-01-01," + std::string(300, 'x') + ",1,1,20\n", 0,
     "2: mix name longer than 200 bytes"},
    {"two_dates_one_party", kHeader + "2025-01-01,M,1,1,20\n2025-01-02,M,1,2,21\n", 0,
     "3: party '1' of mix 'M' is dated 2025-01-01 on line 2"},
    {"repeated_extract", kHeader + "2025-01-01,M,1,1,20\n2025-01-01,M,1,1,21\n", 0,
     "3: extract 1 of party '1' of mix 'M' is on line 2 already"},
    {"gap_in_extracts", kHeader + "2025-01-01,M,1,1,20\n2025-01-01,M,1,3,21\n", 0,
     "3: extract 3 of party '1' of mix 'M' follows extract 1: the extracts are not numbered 1 "
     "to 2"},
    {"same_party_other_mix", kHeader + "2025-01-01,M,1,1,20\n2025-01-02,N,1,1,21\n", 2, ""},
    // Ages: each age numbers its extracts by itself; designs are one per party.
    {"ages_number_apart",
     "date,mix,party,extract,strength,age\n2025-01-01,M,1,1,20,7\n2025-01-01,M,1,1,30,28\n"
     "2025-01-01,M,1,2,31,28\n",
     3, ""},
    {"age_out_of_range", "date,mix,party,extract,strength,age\n2025-01-01,M,1,1,20,0\n", 0,
     "2: age '0' is not a number of days from 1 to 365"},
    {"age_column_missing", "date,mix,party,extract,strength,age\n2025-01-01,M,1,1,20\n", 0,
     "2: expected 6 fields, found 5"},
    {"gap_at_an_age",
     "date,mix,party,extract,strength,age\n2025-01-01,M,1,1,20,7\n2025-01-01,M,1,3,21,7\n"
     "2025-01-01,M,1,1,30,28\n",
     0,
     "3: extract 3 at 7 days of party '1' of mix 'M' follows extract 1: the extracts are not "
     "numbered 1 to 2"},
    {"repeated_extract_at_an_age",
     "date;mix;party;extract;strength;age\n2025-01-01;M;1;1;20,5;7\n2025-01-01;M;1;1;21;7\n", 0,
     "3: extract 1 at 7 days of party '1' of mix 'M' is on line 2 already"},
    {"design_blank_or_named",
     "date,mix,party,extract,strength,age,design\n2025-01-01,M,1,1,20,28,D1\n"
     "2025-01-01,M,2,1,21,28,\n",
     2, ""},
    {"two_designs_one_party",
     "date,mix,party,extract,strength,age,design\n2025-01-01,M,1,1,20,7,D1\n"
     "2025-01-01,M,1,1,30,28,D2\n",
     0, "3: party '1' of mix 'M' names the design 'D1' on line 2"},
};

class JournalCsv : public ::testing::TestWithParam<CsvCase> {};

TEST_P(JournalCsv, ReadsRowsOrReportsEveryBadRow) {
    const CsvCase& c = GetParam();
    const jn::CsvParse parse = jn::parseJournalCsv(c.bytes);
    std::string problems;
    for (const auto& p : parse.problems)
        problems.append(problems.empty() ? "" : "|")
            .append(std::to_string(p.line))
            .append(": ")
            .append(p.reason);
    EXPECT_EQ(problems, c.problems);
    EXPECT_EQ(parse.rows.size(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Rows, JournalCsv, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JournalCsvRow, KeepsTextsAndQuotesOnlyWhereNeeded) {
    const jn::CsvParse parse = jn::parseJournalCsv(kCases[1].bytes);
    ASSERT_EQ(parse.rows.size(), 1u);
    const jn::CsvRow& row = parse.rows[0];
    EXPECT_EQ(row.mix, "B25, \"P\"");
    EXPECT_EQ(row.strengthText, "+30.50");
    EXPECT_DOUBLE_EQ(row.strength, 30.5);
    EXPECT_EQ(jn::csvLine(row.date, row.mix, row.party, row.extract, row.strengthText),
              "2024-02-29,\"B25, \"\"P\"\"\",7,1,+30.50");
}

// Names are trimmed ("  T1" is the mix T1), a Windows-1251 file reads as its Cyrillic letters,
// decimal commas become points.
TEST(JournalCsvRow, TrimsNamesAndReadsOtherSavings) {
    const jn::CsvParse semicolons = jn::parseJournalCsv(kCases[4].bytes);
    ASSERT_EQ(semicolons.rows.size(), 2u);
    EXPECT_TRUE(semicolons.semicolons);
    EXPECT_EQ(semicolons.rows[0].mix, "T1");
    EXPECT_EQ(semicolons.rows[0].strengthText, "20.5");
    const jn::CsvParse cyrillic = jn::parseJournalCsv(kHeader + "2025-01-01,\xcc\xe8,1,1,20\n");
    EXPECT_TRUE(cyrillic.windows1251);
    ASSERT_EQ(cyrillic.rows.size(), 1u);
    EXPECT_EQ(cyrillic.rows[0].mix, "\u041c\u0438");
}

}  // namespace
