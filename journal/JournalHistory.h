#pragma once
// The journal's history: every change (import, add, edit, delete, undo, a saved analysed
// period or design) with its time, who made it, the mix and parties, what it removed and added
// and the user's reason; and the undo of a change.
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace orvan::journal {

struct HistoryEvent {
    long long id = 0;
    std::string time;  // UTC, ISO 8601
    std::string user;  // the system user
    std::string role;  // the PostgreSQL role, "" on SQLite
    std::string action, mix, parties;
    std::string before, after;  // JSON texts: what the change removed and added
    std::string reason;
    long long undoes = 0;  // an undo: the event it undid
};

struct HistoryFilter {
    std::string mix;       // "" for every mix
    std::string from, to;  // ISO days, inclusive; "" is open
};

// Oldest first.
Outcome<std::vector<HistoryEvent>> readHistory(const Journal& journal,
                                               const HistoryFilter& filter = {});
// Undoes one event: an import or an added party takes away exactly the parties it added, a
// delete brings back exactly what it deleted (results, class B and periods), an edit puts back
// what was there before. The undo is an event of its own. Refused for an event already undone
// and for one that cannot be undone (an undo, a saved period or design).
Outcome<> undoEvent(Journal& journal, long long eventId, const std::string& reason = {});

}  // namespace orvan::journal
