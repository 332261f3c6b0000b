#include "strength_control/calc/PeriodParties.h"

namespace orvan::analysed {

std::vector<std::string> periodSourceLines(const PeriodSources& sources) {
    std::vector<std::string> lines{"Mix: " + sources.mix,
                                   "Parties of the analyzed period (party, date):"};
    for (const PartySource& party : sources.used)
        lines.push_back("  " + party.number + "  " + party.date);
    if (!sources.skipped.empty()) {
        lines.push_back("Parties left out, without " + std::to_string(sources.extractsNeeded) +
                        " extracts (party, date, extracts):");
        for (const PartySource& party : sources.skipped)
            lines.push_back("  " + party.number + "  " + party.date + "  " +
                            std::to_string(party.extracts));
    }
    return lines;
}

}  // namespace orvan::analysed
