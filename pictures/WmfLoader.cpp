// Windows metafiles: the record structure and the counts inside the records that libwmf
// trusts are checked here first, then libwmf's SVG device turns the records into SVG, which
// Qt draws. libwmf is old code that reads what the file says; the checks below keep a
// damaged file from leading it past the end of its records.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "pictures/MetafileChecks.h"
#include "pictures/PictureLoader.h"

// Last: libwmf's headers define short macro names that clash with Qt's.
#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace {
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;
constexpr std::size_t kMaxRecords = 4 * 1024 * 1024;
constexpr qint64 kMaxPlayMs = 5000;  // a metafile that takes longer is given up

// Record functions whose parameters hold counts (MS-WMF 2.1.1.1).
enum : std::uint16_t {
    kEof = 0x0000,
    kTextOut = 0x0521,
    kExtTextOut = 0x0A32,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kPolyPolygon = 0x0538,
    kCreateFont = 0x02FB,
    kCreatePalette = 0x00F7,
    kSetPaletteEntries = 0x0037,
    kCreateRegion = 0x06FF,
};

bool createsObject(std::uint16_t function) {
    switch (function) {
        case 0x00F7:  // CREATEPALETTE
        case 0x01F9:  // CREATEPATTERNBRUSH
        case 0x02FA:  // CREATEPENINDIRECT
        case 0x02FB:  // CREATEFONTINDIRECT
        case 0x02FC:  // CREATEBRUSHINDIRECT
        case 0x06FF:  // CREATEREGION
        case 0x0142:  // DIBCREATEPATTERNBRUSH
            return true;
        default:
            return false;
    }
}

// A device-independent bitmap inside a record: `bytes` bytes at `p`, colour table entries of
// `entrySize` bytes. libwmf decodes it on the header's word; only plain (uncompressed)
// bitmaps whose header, colours and pixel rows all lie inside the record pass.
bool bitmapSound(const unsigned char* p, std::size_t bytes, std::size_t entrySize) {
    if (bytes < 40) return false;
    const std::uint32_t headerSize = readLe32(p);
    const auto width = std::int32_t(readLe32(p + 4)), height = std::int32_t(readLe32(p + 8));
    const std::uint16_t planes = readLe16(p + 12), bits = readLe16(p + 14);
    const std::uint32_t compression = readLe32(p + 16), used = readLe32(p + 32);
    if ((headerSize != 40 && headerSize != 108 && headerSize != 124) || headerSize > bytes)
        return false;
    if (planes != 1 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    if (compression != 0 && compression != 3) return false;  // no run-length decoding
    // Top-down bitmaps (negative height) are not drawn by libwmf, and its reader sizes its
    // buffers from the height: refuse them.
    if (width <= 0 || height <= 0) return false;
    const std::int64_t rows = height;
    if (!pictureSizeAllowed(width, rows)) return false;
    std::uint64_t colours = used;
    if (bits <= 8) {
        if (used > (1u << bits)) return false;
        if (used == 0) colours = 1u << bits;
    } else if (used > 256) {
        return false;
    }
    const std::uint64_t masks = compression == 3 && headerSize == 40 ? 12 : 0;
    const std::uint64_t stride = (std::uint64_t(width) * bits + 31) / 32 * 4;
    const std::uint64_t needed =
        headerSize + masks + colours * entrySize + stride * std::uint64_t(rows);
    return needed <= bytes;
}

// The bitmap records: where the bitmap starts among the parameters (words) and the word that
// says whether its colours are RGB entries or palette indices (-1: always RGB).
struct BitmapRecord {
    std::uint16_t function;
    std::size_t bitmapWord;
    int usageWord;
};
constexpr BitmapRecord kBitmapRecords[] = {
    {0x0940, 8, -1},   // DIBBITBLT
    {0x0B41, 10, -1},  // DIBSTRETCHBLT
    {0x0F43, 11, 2},   // STRETCHDIB
    {0x0D33, 9, 0},    // SETDIBTODEV
    {0x0142, 2, 1},    // DIBCREATEPATTERNBRUSH
};

// Checks one record's parameters (`words` 16-bit words at `p`) against the counts inside.
bool parametersSound(std::uint16_t function, const unsigned char* p, std::size_t words) {
    auto word = [p](std::size_t i) { return std::size_t(readLe16(p + 2 * i)); };
    for (const BitmapRecord& record : kBitmapRecords) {
        if (record.function != function) continue;
        if (words <= record.bitmapWord) return false;
        const std::size_t entry = record.usageWord >= 0 && std::size_t(record.usageWord) < words &&
                                          word(std::size_t(record.usageWord)) == 1
                                      ? 2
                                      : 4;
        return bitmapSound(p + 2 * record.bitmapWord, 2 * (words - record.bitmapWord), entry);
    }
    switch (function) {
        case kPolygon:
        case kPolyline:
            return words >= 1 && 1 + 2 * word(0) <= words;
        case kPolyPolygon: {
            if (words < 1) return false;
            const std::size_t polygons = word(0);
            if (1 + polygons > words) return false;
            std::size_t points = 0;
            for (std::size_t i = 0; i < polygons; ++i) points += word(1 + i);
            return 1 + polygons + 2 * points <= words;
        }
        case kTextOut:
            return words >= 1 && 1 + (word(0) + 1) / 2 + 2 <= words;
        case kExtTextOut: {
            if (words < 4) return false;
            const std::size_t rect = (word(3) & 0x0006) ? 4 : 0;  // ETO_OPAQUE, ETO_CLIPPED
            return 4 + rect + (word(2) + 1) / 2 <= words;
        }
        case kCreateFont:
            return words >= 9;  // the LOGFONT fields before the face name
        case kCreatePalette:
        case kSetPaletteEntries:
            return words >= 2 && 2 + 2 * word(1) <= words;
        case kCreateRegion:
            return words >= 10;
        default:
            return true;
    }
}
}  // namespace

std::size_t checkedWmfLength(const unsigned char* data, std::size_t size) {
    const std::optional<WmfFacts> facts = checkWmf(data, size);
    return facts ? facts->length : 0;
}

std::optional<WmfFacts> checkWmf(const unsigned char* data, std::size_t size) {
    WmfFacts found;
    std::size_t offset = 0;
    if (size >= 4 && readLe32(data) == kPlaceableKey) offset = kPlaceableSize;
    if (size < offset + kHeaderSize) return std::nullopt;
    if (offset) {
        found.placeable = true;
        found.left = std::int16_t(readLe16(data + 6));
        found.top = std::int16_t(readLe16(data + 8));
        found.right = std::int16_t(readLe16(data + 10));
        found.bottom = std::int16_t(readLe16(data + 12));
    }
    const unsigned char* header = data + offset;
    const std::uint16_t type = readLe16(header), headerWords = readLe16(header + 2);
    const std::uint16_t version = readLe16(header + 4);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
        return std::nullopt;
    found.headerOffset = offset;
    offset += kHeaderSize;
    for (std::size_t count = 0; count < kMaxRecords; ++count) {
        if (size - offset < 6) return std::nullopt;
        const std::uint64_t words = readLe32(data + offset);
        const std::uint16_t function = readLe16(data + offset + 4);
        if (words < 3 || words * 2 > size - offset) return std::nullopt;
        if (!parametersSound(function, data + offset + 6, std::size_t(words) - 3))
            return std::nullopt;
        offset += std::size_t(words) * 2;
        found.largestRecordWords = std::max(found.largestRecordWords, std::uint32_t(words));
        if (createsObject(function)) ++found.objectsCreated;
        if (function == kEof) {
            found.length = offset;
            return found;
        }
    }
    return std::nullopt;
}

namespace {
struct PlayClock {
    QElapsedTimer timer;
};

int playStatus(void* context, float) {
    return static_cast<PlayClock*>(context)->timer.elapsed() > kMaxPlayMs ? 1 : 0;
}

// The scan finds the box of what is drawn; a placeable metafile states its own frame, which
// keeps the margins around the drawing as its author set them.
void useFrame(const WmfFacts& facts, wmfD_Rect& box) {
    if (!facts.placeable || facts.right <= facts.left || facts.bottom <= facts.top) return;
    box.TL.x = facts.left;
    box.TL.y = facts.top;
    box.BR.x = facts.right;
    box.BR.y = facts.bottom;
}

// A stream into memory (open_memstream): its text is complete only once the stream is
// closed, and the buffer is ours to free whatever happens.
class MemoryStream {
public:
    MemoryStream() : file_(open_memstream(&text_, &length_)) {}
    ~MemoryStream() {
        closeFile();
        std::free(text_);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    FILE* file() const { return file_; }
    // Closes the stream and returns everything written to it.
    QByteArray close() {
        closeFile();
        return text_ ? QByteArray(text_, qsizetype(length_)) : QByteArray();
    }

private:
    void closeFile() {
        if (file_) std::fclose(file_);
        file_ = nullptr;
    }
    char* text_ = nullptr;
    std::size_t length_ = 0;
    FILE* file_ = nullptr;
};

struct ApiDestroy {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using WmfApi = std::unique_ptr<wmfAPI, ApiDestroy>;

// Runs libwmf's SVG device over the checked records; the SVG text or empty.
QByteArray convertToSvg(QByteArray& records, const WmfFacts& facts) {
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* created = nullptr;
    const wmf_error_t status = wmf_api_create(&created, flags, &options);
    WmfApi api(created);
    if (status != wmf_E_None || !api) return {};
    PlayClock clock;
    clock.timer.start();
    wmf_status_function(api.get(), &clock, playStatus);
    // The API, which comes to hold a stream over it, is destroyed before it is closed.
    MemoryStream out;
    wmfD_Rect box{};
    unsigned int width = 0, height = 0;
    bool played = false;
    const bool opened =
        out.file() && wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(records.data()),
                                   long(records.size())) == wmf_E_None;
    const bool scanned = opened && wmf_scan(api.get(), 0, &box) == wmf_E_None;
    if (scanned) useFrame(facts, box);
    if (scanned && wmf_display_size(api.get(), &width, &height, 72, 72) == wmf_E_None &&
        pictureSizeAllowed(width, height)) {
        wmf_svg_t* device = WMF_SVG_GetData(api.get());
        device->out = wmf_stream_create(api.get(), out.file());
        device->Description = const_cast<char*>("Orvan");
        device->flags |= WMF_SVG_INLINE_IMAGES;  // bitmaps as data in the SVG, no files
        device->bbox = box;
        device->width = width;
        device->height = height;
        played = device->out && wmf_play(api.get(), 0, &box) == wmf_E_None;
        // No wmf_stream_destroy: for a file stream it writes through a null pointer. The
        // stream's memory belongs to the API and goes with wmf_api_destroy.
        device->out = nullptr;
    }
    api.reset();
    QByteArray svg = out.close();
    return played ? svg : QByteArray();
}
}  // namespace

QImage loadWmfData(const QByteArray& data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const std::optional<WmfFacts> checked = checkWmf(bytes, std::size_t(data.size()));
    if (!checked) return {};
    const WmfFacts& facts = *checked;
    const std::size_t length = facts.length;
    QByteArray records(data.constData(), qsizetype(length));
    // libwmf sizes its buffers by the header's own figures (a record buffer of the largest
    // record's size, an object table): write the figures the records really have.
    auto* header = reinterpret_cast<unsigned char*>(records.data()) + facts.headerOffset;
    const std::uint32_t totalWords = std::uint32_t((length - facts.headerOffset) / 2);
    const std::uint16_t objects = std::uint16_t(std::min<std::uint32_t>(
        std::max<std::uint32_t>(readLe16(header + 10), facts.objectsCreated), 0xFFFF));
    writeLe32(header + 6, totalWords);
    writeLe16(header + 10, objects);
    writeLe32(header + 12, facts.largestRecordWords);
    const QByteArray svg = convertToSvg(records, facts);
    if (svg.isEmpty()) return {};
    return renderSvgData(svg);
}
