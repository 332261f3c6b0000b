#pragma once
// The journal's tables, step by step: schemaSteps(...)[v] brings a journal of schema version v
// to version v + 1. The table names and columns are the same on SQLite and PostgreSQL but for
// the generated key and the history's guard.
#include <QStringList>
#include <vector>

namespace orvan::journal {

std::vector<QStringList> schemaSteps(bool postgres);

// Every table of the journal, parents first (a copy writes them in this order).
const QStringList& journalTables();

}  // namespace orvan::journal
