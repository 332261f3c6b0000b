#pragma once
// The proportioning options as the options dialog holds them, and the file options.slv that
// keeps the six choices and three densities between sessions.
//
// options.slv is one headerless 48-byte little-endian record:
//   offset  0..23  six signed 32-bit radio-group indices: rgWaterproof, rgFrost, rgArmatyra,
//                  rgProparka, rgEconomy, rgZapolnitel
//   offset 24..47  three IEEE 754 doubles: relative density of cement, sand, coarse aggregate
// Bytes after the record are ignored. The temperature is not stored.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::mix {

inline constexpr const char* kOptionsFileName = "options.slv";  // relative to the working folder
inline constexpr std::size_t kOptionsRecordSize = 48;

// Yes/No groups: only index 0 means Yes. An index of -1 is a group with nothing selected.
inline constexpr int kYes = 0;
inline constexpr int kNo = 1;

// The options dialog's current state: radio-group indices and the field texts as typed
// (the run converts the texts when it reads them, so a bad density ends the run with "Error").
// A default-made one holds the defaults of the options dialog's table (MixForms.cpp).
struct ProportioningOptions {
    ProportioningOptions();

    // Each choice is its options field's radio-group index (field names in MixForms.h).
    int waterTightness;               // kYes or kNo
    int frostResistance;              // kYes or kNo
    int reinforcement;                // kYes or kNo
    int steaming;                     // kYes or kNo: atmospheric steam curing
    int cementSaving;                 // kYes or kNo
    int aggregateKind;                // 0 crushed stone, 1 gravel; the run reads the low byte
    std::string cementDensity;        // relative density of cement, kg per litre
    std::string sandDensity;          // of sand
    std::string coarseDensity;        // of coarse aggregate
    std::string concreteTemperature;  // fresh concrete, degrees Celsius; never stored

    bool waterproof() const { return waterTightness == kYes; }
    bool frost() const { return frostResistance == kYes; }
    bool reinforced() const { return reinforcement == kYes; }
    bool steamCuring() const { return steaming == kYes; }
    bool economy() const { return cementSaving == kYes; }

    // From the texts of the form fmOptions (radio groups as decimal index texts; absent
    // fields keep the defaults). Throws orvan::Fault("'x' is not a valid integer value") for a
    // radio text that is not an integer - meant for the command-line tool, whose frame
    // reports the fault.
    static ProportioningOptions fromTexts(const FieldTexts& fmOptions);
    FieldTexts toTexts() const;  // the inverse: every field of fmOptions

    bool operator==(const ProportioningOptions&) const = default;
};

// A default-made record is the record of the default options.
struct OptionsFileRecord {
    OptionsFileRecord();

    std::array<std::int32_t, 6> indices{};
    std::array<double, 3> densities{};
    bool operator==(const OptionsFileRecord&) const = default;
};

// The 48 bytes of a record, little-endian whatever the machine.
std::string encodeOptionsRecord(const OptionsFileRecord& record);
// The first record of a file's bytes; nullopt when there are fewer than 48.
std::optional<OptionsFileRecord> decodeOptionsRecord(std::string_view bytes);

// A stored index as the two-item radio group shows it: beyond the last item selects the last,
// below -1 becomes -1 (nothing selected).
int clampStoredIndex(std::int32_t stored, int itemCount = 2);

// The options after loading a record over `current`: the six indices clamped, the densities
// written in the shortest general form with up to 15 digits ("3.15"), the temperature kept.
ProportioningOptions applyOptionsRecord(const ProportioningOptions& current,
                                        const OptionsFileRecord& record, NumberFormat format);

// Loading on every activation of the options dialog: nullopt (leave every field as it is, show
// nothing) when the file is missing, unreadable or shorter than 48 bytes.
std::optional<ProportioningOptions> loadOptionsFile(const std::string& path,
                                                    const ProportioningOptions& current,
                                                    NumberFormat format);

// Failed: the conversion message or the write failure, for the error box.
using OptionsSaveOutcome = Outcome<>;

// "Save current options": converts the three densities first (a bad text gives "'x' is not a
// valid floating point value" and the file is not touched), then writes the record to a
// temporary file beside `path` and renames it over `path`, so the file is written whole or
// not at all. The message of a write failure names the file and the reason.
OptionsSaveOutcome saveOptionsFile(const std::string& path, const ProportioningOptions& options,
                                   NumberFormat format);

// The record the options would be saved as; throws orvan::Fault for a bad density text.
OptionsFileRecord recordFromOptions(const ProportioningOptions& options, NumberFormat format);

}  // namespace orvan::mix
