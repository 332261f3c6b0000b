#pragma once
// orvan-cli journal: the strength journal from a script.
//   orvan-cli journal [--db PATH|URL] init | import FILE.csv | export FILE.csv [--mix NAME]
//                     | mixes [--json] | analyse --mix NAME --layout 5x6|10x3 [--class B]
//                       [--until YYYY-MM-DD] [--save] [--json] | chart --mix NAME [--json]
#include <iosfwd>
#include <string>
#include <vector>

namespace orvan::cli {

// args as main() gets them, args[1] == "journal"; returns the exit code (0 done, 1 failed,
// 2 usage, 3 refused: too few parties, no stored analysed period).
int runJournalCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvan::cli
