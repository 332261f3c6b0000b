#include "strength_control/calc/PeriodParties.h"

#include "common/ReportLanguage.h"

namespace orvan::analysed {

std::vector<std::string> periodSourceLines(const PeriodSources& sources) {
    std::vector<std::string> lines{reportText("Mix: ") + sources.mix,
                                   reportText("Parties of the analyzed period (party, date):")};
    for (const PartySource& party : sources.used)
        lines.push_back("  " + party.number + "  " + party.date);
    if (!sources.skipped.empty()) {
        lines.push_back(reportText("Parties left out, without %1 extracts (party, date, extracts):",
                                   {std::to_string(sources.extractsNeeded)}));
        for (const PartySource& party : sources.skipped)
            lines.push_back("  " + party.number + "  " + party.date + "  " +
                            std::to_string(party.extracts));
    }
    return lines;
}

}  // namespace orvan::analysed
