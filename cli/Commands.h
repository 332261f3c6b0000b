#pragma once
// One function per command, each in its own file beside this one.
#include "cli/Cli.h"
#include "mixdesign/calc/MixRun.h"
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
// The proportioning run of `orvan-cli mix` over a request's fields and options, and its values
// as --json writes them; `journal design` runs it the same way.
mix::MixOutcome runMixRequest(const CliRequest& request);
JsonObject mixValuesJson(const mix::MixValues& values);
// The dialogs whose fields `orvan-cli mix` takes, with their --help notes.
std::vector<Form> mixCommandForms();
// Failed when not ok.
CliResult controlChartResult(const control::ChartOutcome& chart, NumberFormat format);

}  // namespace orvan::cli
