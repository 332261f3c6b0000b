#include "journal/JournalSchema.h"

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

}  // namespace

std::vector<QStringList> schemaSteps(bool postgres) {
    const QString id = postgres ? "id BIGSERIAL PRIMARY KEY" : "id INTEGER PRIMARY KEY";
    return {firstSchema(id), historySchema(id, postgres)};
}

const QStringList& journalTables() {
    static const QStringList tables = {
        "mixes",       "parties",      "extracts", "analysed_periods", "analysed_period_parties",
        "mix_designs", "design_texts", "history"};
    return tables;
}

}  // namespace orvan::journal
