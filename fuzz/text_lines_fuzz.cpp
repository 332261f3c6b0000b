// Bytes of any file to logical lines and back: no crash, and lines written in UTF-8 read back
// as the same lines.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const orvan::TextFileContent content = orvan::readTextLines(bytes);
    const auto [written, used] = orvan::encodeRows(content.lines, orvan::FileEncoding::Windows1251);
    const orvan::TextFileContent again = orvan::readTextLines(written);
    // Windows-1251 bytes may happen to be valid UTF-8 as well, and a first line that starts
    // with U+FEFF reads back as a byte-order mark: only the rest of the UTF-8 path is exact.
    const bool startsWithBom = !content.lines.empty() && content.lines[0].rfind("\xEF\xBB\xBF", 0) == 0;
    if (used == orvan::FileEncoding::Utf8 && !startsWithBom && again.lines != content.lines) std::abort();
    for (const auto& line : content.lines)
        if (!orvan::isValidUtf8(line)) std::abort();  // the window always gets valid text
    return 0;
}
