// options.slv: the bytes of the record, loading (missing, short, clamped), saving whole or not
// at all, and what a loaded record does to the run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "mixdesign/calc/MixForms.h"
#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"
#include "tests/mixdesign/core_support.h"

using namespace orvan;
using namespace orvan::mix;
namespace fs = std::filesystem;

namespace {

// The 48 bytes of the defaults: 1, 1, 1, 1, 1, 0 and 3.15, 2.65, 2.68, little-endian.
const unsigned char kDefaultBytes[48] = {
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0x09, 0x40,
    0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0x05, 0x40, 0x71, 0x3d, 0x0a, 0xd7, 0xa3, 0x70, 0x05, 0x40,
};
const std::string kDefaults(reinterpret_cast<const char*>(kDefaultBytes), 48);

// A fresh folder per test, removed afterwards.
class MixCoreOptionsFile : public mixtest::PointLocale {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mixcore-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = (dir_ / kOptionsFileName).string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path dir_;
    std::string path_;
};

TEST_F(MixCoreOptionsFile, SavingTheDefaultsWritesTheirFortyEightBytes) {
    auto saved = saveOptionsFile(path_, ProportioningOptions{}, mixtest::kPoint);
    ASSERT_TRUE(saved.ok()) << saved.message;
    EXPECT_EQ(read(), kDefaults);
    EXPECT_EQ(encodeOptionsRecord(OptionsFileRecord{}), kDefaults);
    // nothing but the file itself is left in the folder
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(MixCoreOptionsFile, SavedChoicesAndDensitiesLoadBack) {
    ProportioningOptions options;
    options.frostResistance = 0;
    options.aggregateKind = 1;
    options.cementDensity = "3.1";
    options.coarseDensity = "2,7";  // the comma of a comma locale is accepted...
    ASSERT_TRUE(saveOptionsFile(path_, options, mixtest::kComma).ok());
    ProportioningOptions current;
    current.concreteTemperature = "25";
    auto loaded = loadOptionsFile(path_, current, mixtest::kPoint);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->frostResistance, 0);
    EXPECT_EQ(loaded->waterTightness, 1);
    EXPECT_EQ(loaded->aggregateKind, 1);
    EXPECT_EQ(loaded->cementDensity, "3.1");
    EXPECT_EQ(loaded->coarseDensity, "2.7");       // ...and written back in the current one
    EXPECT_EQ(loaded->concreteTemperature, "25");  // never stored
}

struct ShortRow {
    const char* name;
    std::size_t size;
    bool loads;
};
void PrintTo(const ShortRow& row, std::ostream* os) {
    *os << row.name;
}
class MixCoreOptionsLength : public MixCoreOptionsFile,
                             public ::testing::WithParamInterface<ShortRow> {};
TEST_P(MixCoreOptionsLength, OnlyAWholeRecordLoads) {
    std::string bytes = kDefaults + std::string(16, '\x7f');
    bytes[0] = 0;  // waterproofing Yes, so a load is visible
    write(bytes.substr(0, GetParam().size));
    ProportioningOptions current;
    current.cementDensity = "3.0";
    auto loaded = loadOptionsFile(path_, current, mixtest::kPoint);
    EXPECT_EQ(loaded.has_value(), GetParam().loads);
    if (loaded) {
        EXPECT_EQ(loaded->waterTightness, 0);
        EXPECT_EQ(loaded->cementDensity, "3.15");
    }
}
INSTANTIATE_TEST_SUITE_P(Sizes, MixCoreOptionsLength,
                         ::testing::Values(ShortRow{"empty", 0, false},
                                           ShortRow{"forty_seven_bytes", 47, false},
                                           ShortRow{"forty_eight_bytes", 48, true},
                                           ShortRow{"trailing_bytes_ignored", 64, true}));

TEST_F(MixCoreOptionsFile, MissingOrUnreadableFileIsIgnored) {
    EXPECT_FALSE(loadOptionsFile(path_, {}, mixtest::kPoint));
    fs::create_directory(path_);  // a folder by that name cannot be read as a record
    EXPECT_FALSE(loadOptionsFile(path_, {}, mixtest::kPoint));
}

TEST_F(MixCoreOptionsFile, BadDensityLeavesTheFileUntouched) {
    write("old contents");
    ProportioningOptions options;
    options.sandDensity = "2.6x5";  // "2.6x5" stops at x: not a number
    auto saved = saveOptionsFile(path_, options, mixtest::kPoint);
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(saved.message, "'2.6x5' is not a valid floating point value");
    EXPECT_EQ(saved.style, MessageStyle::ErrorBox);
    EXPECT_EQ(read(), "old contents");
}

TEST_F(MixCoreOptionsFile, UnwritableFolderFailsWithTheFileNamed) {
    std::string missing = (dir_ / "no-such-folder" / kOptionsFileName).string();
    auto saved = saveOptionsFile(missing, {}, mixtest::kPoint);
    EXPECT_FALSE(saved.ok());
    EXPECT_NE(saved.message.find(missing), std::string::npos) << saved.message;
    EXPECT_FALSE(fs::exists(missing));
}

struct IndexRow {
    std::int32_t stored;
    int shown;
};
void PrintTo(const IndexRow& row, std::ostream* os) {
    *os << row.stored;
}
class MixCoreStoredIndex : public ::testing::TestWithParam<IndexRow> {};
TEST_P(MixCoreStoredIndex, ClampedToTheTwoItems) {
    EXPECT_EQ(clampStoredIndex(GetParam().stored), GetParam().shown);
    OptionsFileRecord record;
    record.indices.fill(GetParam().stored);
    ProportioningOptions loaded = applyOptionsRecord({}, record, mixtest::kPoint);
    EXPECT_EQ(loaded.waterTightness, GetParam().shown);
    EXPECT_EQ(loaded.aggregateKind, GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(Rows, MixCoreStoredIndex,
                         ::testing::Values(IndexRow{0, 0}, IndexRow{1, 1}, IndexRow{2, 1},
                                           IndexRow{INT_MAX, 1}, IndexRow{-1, -1}, IndexRow{-2, -1},
                                           IndexRow{INT_MIN, -1}));

struct DensityRow {
    double stored;
    const char* text;
};
void PrintTo(const DensityRow& row, std::ostream* os) {
    *os << row.text;
}
class MixCoreStoredDensity : public ::testing::TestWithParam<DensityRow> {};
TEST_P(MixCoreStoredDensity, ShortestGeneralForm) {
    OptionsFileRecord record;
    record.densities = {GetParam().stored, 2.65, 2.68};
    EXPECT_EQ(applyOptionsRecord({}, record, mixtest::kPoint).cementDensity, GetParam().text);
    EXPECT_EQ(decodeOptionsRecord(encodeOptionsRecord(record)), record);
}
INSTANTIATE_TEST_SUITE_P(Rows, MixCoreStoredDensity,
                         ::testing::Values(DensityRow{3.15, "3.15"}, DensityRow{3, "3"},
                                           DensityRow{0.00001, "1E-5"},
                                           DensityRow{1.5e20, "1.5E20"},
                                           DensityRow{3.1500000000000004, "3.15"}));

TEST(MixCoreOptionsRun, NothingSelectedReadsAsNoAndRefusesAsAggregateKind) {
    OptionsFileRecord record;
    record.indices = {-7, -1, -1, -1, -1, 0};
    ProportioningOptions options = applyOptionsRecord({}, record, mixtest::kPoint);
    EXPECT_FALSE(options.waterproof());
    EXPECT_FALSE(options.frost());
    AnsweringDialogs dialogs;
    EXPECT_EQ(runProportioning({}, options, dialogs, mixtest::kPoint).kind, OutcomeKind::Done);
    EXPECT_TRUE(dialogs.asked().empty());
    options.aggregateKind = -1;
    EXPECT_EQ(runProportioning({}, options, dialogs, mixtest::kPoint).kind, OutcomeKind::Refused);
}

TEST(MixCoreOptionsTexts, RoundTripThroughTheFormTexts) {
    ProportioningOptions options;
    options.steaming = 0;
    options.concreteTemperature = "18";
    EXPECT_EQ(ProportioningOptions::fromTexts(options.toTexts()), options);
    EXPECT_EQ(ProportioningOptions::fromTexts({}), ProportioningOptions{});
}

// The options dialog's table is where the defaults are written: the default options and the
// default record of the file follow it, field by field.
TEST(MixCoreOptionsTexts, DefaultsAreTheOptionsDialogTable) {
    EXPECT_EQ(ProportioningOptions{}.toTexts(), defaultTexts(optionsDialog()));
    EXPECT_EQ(OptionsFileRecord{}, recordFromOptions(ProportioningOptions{}, mixtest::kPoint));
}

}  // namespace
