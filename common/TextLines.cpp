#include "common/TextLines.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <unordered_map>

namespace orvan {

namespace {

constexpr char kCR = 13, kLF = 10, kCtrlZ = 26;

// Unicode code points of the bytes 0x80..0xFF in Windows-1251.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The UTF-8 sequence at `i`: its length, 0 when it is not valid (overlong forms, surrogates
// and values above U+10FFFF are not valid), and the character it codes.
struct Sequence {
    std::size_t length = 0;
    char32_t code = 0;
};

Sequence sequenceAt(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = b(i);
    std::size_t n;
    char32_t c;
    if (lead < 0x80) {
        return {1, lead};
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, c = lead & 0x07;
    } else {
        return {};
    }
    if (i + n > s.size()) return {};
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return {};
        c = (c << 6) | (b(i + k) & 0x3F);
    }
    if ((n == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
        (n == 4 && (c < 0x10000 || c > 0x10FFFF)))
        return {};
    return {n, c};
}

const std::unordered_map<char32_t, char>& reverseTable() {
    static const auto table = [] {
        std::unordered_map<char32_t, char> t;
        for (std::size_t i = 0; i < kHighHalf.size(); ++i)
            t[kHighHalf[i]] = static_cast<char>(0x80 + i);
        return t;
    }();
    return table;
}

// The logical lines of the bytes, undecoded.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    if (auto z = bytes.find(kCtrlZ); z != std::string_view::npos) bytes = bytes.substr(0, z);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t cr = bytes.find(kCR, start);
        if (cr == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, cr - start));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == kLF) ++start;
    }
    return lines;
}

}  // namespace

FileBytes readFileBytes(const std::string& path,
                        const std::function<void(std::size_t bytesRead)>& progress) {
    FileBytes result;
    // Only files and folders are read: a pipe would wait for a writer for ever and a device
    // such as /dev/zero never ends.
    std::error_code status;
    const auto type = std::filesystem::status(path, status).type();
    if (!status && type != std::filesystem::file_type::regular &&
        type != std::filesystem::file_type::directory) {
        result.error = EACCES;
        return result;
    }
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        result.error = errno ? errno : EIO;
        return result;
    }
    // A file larger than memory ends as a read error, with what fitted kept.
    try {
        // The size of a regular file, so that the bytes are not moved as they grow.
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            const auto size = std::filesystem::file_size(path, error);
            if (!error && size < (std::uintmax_t(1) << 32)) result.bytes.reserve(std::size_t(size));
        }
        constexpr std::size_t kChunk = std::size_t(1) << 20;
        std::vector<char> chunk(kChunk);
        for (;;) {
            const std::size_t got = std::fread(chunk.data(), 1, kChunk, file.get());
            result.bytes.append(chunk.data(), got);
            if (progress) progress(result.bytes.size());
            if (got == kChunk) continue;
            // A folder opens on this system and fails on the first read (EISDIR).
            if (std::ferror(file.get())) result.error = errno ? errno : EIO;
            break;
        }
    } catch (const std::bad_alloc&) {
        result.error = ENOMEM;
    }
    return result;
}

std::string ioErrorText(int error) {
    switch (error) {
        case 0:
            return {};
        case ENOENT:
            return "File not found";
        case ENOTDIR:
            return "Path not found";
        case EMFILE:
        case ENFILE:
            return "Too many open files";
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
        case EBUSY:
        case ETXTBSY:
        case EWOULDBLOCK:  // a lock held by another program
            return "File access denied";
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
            return "Invalid filename";
        case ENOMEM:
            return "Not enough memory";
        default:  // EIO, ENXIO, ESTALE and the like: the device failed
            return "Disk read error";
    }
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = sequenceAt(bytes, i).length;
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            appendUtf8(out, kHighHalf[b - 0x80]);
        }
    }
    return out;
}

std::optional<std::string> utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [n, code] = sequenceAt(utf8, i);
        if (n == 0) return std::nullopt;
        i += n;
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        auto it = reverseTable().find(code);
        if (it == reverseTable().end()) return std::nullopt;
        out += it->second;
    }
    return out;
}

FileEncoding detectEncoding(std::string_view bytes) {
    // Only the text before a Ctrl+Z is read, so only it decides: bytes after the end of the
    // file must not turn a UTF-8 file into a Windows-1251 one.
    if (auto z = bytes.find(kCtrlZ); z != std::string_view::npos) bytes = bytes.substr(0, z);
    // Eight bytes at a time: most files are plain ASCII and are decided by this scan alone.
    bool hasHigh = false;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size() && !hasHigh; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        hasHigh = (word & 0x8080808080808080ull) != 0;
    }
    for (; i < bytes.size() && !hasHigh; ++i)
        hasHigh = static_cast<unsigned char>(bytes[i]) >= 0x80;
    return hasHigh && isValidUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::Windows1251;
}

std::vector<std::string_view> logicalLines(std::string_view bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return splitLines(bytes);
}

std::string decodeLine(std::string_view line, FileEncoding encoding) {
    return encoding == FileEncoding::Utf8 ? std::string(line) : cp1251ToUtf8(line);
}

TextFileContent readTextLines(std::string_view bytes) {
    TextFileContent content;
    content.encoding = detectEncoding(bytes);
    for (std::string_view line : logicalLines(bytes, content.encoding))
        content.lines.push_back(decodeLine(line, content.encoding));
    return content;
}

EncodedRows encodeRows(const std::vector<std::string>& rows, FileEncoding wanted) {
    std::string out;
    std::size_t total = 0;
    for (const auto& row : rows) total += row.size() + 2;
    out.reserve(total);
    FileEncoding encoding = wanted;
    if (wanted == FileEncoding::Windows1251) {
        for (const auto& row : rows) {
            auto bytes = utf8ToCp1251(row);
            if (!bytes) {
                encoding = FileEncoding::Utf8;
                out.clear();
                break;
            }
            out += *bytes;
            out += "\r\n";
        }
    }
    if (encoding == FileEncoding::Utf8) {
        for (const auto& row : rows) {
            out += row;
            out += "\r\n";
        }
    }
    return {std::move(out), encoding};
}

}  // namespace orvan
