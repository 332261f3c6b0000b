#pragma once
// Text files as the program reads and writes them.
//
// Reading: a line ends at CR; an LF directly after it belongs to the line end; an LF anywhere
// else stays inside its line; Ctrl+Z (26) ends the file wherever it stands; a last line
// without a line end is still read. A file that is valid UTF-8 and holds non-ASCII bytes is
// UTF-8 (a BOM is dropped); every other file is Windows-1251.
// Writing: every row followed by CR LF, in Windows-1251 where it can hold the text, else UTF-8.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/CoreGuard.h"

namespace orvan {

enum class FileEncoding { Windows1251, Utf8 };

struct TextFileContent {
    std::vector<std::string> lines;  // UTF-8, logical lines
    FileEncoding encoding = FileEncoding::Windows1251;
};

// A file's bytes, read in one pass; `error` is the system's error number (errno) of a failed
// open or read, 0 when the whole file was read. After a read error, `bytes` holds what was
// read before it. Anything but a file or a folder (a pipe, a device) is refused (EACCES).
struct FileBytes {
    std::string bytes;
    int error = 0;
};
// `path` in the file system's encoding; `progress`, when given, hears the bytes read so far
// after every megabyte.
FileBytes readFileBytes(const std::string& path,
                        const std::function<void(std::size_t bytesRead)>& progress = {});

// The input/output error text shown for a system error number: "File not found",
// "File access denied", "Disk read error" and the like.
std::string ioErrorText(int error);

// The lines of a file's bytes.
TextFileContent readTextLines(std::string_view bytes);

// The same in two steps, for files too long to decode at once: the encoding, then the
// undecoded logical lines (BOM dropped, Ctrl+Z honoured); decode each with decodeLine.
FileEncoding detectEncoding(std::string_view bytes);
std::vector<std::string_view> logicalLines(std::string_view bytes, FileEncoding encoding);
std::string decodeLine(std::string_view line, FileEncoding encoding);

bool isValidUtf8(std::string_view bytes);

// Windows-1251 <-> UTF-8. The one unassigned byte, 0x98, stands for U+0098, so that every
// byte reads and writes back unchanged.
std::string cp1251ToUtf8(std::string_view bytes);
// Empty when the text holds a character Windows-1251 cannot hold (no substitute is written).
std::optional<std::string> utf8ToCp1251(std::string_view utf8);

// The bytes of a file holding these rows (UTF-8 text), each followed by CR LF, in `wanted`
// where it can hold the text, and the encoding that was written.
struct EncodedRows {
    std::string bytes;
    FileEncoding encoding = FileEncoding::Utf8;
};
EncodedRows encodeRows(const std::vector<std::string>& rows, FileEncoding wanted);

}  // namespace orvan
