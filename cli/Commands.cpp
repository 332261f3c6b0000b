#include "cli/Commands.h"

#include "cli/JournalLoopJson.h"

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
        correctDesignsCommand(),
    };
}

}  // namespace orvan::cli
