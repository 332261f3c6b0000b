// Reading text files into logical lines, the two encodings, and writing rows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "common/TextLines.h"

using namespace orvan;
using Lines = std::vector<std::string>;

TEST(TextFile, ReadingRows) {
    struct Row {
        const char* name;
        std::string bytes;
        Lines lines;
    } rows[] = {
        {"CR", "a\rb\r", {"a", "b"}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"lone LF stays inside the line", "a\nb\nc", {"a\nb\nc"}},
        {"LF CR is a line feed, then a line end", "a\n\rb", {"a\n", "b"}},
        {"CR CR is an empty line", "a\r\rb", {"a", "", "b"}},
        {"Ctrl+Z ends the file",
         std::string("ab\r\ncd\x1A"
                     "ef\r\n"),
         {"ab", "cd"}},
        {"Ctrl+Z first",
         std::string("\x1A"
                     "abc"),
         {}},
        {"no final line end", "a\r\nlast", {"a", "last"}},
        {"empty file", "", {}},
        {"a single line end", "\r\n", {""}},
        {"UTF-8 BOM dropped", "\xEF\xBB\xBFx\r\n", {"x"}},
        {"a BOM alone is an empty file", "\xEF\xBB\xBF", {}},
        {"Ctrl+Z between CR and LF", std::string("a\r\x1A\nb"), {"a"}},
        {"blank lines kept", "\r\n\r\n", {"", ""}},
    };
    for (const auto& row : rows) EXPECT_EQ(readTextLines(row.bytes).lines, row.lines) << row.name;
}

TEST(TextFile, EncodingDetection) {
    struct Row {
        const char* name;
        std::string bytes;
        FileEncoding encoding;
        std::string firstLine;
    } rows[] = {
        {"ASCII", "plain", FileEncoding::Windows1251, "plain"},
        {"UTF-8 Cyrillic", "\xD0\x9E\xD0\xBA\xD0\xBD\xD0\xBE", FileEncoding::Utf8, "Окно"},
        {"Windows-1251 Cyrillic", "\xCE\xEA\xED\xEE", FileEncoding::Windows1251, "Окно"},
        {"mixed script unit",
         " \xCC"
         "P\xE0",
         FileEncoding::Windows1251, " МPа"},
        {"truncated UTF-8 is 1251", "\xD0", FileEncoding::Windows1251, "Р"},
        {"overlong UTF-8 is 1251", "\xC0\xAF", FileEncoding::Windows1251, "АЇ"},
        {"number sign", "\xB9", FileEncoding::Windows1251, "№"},
        {"UTF-8 past the first eight bytes", "abcdefgh\xD0\x9E", FileEncoding::Utf8, "abcdefghО"},
        {"1251 in the last byte of a word", "abcdefg\xCE", FileEncoding::Windows1251, "abcdefgО"},
        {"1251 in the tail after whole words", "0123456789abcdef+\xCE", FileEncoding::Windows1251,
         "0123456789abcdef+О"},
        {"four-byte UTF-8", "\xF0\x9F\x98\x80", FileEncoding::Utf8, "\xF0\x9F\x98\x80"},
        {"encoded surrogate is 1251", "\xED\xA0\x80", FileEncoding::Windows1251, "н\u00A0Ђ"},
        {"above U+10FFFF is 1251", "\xF4\x90\x80\x80", FileEncoding::Windows1251, "фђЂЂ"},
        {"only the text before Ctrl+Z decides", std::string("\xD0\x9E\x1A\xFF"), FileEncoding::Utf8,
         "О"},
        {"1251 before Ctrl+Z, UTF-8 after", std::string("\xCE\x1A\xD0\x9E"),
         FileEncoding::Windows1251, "О"},
    };
    for (const auto& row : rows) {
        auto content = readTextLines(row.bytes);
        EXPECT_EQ(content.encoding, row.encoding) << row.name;
        ASSERT_FALSE(content.lines.empty()) << row.name;
        EXPECT_EQ(content.lines[0], row.firstLine) << row.name;
    }
}

TEST(TextFile, EveryWindows1251ByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    auto back = utf8ToCp1251(cp1251ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(TextFile, WritingRows) {
    EncodedRows written = encodeRows({" МPа"}, FileEncoding::Windows1251);
    EXPECT_EQ(written.bytes, "\x20\xCC\x50\xE0\r\n");
    EXPECT_EQ(written.encoding, FileEncoding::Windows1251);
    EXPECT_EQ(encodeRows({"a", "", "b"}, FileEncoding::Windows1251).bytes, "a\r\n\r\nb\r\n");
    EXPECT_EQ(encodeRows({}, FileEncoding::Windows1251).bytes, "");
    // A character Windows-1251 cannot hold: the whole file is written in UTF-8 instead of
    // putting a substitute in its place.
    written = encodeRows({"Окно", "日本"}, FileEncoding::Windows1251);
    EXPECT_EQ(written.bytes, "\xD0\x9E\xD0\xBA\xD0\xBD\xD0\xBE\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n");
    EXPECT_EQ(written.encoding, FileEncoding::Utf8);
    EXPECT_EQ(encodeRows({"Окно"}, FileEncoding::Utf8).bytes,
              "\xD0\x9E\xD0\xBA\xD0\xBD\xD0\xBE\r\n");
    EXPECT_FALSE(utf8ToCp1251("€ and ✓").has_value());
    EXPECT_EQ(*utf8ToCp1251("€"), "\x88");
}

TEST(TextFile, IoErrorTexts) {
    struct Row {
        int error;
        const char* text;
    } rows[] = {
        {0, ""},
        {ENOENT, "File not found"},
        {ENOTDIR, "Path not found"},
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {EISDIR, "File access denied"},
        {EMFILE, "Too many open files"},
        {ENAMETOOLONG, "Invalid filename"},
        {EIO, "Disk read error"},
        {ENXIO, "Disk read error"},
    };
    for (const auto& row : rows) EXPECT_EQ(ioErrorText(row.error), row.text) << row.error;
}

TEST(TextFile, ReadingFileBytes) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("textfile-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    };
    std::string big(3 << 20, 'x');  // more than one read chunk
    big[1 << 20] = '\r';
    struct Row {
        const char* name;
        std::string path;
        std::string bytes;
        int error;
    } rows[] = {
        {"a file", write("a.txt", "one\r\ntwo"), "one\r\ntwo", 0},
        {"an empty file", write("empty.txt", ""), "", 0},
        {"a file over several chunks", write("big.txt", big), big, 0},
        {"a missing file", (dir / "missing.txt").string(), "", ENOENT},
        {"a missing folder", (dir / "no" / "x.txt").string(), "", ENOENT},
        {"a folder", dir.string(), "", EISDIR},
        {"a device is not read", "/dev/null", "", EACCES},
    };
    for (const auto& row : rows) {
        const FileBytes read = readFileBytes(row.path);
        EXPECT_EQ(read.error, row.error) << row.name;
        EXPECT_EQ(read.bytes, row.bytes) << row.name;
    }
    std::filesystem::remove_all(dir);
}
