#pragma once
// One function per command, each in its own file beside this one.
#include "cli/Cli.h"
#include "strength_control/calc/AnalysedPeriod.h"
#include "strength_control/calc/ControlChart.h"

namespace orvan::cli {

CliCommand mixCommand();                // MixCommand.cpp
CliCommand correctStrengthCommand();    // CorrectionCommands.cpp
CliCommand correctAggregatesCommand();  // CorrectionCommands.cpp
CliCommand analysedPeriodCommand();     // AnalysedPeriodCommand.cpp
CliCommand controlChartCommand();       // ControlChartCommand.cpp
CliCommand controlVerdictsCommand();    // QualityCommands.cpp
CliCommand cusumCommand();              // QualityCommands.cpp
CliCommand conformityCommand();         // QualityCommands.cpp

// The lines and --json values of a completed run, shared with `orvan-cli journal`.
CliResult analysedPeriodResult(const analysed::AnalysedPeriodLayout& layout,
                               const analysed::AnalysedPeriodResult& result, NumberFormat format);
// Failed when not ok.
CliResult controlChartResult(const control::ChartOutcome& chart, NumberFormat format);

}  // namespace orvan::cli
