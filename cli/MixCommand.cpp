#include "cli/Commands.h"

namespace orvan::cli {

CliCommand mixCommand() {
    CliCommand command;
    command.name = "mix";
    command.summary = "(not built yet)";
    command.run = [](const CliRequest&) { return CliResult::failed("not built yet"); };
    return command;
}

}  // namespace orvan::cli
