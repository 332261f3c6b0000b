// The program-wide number rules: what converts, how numbers are written, what faults.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <vector>

#include "common/Checked.h"
#include "common/NumberText.h"

using namespace orvan;

namespace {

// Every test converts with the point separator; rows that need a comma say so.
class NumberTextTest : public ::testing::Test {
protected:
    const NumberFormat point{'.'};
    const NumberFormat comma{','};
};

struct FloatRow {
    const char* text;
    char separator;
    bool ok;
    double value;
};

const FloatRow kFloatRows[] = {
    {"25", '.', true, 25},
    {"  25  ", '.', true, 25},
    {"-4.5", '.', true, -4.5},
    {"+4.5", '.', true, 4.5},
    {".", '.', true, 0},
    {"5.", '.', true, 5},
    {".5", '.', true, 0.5},
    {"1e", '.', true, 1},
    {"1E3", '.', true, 1000},
    {"1e-3", '.', true, 0.001},
    {"2.5e+2", '.', true, 250},
    {"1E-400", '.', true, 0},  // underflow gives 0
    {"1,5", ',', true, 1.5},
    {"1.5", ',', true, 1.5},  // the point is accepted beside a comma separator
    {"", '.', false, 0},
    {"   ", '.', false, 0},
    {"-", '.', false, 0},
    {"E5", '.', false, 0},
    {"INF", '.', false, 0},
    {"NAN", '.', false, 0},
    {"1,000", '.', false, 0},
    {"\t1", '.', false, 0},
    {"0x10", '.', false, 0},
    {"1E400", '.', false, 0},  // overflow fails
    {"1 2", '.', false, 0},
    {"abc", '.', false, 0},
    {"--1", '.', false, 0},
};

}  // namespace

TEST_F(NumberTextTest, TextToFloatRows) {
    for (const auto& row : kFloatRows) {
        auto value = tryTextToFloat(row.text, NumberFormat{row.separator});
        EXPECT_EQ(value.has_value(), row.ok) << "'" << row.text << "'";
        if (value && row.ok) {
            EXPECT_DOUBLE_EQ(*value, row.value) << "'" << row.text << "'";
        }
    }
}

TEST_F(NumberTextTest, FailedConversionCarriesTheTextAsTyped) {
    try {
        textToFloat(" 1,5x", point);
        FAIL() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_STREQ(fault.what(), "' 1,5x' is not a valid floating point value");
    }
    try {
        textToInt("3.0");
        FAIL() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_STREQ(fault.what(), "'3.0' is not a valid integer value");
    }
}

TEST_F(NumberTextTest, TextToIntRows) {
    struct Row {
        const char* text;
        bool ok;
        std::int32_t value;
    } rows[] = {
        {"3", true, 3},         {"  -12", true, -12},         {"+7", true, 7},
        {"$1F", true, 31},      {"0x10", true, 16},           {"x10", true, 16},
        {"-$10", true, -16},    {"2147483647", true, INT32_MAX}, {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0}, {"3 ", false, 0},           {"", false, 0},
        {"-", false, 0},        {"$", false, 0},              {"1e3", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto& row : rows) {
        auto value = tryTextToInt(row.text);
        EXPECT_EQ(value.has_value(), row.ok) << "'" << row.text << "'";
        if (value && row.ok) {
            EXPECT_EQ(*value, row.value) << "'" << row.text << "'";
        }
    }
}

TEST_F(NumberTextTest, FixedFormatRows) {
    struct Row {
        double value;
        int decimals;
        const char* text;
    } rows[] = {
        {0.125, 2, "0.13"},         // an exact half rounds away from zero
        {2.675, 2, "2.67"},         // 2.67499999999999982... in binary
        {0.25, 1, "0.3"},
        {12345.678, 2, "12345.70"},  // six significant digits come first
        {-0.04, 1, "0.0"},           // rounds to zero: no sign
        {-0.05, 1, "-0.1"},
        {1234567, 2, "1.23457E06"},  // more than six integer digits: general form
        {1234567, 0, "1.23457E6"},
        {999999.7, 0, "1E6"},        // the carry makes seven integer digits
        {999999.4, 0, "999999"},
        {0, 3, "0.000"},
        {324, 0, "324"},
        {0.8, 2, "0.80"},
        {1.8, 1, "1.8"},
        {99.95, 1, "100.0"},
        {0.0004, 2, "0.00"},
        {0.006, 2, "0.01"},
        {-1234.5, 0, "-1235"},
        {100, 0, "100"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatFixed(row.value, row.decimals, point), row.text)
            << row.value << " with " << row.decimals << " decimals";
}

// The integer way and the expansion give the same text everywhere: random values of every
// magnitude a report writes, and the values a few units of the last place either side of
// every eleventh hundredth up to 1,000 and of their halves, where a rounding could go either way.
TEST_F(NumberTextTest, FixedFormatAgreesWithTheExpansion) {
    std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 0.05, 999999.5, 99999.95, 1e-7, 1e-12};
    std::uint64_t state = 88172645463325252ull;  // xorshift: the same values every run
    auto next = [&] { return state ^= state << 13, state ^= state >> 7, state ^= state << 17; };
    for (int i = 0; i < 20000; ++i) {
        const double unit = static_cast<double>(next() >> 11) / 9007199254740992.0;  // [0, 1)
        values.push_back((unit - 0.3) * std::pow(10.0, static_cast<int>(next() % 14) - 6));
    }
    for (int hundredths = 0; hundredths <= 100000; hundredths += 11)
        for (const double at : {hundredths / 100.0, (hundredths + 0.5) / 100.0}) {
            double below = at, above = at;
            for (int step = 0; step < 3; ++step) {
                values.push_back(below = std::nextafter(below, -1.0));
                values.push_back(above = std::nextafter(above, 2e6));
            }
            values.push_back(at), values.push_back(-at);
        }
    int differing = 0;
    for (const double value : values)
        for (int decimals = 0; decimals <= 7; ++decimals)
            for (const NumberFormat format : {point, comma})
                if (formatFixed(value, decimals, format) !=
                        formatFixedByExpansion(value, decimals, format) &&
                    ++differing <= 5)
                    ADD_FAILURE() << std::setprecision(17) << value << " with " << decimals
                                  << " decimals: " << formatFixed(value, decimals, format)
                                  << " against " << formatFixedByExpansion(value, decimals, format);
    EXPECT_EQ(differing, 0);
}

TEST_F(NumberTextTest, FixedFormatUsesTheLocaleSeparator) {
    EXPECT_EQ(formatFixed(0.125, 2, comma), "0,13");
    EXPECT_EQ(formatFixed(1234567, 2, comma), "1,23457E06");
    EXPECT_EQ(formatGeneral15(3.15, comma), "3,15");
}

TEST_F(NumberTextTest, General15Rows) {
    struct Row {
        double value;
        const char* text;
    } rows[] = {
        {3.15, "3.15"},   {0.00001, "1E-5"},    {1.5e20, "1.5E20"}, {2.6, "2.6"},
        {1.45, "1.45"},   {0, "0"},             {-2.5, "-2.5"},     {0.0001, "0.0001"},
        {1e15, "1E15"},   {123456789012345.0, "123456789012345"}, {0.1 + 0.2, "0.3"},
        {100, "100"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatGeneral15(row.value, point), row.text) << row.value;
}

TEST_F(NumberTextTest, GeneralFormReadsBack) {
    for (double value : {3.15, 2.65, 1.45, 0.00001, 1.5e20, 123.456})
        EXPECT_DOUBLE_EQ(*tryTextToFloat(formatGeneral15(value, point), point), value);
}

TEST_F(NumberTextTest, LookupRoundingIsHalfToEven) {
    EXPECT_EQ(roundHalfEven(20.5), 20);
    EXPECT_EQ(roundHalfEven(21.5), 22);
    EXPECT_EQ(roundHalfEven(20.4), 20);
    EXPECT_EQ(roundHalfEven(20.6), 21);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
}

TEST(Checked, FaultMessages) {
    struct Row {
        const char* name;
        double (*op)();
        const char* message;
    } rows[] = {
        {"x/0", [] { return checked::div(1, 0); }, kDivisionByZero},
        {"0/0", [] { return checked::div(0, 0); }, kInvalidOperation},
        {"ln 0", [] { return checked::ln(0); }, kDivisionByZero},
        {"ln -1", [] { return checked::ln(-1); }, kInvalidOperation},
        {"exp 710", [] { return checked::exp(710); }, kOverflow},
        {"overflowing product", [] { return checked::mul(1e300, 1e300); }, kOverflow},
        {"sqrt -1", [] { return checked::sqrt(-1); }, kInvalidOperation},
    };
    for (const auto& row : rows) {
        try {
            row.op();
            ADD_FAILURE() << row.name << ": no fault";
        } catch (const Fault& fault) {
            EXPECT_STREQ(fault.what(), row.message) << row.name;
        }
    }
}

TEST(Checked, UnderflowAndInexactAreNotFaults) {
    EXPECT_EQ(checked::exp(-800), 0.0);
    EXPECT_EQ(checked::mul(1e-300, 1e-300), 0.0);
    EXPECT_NEAR(checked::div(1, 3), 1.0 / 3, 1e-16);
    EXPECT_NEAR(checked::exp(709.7), std::exp(709.7), 1e292);
}

TEST(RoundTrip, ShortestForm) {
    EXPECT_EQ(formatRoundTrip(0.1), "0.1");
    EXPECT_EQ(formatRoundTrip(324), "324");
    EXPECT_EQ(formatRoundTrip(std::numeric_limits<double>::quiet_NaN()), "null");
}
