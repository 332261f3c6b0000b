#pragma once
// orvan-cli journal: the strength journal from a script, on the command frame of cli/Cli.h.
//   orvan-cli journal [--db PATH|URL] COMMAND ... (orvan-cli journal --help lists them)
#include "cli/Cli.h"

namespace orvan::cli {

CliGroup journalGroup();

}  // namespace orvan::cli
