#pragma once
// What a change removes or adds, as the JSON text the history keeps, and the rows brought back
// from it when the change is undone. For the storage's own files.
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace orvan::journal {

// {"parties":[{"id","mix","date","number","strengths":[...],"ages":[{"age","strengths"}],
//   "design","periods":[[period, position]]}]}; "ages" and "design" only when the party has them
Outcome<std::string> partiesSnapshot(const Journal& journal, const std::vector<long long>& ids);
// The mix with everything that goes with it: class B, layout, parties, periods and designs.
Outcome<std::string> mixSnapshot(const Journal& journal, long long mixId);
std::string mixIdJson(long long mixId);     // {"mix": id}
std::string mixFieldsJson(const Mix& mix);  // {"name","class","layout"}

struct PartyNames {
    std::string mix;
    std::vector<std::string> numbers;
};
Outcome<PartyNames> partyNames(const Journal& journal, const std::vector<long long>& ids);

// Inside a transaction. The parties of a snapshot put back (with new ids), each linked again to
// the analysed periods it belonged to; the ids they got.
Outcome<std::vector<long long>> restoreParties(Journal& journal, const std::string& snapshot);
// The parties of a snapshot that are still in the journal, deleted again.
Outcome<std::vector<long long>> removeParties(Journal& journal, const std::string& snapshot);
// The results an import added to parties it found in the journal ({"results":[{"party",
// "age"} or {"party", "design": true}]}) taken away again.
Outcome<> removeResults(Journal& journal, const std::string& snapshot);
// The mixes a snapshot names ({"mixes":[ids]}, those an import made) deleted when no party is
// left in them.
Outcome<> removeEmptyMixes(Journal& journal, const std::string& snapshot);
// A mix snapshot put back whole; refused when a mix of its name is in the journal.
Outcome<long long> restoreMix(Journal& journal, const std::string& snapshot);
// A mix's fields ({"name","class","layout"}) put back.
Outcome<> restoreMixFields(Journal& journal, long long mixId, const std::string& fields);

}  // namespace orvan::journal
