#pragma once
// Mix designs: every field text of the proportioning dialogs and the report lines of a run,
// saved with a mix so that a later run can start from them.
#include <optional>
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace orvan::journal {

struct DesignField {
    std::string name;  // "dialog.field", component names
    std::string text;  // as typed (a radio group's item index)
};

struct Design {
    long long id = 0;
    std::string savedAt;  // UTC, ISO 8601
    std::vector<DesignField> fields;
    std::vector<std::string> reportLines;
};

// Stores a design with the mix.
Outcome<> saveDesign(Journal& journal, long long mixId, const Design& design);
// The mix's latest design, if any.
Outcome<std::optional<Design>> latestDesign(const Journal& journal, long long mixId);

}  // namespace orvan::journal
