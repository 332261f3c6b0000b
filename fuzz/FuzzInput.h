#pragma once
// Turning fuzzer bytes into the field texts a user could type, and the properties every
// calculation target checks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/Form.h"

namespace orvan::fuzz {

// Reads the bytes as a stream of field texts. Texts are made of the characters that matter to
// number conversion (digits, separators, signs, exponents, blanks, one letter); no text can
// spell NAN or INF, so a report that holds either made it up itself.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    std::string text() {
        static const char kAlphabet[] = "0123456789.,-+eE x";
        std::string out;
        const std::size_t length = byte() % 24;
        for (std::size_t i = 0; i < length && pos_ < size_; ++i)
            out += kAlphabet[byte() % (sizeof kAlphabet - 1)];
        return out;
    }

    // A text for every field of the form; a radio group (default "0" or "1") gets a small index.
    FieldTexts form(const Form& form) {
        FieldTexts texts;
        for (const auto& field : form.fields()) {
            const bool radio = field.name.rfind("rg", 0) == 0;
            texts[field.name] = radio ? std::to_string(int(byte() % 4) - 1) : text();
        }
        return texts;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A report line never shows a number the program failed to compute: no word of it reads NAN
// or INF (what the number format writes for them), nor a sign with no digits.
inline void checkReportLines(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        std::size_t start = 0;
        while (start < line.size()) {
            std::size_t end = line.find(' ', start);
            if (end == std::string::npos) end = line.size();
            std::string word = line.substr(start, end - start);
            while (!word.empty() && (word.back() == ',' || word.back() == ';' || word.back() == ')'))
                word.pop_back();
            if (word == "NAN" || word == "INF" || word == "-INF" || word == "nan" || word == "inf" ||
                word == "-nan" || word == "-inf") {
                std::fprintf(stderr, "report line: %s\n", line.c_str());
                std::abort();
            }
            start = end + 1;
        }
    }
}

// A run that did not report says why.
inline void checkMessage(const std::string& message) {
    if (message.empty()) std::abort();
}

}  // namespace orvan::fuzz
