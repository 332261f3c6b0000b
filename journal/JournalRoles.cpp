#include "journal/JournalRoles.h"

#include <QSqlQuery>

#include "common/ReportLanguage.h"
#include "journal/JournalSchema.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

// The tables a role that adds results writes into (saving a period also sets the mix's class
// and layout).
constexpr const char* kAddedTo =
    "mixes, parties, extracts, analysed_periods, analysed_period_parties, mix_designs, "
    "design_texts, history";
constexpr const char* kChanged =
    "mixes, parties, extracts, analysed_periods, analysed_period_parties, mix_designs, "
    "design_texts";

std::string createRole(const char* role) {
    return std::string("DO $$ BEGIN CREATE ROLE ") + role +
           " NOLOGIN; EXCEPTION WHEN duplicate_object THEN NULL; END $$";
}

}  // namespace

std::vector<std::string> roleGrants() {
    const std::string every =
        journalTables().join(", ").toStdString() + ", journal_schema, party_means";
    std::vector<std::string> out;
    for (const char* role : {kReaderRole, kRecorderRole, kEditorRole}) {
        out.push_back(createRole(role));
        out.push_back("GRANT SELECT ON " + every + " TO " + role);
    }
    for (const char* role : {kRecorderRole, kEditorRole}) {
        out.push_back(std::string("GRANT INSERT ON ") + kAddedTo + " TO " + role);
        out.push_back(std::string("GRANT UPDATE ON mixes TO ") + role);
        out.push_back(std::string("GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO ") + role);
    }
    out.push_back(std::string("GRANT UPDATE, DELETE ON ") + kChanged + " TO " + kEditorRole);
    // The history is only ever added to, whoever asks (a trigger stops the owner too).
    for (const char* role : {kReaderRole, kRecorderRole, kEditorRole})
        out.push_back(std::string("REVOKE UPDATE, DELETE, TRUNCATE ON history FROM ") + role);
    return out;
}

std::string joinedRoleNames() {
    return std::string(kReaderRole) + ", " + kRecorderRole + " and " + kEditorRole;
}

Outcome<> applyRoleGrants(Journal& journal) {
    if (!journal.isPostgres())
        return Outcome<>::failed(reportText("Roles are for a journal on a server"));
    for (const std::string& statement : roleGrants()) {
        // Fixed statements of the program's own names: no value of a user is in them.
        // Executed, not prepared: the server prepares no DO, GRANT or REVOKE.
        QSqlQuery query(Storage::db(journal));
        if (!query.exec(sqlText(statement))) return Storage::failed(query);
    }
    return Outcome<>::done({});
}

}  // namespace orvan::journal
