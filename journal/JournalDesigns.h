#pragma once
// Mix designs: every field text of the proportioning dialogs, the report lines of a run and
// its results, saved with a mix under a name, so that a later run can start from them and the
// parties made from a design can correct the mix.
#include <optional>
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace orvan::journal {

struct DesignField {
    std::string name;  // "dialog.field", component names; for a result, its key below
    std::string text;  // as typed (a radio group's item index); a result in round-trip form
};

// The keys of a design's results.
inline constexpr const char* kWaterCementRatioKey = "waterCementRatio";
inline constexpr const char* kWaterContentKey = "waterContent";    // kg per cu m
inline constexpr const char* kCementContentKey = "cementContent";  // kg per cu m

struct Design {
    long long id = 0;
    std::string savedAt;  // UTC, ISO 8601
    std::string name;     // "" for a design saved before designs had names
    std::vector<DesignField> fields;
    std::vector<std::string> reportLines;
    std::vector<DesignField> results;  // the run's W/C, W and C by key
};

// A design as a list shows it: its name and the results a correction needs.
struct DesignSummary {
    std::string name, savedAt;
    std::optional<double> waterCementRatio;
    std::optional<double> waterContent;  // kg per cu m
};

// Stores a design with the mix; refused when the mix has a design of that name already.
Outcome<> saveDesign(Journal& journal, long long mixId, const Design& design);
// The mix's latest design, if any.
Outcome<std::optional<Design>> latestDesign(const Journal& journal, long long mixId);
// Every design of the mix, oldest first.
Outcome<std::vector<DesignSummary>> designSummaries(const Journal& journal, long long mixId);

}  // namespace orvan::journal
