#pragma once
// Which parties of a journal an analysed period was taken from, and which it passed over for
// lacking the layout's extracts: told in the report, so that no party is skipped silently.
#include <string>
#include <vector>

namespace orvan::analysed {

struct PartySource {
    std::string number;  // the journal's party number
    std::string date;    // YYYY-MM-DD
    int extracts = 0;
};

struct PeriodSources {
    std::string mix;
    int extractsNeeded = 0;            // the layout's extracts per party
    std::vector<PartySource> used;     // oldest first
    std::vector<PartySource> skipped;  // oldest first
};

// The lines printed before the analysed period's report.
std::vector<std::string> periodSourceLines(const PeriodSources& sources);

}  // namespace orvan::analysed
