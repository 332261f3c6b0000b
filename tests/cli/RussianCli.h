#pragma once
// orvan-cli --lang=ru run in-process: a report, or the message of a refusal, checked whole.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

struct RussianCliRow {
    const char* name;
    std::vector<std::string> args;  // after "orvan-cli"; --lang=ru is added
    int code;
    const char* expected;  // the whole stdout (code 0) or stderr
};
inline void PrintTo(const RussianCliRow& row, std::ostream* os) {
    *os << row.name;
}

inline void expectRussianOutput(const RussianCliRow& row) {
    std::vector<std::string> args = row.args;
    args.insert(args.begin(), "orvan-cli");
    args.push_back("--lang=ru");
    std::ostringstream out, err;
    EXPECT_EQ(orvan::cli::runCli(args, out, err), row.code) << err.str();
    EXPECT_EQ(row.code == 0 ? out.str() : err.str(), row.expected);
}
