#include "mixdesign/calc/OptionsFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "common/Fault.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "mixdesign/calc/MixForms.h"

namespace orvan::mix {

namespace {

// The record's integers and doubles in the order of the file.
struct IndexSlot {
    const char* name;
    int ProportioningOptions::*member;
};
constexpr IndexSlot kIndexSlots[6] = {
    {"rgWaterproof", &ProportioningOptions::waterTightness},
    {"rgFrost", &ProportioningOptions::frostResistance},
    {"rgArmatyra", &ProportioningOptions::reinforcement},
    {"rgProparka", &ProportioningOptions::steaming},
    {"rgEconomy", &ProportioningOptions::cementSaving},
    {"rgZapolnitel", &ProportioningOptions::aggregateKind},
};
struct TextSlot {
    const char* name;
    std::string ProportioningOptions::*member;
};
constexpr TextSlot kDensitySlots[3] = {
    {"edPlotnostC", &ProportioningOptions::cementDensity},
    {"edPlotnostP", &ProportioningOptions::sandDensity},
    {"edPlotnostSC", &ProportioningOptions::coarseDensity},
};
constexpr TextSlot kTemperatureSlot{"edTemperatyr", &ProportioningOptions::concreteTemperature};

void putLittleEndian(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t getLittleEndian(std::string_view in, std::size_t offset, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(in[offset + i])) << (8 * i);
    return value;
}

std::string writeFailure(const std::string& path, int error) {
    return reportText("Cannot save the options to '%1': %2", {path, std::strerror(error)});
}

// A temporary file beside `path` (same folder, so the rename cannot cross file systems),
// created and open: its name and descriptor (-1 when it could not be created).
struct TemporaryFile {
    std::string path;
    int fd = -1;
};

TemporaryFile createTemporaryBeside(const std::string& path) {
    TemporaryFile file{path + ".XXXXXX"};
    file.fd = ::mkstemp(file.path.data());
    return file;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

// The default text of an options field: the options dialog's table is the one place the
// defaults are written.
const std::string& tableDefault(const char* name) {
    static const FieldTexts defaults = defaultTexts(optionsDialog());
    return defaults.at(name);
}

}  // namespace

ProportioningOptions::ProportioningOptions() {
    for (const auto& slot : kIndexSlots) this->*slot.member = textToInt(tableDefault(slot.name));
    for (const auto& slot : kDensitySlots) this->*slot.member = tableDefault(slot.name);
    this->*kTemperatureSlot.member = tableDefault(kTemperatureSlot.name);
}

OptionsFileRecord::OptionsFileRecord() {
    const ProportioningOptions defaults;
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = defaults.*kIndexSlots[i].member;
    // The table's densities are written with a point whatever the decimal separator in use.
    for (std::size_t i = 0; i < densities.size(); ++i) {
        const std::string& text = defaults.*kDensitySlots[i].member;
        std::from_chars(text.data(), text.data() + text.size(), densities[i]);
    }
}

ProportioningOptions ProportioningOptions::fromTexts(const FieldTexts& texts) {
    ProportioningOptions options;
    for (const auto& slot : kIndexSlots)
        if (auto it = texts.find(slot.name); it != texts.end())
            options.*slot.member = textToInt(it->second);
    for (const auto& slot : kDensitySlots)
        if (auto it = texts.find(slot.name); it != texts.end()) options.*slot.member = it->second;
    if (auto it = texts.find(kTemperatureSlot.name); it != texts.end())
        options.*kTemperatureSlot.member = it->second;
    return options;
}

FieldTexts ProportioningOptions::toTexts() const {
    FieldTexts texts;
    for (const auto& slot : kIndexSlots) texts[slot.name] = std::to_string(this->*slot.member);
    for (const auto& slot : kDensitySlots) texts[slot.name] = this->*slot.member;
    texts[kTemperatureSlot.name] = this->*kTemperatureSlot.member;
    return texts;
}

std::string encodeOptionsRecord(const OptionsFileRecord& record) {
    std::string bytes;
    bytes.reserve(kOptionsRecordSize);
    for (std::int32_t index : record.indices)
        putLittleEndian(bytes, static_cast<std::uint32_t>(index), 4);
    for (double density : record.densities) {
        std::uint64_t bits;
        std::memcpy(&bits, &density, sizeof bits);
        putLittleEndian(bytes, bits, 8);
    }
    return bytes;
}

std::optional<OptionsFileRecord> decodeOptionsRecord(std::string_view bytes) {
    if (bytes.size() < kOptionsRecordSize) return std::nullopt;
    OptionsFileRecord record;
    for (std::size_t i = 0; i < record.indices.size(); ++i)
        record.indices[i] = static_cast<std::int32_t>(getLittleEndian(bytes, 4 * i, 4));
    for (std::size_t i = 0; i < record.densities.size(); ++i) {
        std::uint64_t bits = getLittleEndian(bytes, 24 + 8 * i, 8);
        std::memcpy(&record.densities[i], &bits, sizeof bits);
    }
    return record;
}

int clampStoredIndex(std::int32_t stored, int itemCount) {
    if (stored > itemCount - 1) return itemCount - 1;
    if (stored < -1) return -1;
    return stored;
}

ProportioningOptions applyOptionsRecord(const ProportioningOptions& current,
                                        const OptionsFileRecord& record, NumberFormat format) {
    ProportioningOptions options = current;
    for (std::size_t i = 0; i < record.indices.size(); ++i)
        options.*kIndexSlots[i].member = clampStoredIndex(record.indices[i]);
    for (std::size_t i = 0; i < record.densities.size(); ++i)
        options.*kDensitySlots[i].member = formatGeneral15(record.densities[i], format);
    return options;
}

std::optional<ProportioningOptions> loadOptionsFile(const std::string& path,
                                                    const ProportioningOptions& current,
                                                    NumberFormat format) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    char buffer[kOptionsRecordSize];
    file.read(buffer, sizeof buffer);
    auto record =
        decodeOptionsRecord(std::string_view(buffer, static_cast<std::size_t>(file.gcount())));
    if (!record) return std::nullopt;
    return applyOptionsRecord(current, *record, format);
}

OptionsFileRecord recordFromOptions(const ProportioningOptions& options, NumberFormat format) {
    OptionsFileRecord record;
    for (std::size_t i = 0; i < record.indices.size(); ++i)
        record.indices[i] = options.*kIndexSlots[i].member;
    for (std::size_t i = 0; i < record.densities.size(); ++i)
        record.densities[i] = textToFloat(options.*kDensitySlots[i].member, format);
    return record;
}

OptionsSaveOutcome saveOptionsFile(const std::string& path, const ProportioningOptions& options,
                                   NumberFormat format) {
    std::string bytes;
    try {
        bytes = encodeOptionsRecord(recordFromOptions(options, format));
    } catch (const Fault& fault) {
        return OptionsSaveOutcome::failed(fault.what(), MessageStyle::ErrorBox);
    }
    const auto [temporary, fd] = createTemporaryBeside(path);
    if (fd < 0)
        return OptionsSaveOutcome::failed(writeFailure(path, errno), MessageStyle::ErrorBox);
    bool written = writeAll(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && written) written = false, error = errno;
    // mkstemp creates the file owner-only; a settings file is ordinary (rw-r--r-- less umask).
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary.c_str(), 0666 & ~mask);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        if (written) error = errno;
        std::remove(temporary.c_str());
        return OptionsSaveOutcome::failed(writeFailure(path, error), MessageStyle::ErrorBox);
    }
    return OptionsSaveOutcome::done({});
}

}  // namespace orvan::mix
