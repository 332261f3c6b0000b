#pragma once
// Small helpers of the metafile readers' structure checks.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

inline std::uint32_t readLe32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
inline std::uint16_t readLe16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

inline void writeLe16(unsigned char* p, std::uint16_t v) {
    p[0] = std::uint8_t(v & 0xFF);
    p[1] = std::uint8_t(v >> 8);
}
inline void writeLe32(unsigned char* p, std::uint32_t v) {
    writeLe16(p, std::uint16_t(v & 0xFFFF));
    writeLe16(p + 2, std::uint16_t(v >> 16));
}

// A copy of one record in memory of its own, so that a library check that reads a little
// past a damaged record reads nothing of the next one and the sanitizers see its end.
class AlignedRecord {
public:
    AlignedRecord(const unsigned char* source, std::size_t length)
        : data_(static_cast<char*>(std::malloc(length ? length : 1))) {
        if (data_) std::memcpy(data_, source, length);
    }
    ~AlignedRecord() { std::free(data_); }
    AlignedRecord(const AlignedRecord&) = delete;
    AlignedRecord& operator=(const AlignedRecord&) = delete;
    const char* data() const { return data_; }

private:
    char* data_;
};

// The checked lengths of the metafiles (0: refused); exposed for the tests.
std::size_t checkedEmfLength(const unsigned char* data, std::size_t size);
std::size_t checkedWmfLength(const unsigned char* data, std::size_t size);

// What the WMF check learns on the way: the checked length, where the header stands (after a
// placeable header), the largest record in words and how many records create objects.
struct WmfFacts {
    std::size_t length = 0;
    std::size_t headerOffset = 0;
    std::uint32_t largestRecordWords = 0;
    std::uint32_t objectsCreated = 0;
    // The placeable header's picture frame in logical units, when there is one.
    bool placeable = false;
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
};
// Nothing when the metafile is refused.
std::optional<WmfFacts> checkWmf(const unsigned char* data, std::size_t size);
