#include "cli/Commands.h"

namespace orvan::cli {

CliCommand analysedPeriodCommand() {
    CliCommand command;
    command.name = "analysed-period";
    command.summary = "(not built yet)";
    command.run = [](const CliRequest&) { return CliResult::failed("not built yet"); };
    return command;
}

}  // namespace orvan::cli
