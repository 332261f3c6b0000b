#pragma once
// One function per command, each in its own file beside this one.
#include "cli/Cli.h"

namespace orvan::cli {

CliCommand mixCommand();                // MixCommand.cpp
CliCommand correctStrengthCommand();    // CorrectionCommands.cpp
CliCommand correctAggregatesCommand();  // CorrectionCommands.cpp
CliCommand analysedPeriodCommand();     // AnalysedPeriodCommand.cpp
CliCommand controlChartCommand();       // ControlChartCommand.cpp
CliCommand controlVerdictsCommand();    // QualityCommands.cpp
CliCommand cusumCommand();              // QualityCommands.cpp
CliCommand conformityCommand();         // QualityCommands.cpp

}  // namespace orvan::cli
