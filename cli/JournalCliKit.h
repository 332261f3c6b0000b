#pragma once
// What the commands of `orvan-cli journal` share: the journal of --db opened for a command,
// the mix of --mix, the figures of options.
#include <functional>
#include <optional>
#include <string>

#include "cli/Cli.h"
#include "journal/Journal.h"

namespace orvan::cli {

// The journal's commands take no --decimal-separator: they read and write with a point.
inline constexpr NumberFormat kJournalFormat{};

// Opens the journal of --db (or the program's own) and runs `work` over it.
CliResult withJournal(const CliRequest& request,
                      const std::function<CliResult(journal::Journal&)>& work);
// The id of the mix of --mix, or the outcome that says there is none.
Outcome<long long> journalMixId(const journal::Journal& journal, const std::string& name);
// A figure of an option (a point as separator), or `fallback` when not given; refused naming
// the option when it is not a number, or when it is missing and there is no fallback (then
// `missing` says why).
Outcome<double> optionFigure(const CliRequest& request, const char* name,
                             std::optional<double> fallback, const std::string& missing = {});
CliOption journalMixOption(const char* help = "the mix's name");

// The commands that close the loop back to the mix (JournalLoopCli.cpp): cusum, predict,
// design, designs, correct.
std::vector<CliCommand> journalLoopCommands();

}  // namespace orvan::cli
