// Enhanced Metafiles: the record structure is checked here first (emf2svg trusts the sizes
// and offsets written in the file), then emf2svg turns the records into SVG, which Qt draws.
#include <emf2svg.h>
#include <uemf_safe.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "pictures/MetafileChecks.h"
#include "pictures/PictureLoader.h"

namespace {
constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmrLast = 122;              // highest record type defined
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::size_t kHeaderMinimum = 88;           // the header up to szlMillimeters
constexpr std::size_t kMaxRecords = 4 * 1024 * 1024;
}  // namespace

// The length of the metafile up to and including its end-of-file record, or 0 when the
// records do not chain soundly from the header to that record.
std::size_t checkedEmfLength(const unsigned char* data, std::size_t size) {
    if (size < kHeaderMinimum) return 0;
    if (readLe32(data) != kEmrHeader || readLe32(data + 40) != kEmfSignature) return 0;
    std::size_t offset = 0;
    for (std::size_t count = 0; count < kMaxRecords; ++count) {
        if (size - offset < 8) return 0;
        const std::uint32_t type = readLe32(data + offset);
        const std::uint32_t length = readLe32(data + offset + 4);
        if (length < 8 || length % 4 != 0 || length > size - offset) return 0;
        if (type == 0 || type > kEmrLast || (type == kEmrHeader) != (offset == 0)) return 0;
        if (type == kEmrHeader && length < kHeaderMinimum) return 0;
        // The library's own check reads the record's internal counts and offsets against
        // the record's length; it needs the record aligned.
        AlignedRecord record(data + offset, length);
        if (!record.data() || U_emf_record_safe(record.data()) == 0) return 0;
        offset += length;
        if (type == kEmrEof) return offset;
    }
    return 0;
}

QImage loadEmfData(const QByteArray& data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const std::size_t length = checkedEmfLength(bytes, std::size_t(data.size()));
    if (length == 0) return {};
    QByteArray records(data.constData(), qsizetype(length));
    // The header's description and pixel format are not drawn, and neither the library's
    // check nor emf2svg holds their offsets to the header's length: drop them.
    auto* header = reinterpret_cast<unsigned char*>(records.data());
    writeLe32(header + 60, 0);  // nDescription
    writeLe32(header + 64, 0);  // offDescription
    if (readLe32(header + 4) >= 100) {
        writeLe32(header + 88, 0);  // cbPixelFormat
        writeLe32(header + 92, 0);  // offPixelFormat
    }
    char noNamespace[] = "";
    generatorOptions options{};
    options.nameSpace = noNamespace;
    options.verbose = false;
    options.emfplus = false;
    options.svgDelimiter = true;
    options.imgWidth = 0;  // the metafile's own size
    options.imgHeight = 0;
    char* written = nullptr;
    std::size_t svgLength = 0;
    const int converted = emf2svg(records.data(), length, &written, &svgLength, &options);
    const std::unique_ptr<char, decltype(&std::free)> svg(written, &std::free);  // emf2svg's malloc
    QByteArray text;
    if (converted == 1 && svg) text = QByteArray(svg.get(), qsizetype(svgLength));
    if (text.isEmpty()) return {};
    return renderSvgData(text);
}
