#pragma once
// A journal shared on a PostgreSQL server by three roles: one that may only read and analyse,
// one that may also add results, one that may also edit, delete and undo. No role may change
// or remove a row of the history.
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace orvan::journal {

inline constexpr const char* kReaderRole = "orvan_reader";
inline constexpr const char* kRecorderRole = "orvan_recorder";
inline constexpr const char* kEditorRole = "orvan_editor";

// The statements that make the roles (when missing) and grant them the journal's tables.
std::vector<std::string> roleGrants();
std::string joinedRoleNames();
Outcome<> applyRoleGrants(Journal& journal);

}  // namespace orvan::journal
