#include "cli/Commands.h"

namespace orvan::cli {

CliCommand controlChartCommand() {
    CliCommand command;
    command.name = "control-chart";
    command.summary = "(not built yet)";
    command.run = [](const CliRequest&) { return CliResult::failed("not built yet"); };
    return command;
}

}  // namespace orvan::cli
