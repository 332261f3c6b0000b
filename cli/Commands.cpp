#include "cli/Commands.h"

namespace orvan::cli {

std::vector<CliCommand> commandTable() {
    return {
        mixCommand(),
        correctStrengthCommand(),
        correctAggregatesCommand(),
        analysedPeriodCommand(),
        controlChartCommand(),
    };
}

}  // namespace orvan::cli
