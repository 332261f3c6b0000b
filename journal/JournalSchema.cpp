#include "journal/JournalSchema.h"

#include "journal/JournalRoles.h"

namespace orvan::journal {

namespace {

QStringList firstSchema(const QString& id) {
    const QString real = "DOUBLE PRECISION NOT NULL";
    return {
        "CREATE TABLE journal_schema (version INTEGER NOT NULL)",
        "CREATE TABLE mixes (" + id +
            ", name TEXT NOT NULL UNIQUE, class_text TEXT NOT NULL DEFAULT '',"
            " layout TEXT NOT NULL DEFAULT '')",
        "CREATE TABLE parties (" + id +
            ", mix_id BIGINT NOT NULL REFERENCES mixes(id) ON DELETE CASCADE,"
            " party_date TEXT NOT NULL, number TEXT NOT NULL, UNIQUE (mix_id, number))",
        "CREATE INDEX parties_by_date ON parties (mix_id, party_date, id)",
        "CREATE TABLE extracts (party_id BIGINT NOT NULL REFERENCES parties(id) ON DELETE "
        "CASCADE, position INTEGER NOT NULL, strength " +
            real + ", strength_text TEXT NOT NULL, PRIMARY KEY (party_id, position))",
        "CREATE TABLE analysed_periods (" + id +
            ", mix_id BIGINT NOT NULL REFERENCES mixes(id) ON DELETE CASCADE,"
            " layout TEXT NOT NULL, class_text TEXT NOT NULL, until_date TEXT NOT NULL,"
            " last_party_date TEXT NOT NULL, saved_at TEXT NOT NULL, overall_variation " +
            real + ", average_level " + real + ", warning_top " + real + ", warning_bottom " +
            real + ", correcting_top " + real + ", correcting_bottom " + real + ")",
        "CREATE TABLE analysed_period_parties (period_id BIGINT NOT NULL REFERENCES "
        "analysed_periods(id) ON DELETE CASCADE, position INTEGER NOT NULL, party_id BIGINT "
        "REFERENCES parties(id) ON DELETE SET NULL, party_mean " +
            real + ", party_deviation " + real + ", party_variation " + real +
            ", PRIMARY KEY (period_id, position))",
        "CREATE TABLE mix_designs (" + id +
            ", mix_id BIGINT NOT NULL REFERENCES mixes(id) ON DELETE CASCADE,"
            " saved_at TEXT NOT NULL)",
        "CREATE TABLE design_texts (design_id BIGINT NOT NULL REFERENCES mix_designs(id) ON "
        "DELETE CASCADE, kind TEXT NOT NULL, position INTEGER NOT NULL, name TEXT NOT NULL,"
        " text TEXT NOT NULL, PRIMARY KEY (design_id, kind, position))",
    };
}

// The history: one row per change, only ever added to. Its before and after texts hold what
// the change removed and added (JSON), so that the change can be undone.
QStringList historySchema(const QString& id, bool postgres) {
    QStringList steps = {
        "CREATE TABLE history (" + id +
            ", happened_at TEXT NOT NULL, user_name TEXT NOT NULL, db_role TEXT NOT NULL,"
            " action TEXT NOT NULL, mix_name TEXT NOT NULL, parties TEXT NOT NULL,"
            " before_text TEXT NOT NULL, after_text TEXT NOT NULL, reason TEXT NOT NULL,"
            " undoes BIGINT NOT NULL DEFAULT 0)",
        "CREATE INDEX history_by_mix ON history (mix_name, id)",
    };
    if (postgres) {
        steps << "CREATE FUNCTION orvan_history_kept() RETURNS trigger LANGUAGE plpgsql AS "
                 "$$ BEGIN RAISE EXCEPTION 'the history of the journal is only added to'; END $$"
              << "CREATE TRIGGER history_kept BEFORE UPDATE OR DELETE ON history FOR EACH ROW "
                 "EXECUTE FUNCTION orvan_history_kept()";
    } else {
        for (const char* change : {"UPDATE", "DELETE"})
            steps << QStringLiteral(
                         "CREATE TRIGGER history_kept_%1 BEFORE %2 ON history BEGIN SELECT "
                         "RAISE(ABORT, 'the history of the journal is only added to'); END")
                         .arg(QString::fromLatin1(change).toLower(), QString::fromLatin1(change));
    }
    return steps;
}

// Results at an age: each extract keeps the age it was tested at (its numbering 1..n is its
// age's own), a party may name the design it was made from, a design has a name. SQLite
// cannot change a primary key in place, so its extracts move to a new table; PostgreSQL
// changes the key where it stands, keeping the roles' grants on the table.
QStringList ageSchema(bool postgres) {
    QStringList steps;
    if (postgres) {
        steps << "ALTER TABLE extracts ADD COLUMN age INTEGER NOT NULL DEFAULT 28"
              << "ALTER TABLE extracts DROP CONSTRAINT extracts_pkey"
              << "ALTER TABLE extracts ADD PRIMARY KEY (party_id, age, position)";
    } else {
        steps << "CREATE TABLE extracts_by_age (party_id BIGINT NOT NULL REFERENCES "
                 "parties(id) ON DELETE CASCADE, position INTEGER NOT NULL, strength DOUBLE "
                 "PRECISION NOT NULL, strength_text TEXT NOT NULL, age INTEGER NOT NULL "
                 "DEFAULT 28, PRIMARY KEY (party_id, age, position))"
              << "INSERT INTO extracts_by_age (party_id, position, strength, strength_text, age) "
                 "SELECT party_id, position, strength, strength_text, 28 FROM extracts"
              << "DROP TABLE extracts"
              << "ALTER TABLE extracts_by_age RENAME TO extracts";
    }
    steps << "ALTER TABLE parties ADD COLUMN design TEXT NOT NULL DEFAULT ''"
          << "ALTER TABLE mix_designs ADD COLUMN name TEXT NOT NULL DEFAULT ''";
    return steps;
}

// Each party's sum and count of extracts at each age, kept by the database itself on every
// change of an extract, so that a year of party means (the early-age relation, the CUSUM)
// is read as one row a party instead of being summed from every extract each time. The sum
// is always taken anew over the extracts in their order, never added to or taken from, so
// that it is exactly the sum every other party mean of the journal is.
QStringList meansSchema(bool postgres) {
    const QString table =
        "CREATE TABLE party_means (party_id BIGINT NOT NULL, age INTEGER NOT NULL, "
        "strength_sum DOUBLE PRECISION NOT NULL, extract_count INTEGER NOT NULL, PRIMARY KEY "
        "(party_id, age))";
    // SQLite sums in the order of the extracts' key (party, age, position); PostgreSQL is told.
    const QString sum = postgres ? "SUM(strength ORDER BY position)" : "SUM(strength)";
    const QString fill =
        "INSERT INTO party_means (party_id, age, strength_sum, extract_count) "
        "SELECT party_id, age, " +
        sum + ", COUNT(*) FROM extracts GROUP BY party_id, age";
    // The means of the party and age of row %1 (OLD or NEW), taken anew.
    const QString renew =
        "DELETE FROM party_means WHERE party_id = %1.party_id AND age = %1.age; INSERT INTO "
        "party_means (party_id, age, strength_sum, extract_count) SELECT %1.party_id, %1.age, " +
        sum +
        ", COUNT(*) FROM extracts WHERE party_id = %1.party_id AND age = %1.age HAVING COUNT(*) "
        "> 0;";
    if (postgres) {
        // Run as the journal's owner: the roles read the means but only ever write extracts.
        return {table,
                "CREATE FUNCTION orvan_party_means() RETURNS trigger LANGUAGE plpgsql "
                "SECURITY DEFINER SET search_path = public AS $$ BEGIN "
                "IF TG_OP <> 'INSERT' THEN " +
                    renew.arg("OLD") + " END IF; IF TG_OP <> 'DELETE' THEN " + renew.arg("NEW") +
                    " END IF; RETURN NULL; END $$",
                "CREATE TRIGGER party_means_kept AFTER INSERT OR UPDATE OR DELETE ON extracts "
                "FOR EACH ROW EXECUTE FUNCTION orvan_party_means()",
                fill,
                // A journal whose roles were set up before: they read the means too.
                QStringLiteral("DO $$ DECLARE r TEXT; BEGIN FOREACH r IN ARRAY ARRAY['%1', '%2', "
                               "'%3'] LOOP IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = r) "
                               "THEN EXECUTE 'GRANT SELECT ON party_means TO ' || r; END IF; END "
                               "LOOP; END $$")
                    .arg(kReaderRole, kRecorderRole, kEditorRole)};
    }
    return {table + " WITHOUT ROWID",
            "CREATE TRIGGER party_means_added AFTER INSERT ON extracts BEGIN " + renew.arg("NEW") +
                " END",
            "CREATE TRIGGER party_means_removed AFTER DELETE ON extracts BEGIN " +
                renew.arg("OLD") + " END",
            "CREATE TRIGGER party_means_changed AFTER UPDATE ON extracts BEGIN " +
                renew.arg("OLD") + " " + renew.arg("NEW") + " END",
            fill};
}

// The parties' date index holds their numbers too, so that a mix's parties in date order (the
// series of the early-age relation and of the CUSUM) are read from the index alone, without a
// look-up of every party's row: a third less time for the scan of a year of parties.
QStringList numberedDateSchema() {
    return {"CREATE INDEX parties_by_date_numbered ON parties (mix_id, party_date, id, number)",
            "DROP INDEX parties_by_date"};
}

}  // namespace

std::vector<QStringList> schemaSteps(bool postgres) {
    const QString id = postgres ? "id BIGSERIAL PRIMARY KEY" : "id INTEGER PRIMARY KEY";
    return {firstSchema(id), historySchema(id, postgres), ageSchema(postgres),
            meansSchema(postgres), numberedDateSchema()};
}

const QStringList& journalTables() {
    static const QStringList tables = {
        "mixes",       "parties",      "extracts", "analysed_periods", "analysed_period_parties",
        "mix_designs", "design_texts", "history"};
    return tables;
}

}  // namespace orvan::journal
