#include "cli/Commands.h"

namespace orvan::cli {

std::vector<CliCommand> commandTable() {
    return {
        mixCommand(),
        correctStrengthCommand(),
        correctAggregatesCommand(),
        analysedPeriodCommand(),
        controlChartCommand(),
        controlVerdictsCommand(),
        cusumCommand(),
        conformityCommand(),
    };
}

}  // namespace orvan::cli
