#include "cli/Commands.h"

namespace orvan::cli {

CliCommand correctStrengthCommand() {
    CliCommand command;
    command.name = "correct-strength";
    command.summary = "(not built yet)";
    command.run = [](const CliRequest&) { return CliResult::failed("not built yet"); };
    return command;
}

CliCommand correctAggregatesCommand() {
    CliCommand command;
    command.name = "correct-aggregates";
    command.summary = "(not built yet)";
    command.run = [](const CliRequest&) { return CliResult::failed("not built yet"); };
    return command;
}

}  // namespace orvan::cli
