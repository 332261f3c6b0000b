// Opening the journal, its schema and migrations, and the one-transaction rule.
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <atomic>

#include "journal/Journal.h"

namespace orvan::journal {

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

// SQLite's codes for a database held by another writer past the busy timeout.
bool isBusy(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == "5" || code == "6";
}

std::string errorText(const QSqlError& error) {
    if (isBusy(error))
        return "The journal is busy: another program is writing to it. Try again in a moment.";
    return text(error.text().trimmed());
}

// Schema steps: migrations[v] brings a journal of version v to version v + 1. The table
// names and columns are the same on SQLite and PostgreSQL but for the generated key.
std::vector<QStringList> migrations(bool postgres) {
    const QString id = postgres ? "id BIGSERIAL PRIMARY KEY" : "id INTEGER PRIMARY KEY";
    const QString real = "DOUBLE PRECISION NOT NULL";
    return {{
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
    }};
}

Status exec(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement)) return Status::failed(sqlError(query));
    return {};
}

}  // namespace

std::string sqlError(const QSqlQuery& query) {
    return errorText(query.lastError());
}

QString defaultJournalLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/journal.sqlite";
}

QString configuredJournalLocation() {
    return QSettings().value("journal/location", defaultJournalLocation()).toString();
}

Journal::Journal(QString connection, QString location, bool postgres)
    : connection_(std::move(connection)), location_(std::move(location)), postgres_(postgres) {}

Journal::~Journal() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase Journal::database() const {
    return QSqlDatabase::database(connection_, false);
}

OpenedJournal Journal::open(const QString& location) {
    static std::atomic<int> counter{0};
    const QString connection = QStringLiteral("orvan-journal-%1").arg(++counter);
    const bool postgres =
        location.startsWith("postgresql://") || location.startsWith("postgres://");
    const std::string where = text(location);
    {
        QSqlDatabase db;
        if (postgres) {
            const QUrl url(location, QUrl::StrictMode);
            if (!url.isValid() || url.host().isEmpty() || url.path().size() < 2) {
                return {nullptr, "The journal address '" + where +
                                     "' is not of the form postgresql://user@host/dbname"};
            }
            if (!url.password().isEmpty()) {
                return {nullptr,
                        "The journal address holds a password; it is not taken from there: "
                        "give it in ~/.pgpass"};
            }
            db = QSqlDatabase::addDatabase("QPSQL", connection);
            db.setHostName(url.host());
            if (url.port() > 0) db.setPort(url.port());
            db.setUserName(url.userName());
            db.setDatabaseName(url.path().mid(1));
            db.setConnectOptions("connect_timeout=5");
        } else {
            QDir().mkpath(QFileInfo(location).absolutePath());
            db = QSqlDatabase::addDatabase("QSQLITE", connection);
            db.setDatabaseName(location);
            // A database held by another writer is retried for five seconds.
            db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
        }
        if (!db.isValid() || !db.open()) {
            std::string message =
                "The journal '" + where + "' cannot be opened: " + errorText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return {nullptr, std::move(message)};
        }
    }
    std::unique_ptr<Journal> journal(new Journal(connection, location, postgres));
    if (Status status = journal->migrate(); !status) {
        return {nullptr, "The journal '" + where + "' cannot be used: " + status.message};
    }
    return {std::move(journal), {}};
}

namespace {

Result<int> failedVersion(std::string message) {
    return {0, Status::failed(std::move(message))};
}

// The schema version of the journal: 0 for an empty database.
Result<int> readVersion(QSqlDatabase& db, bool postgres) {
    QSqlQuery probe(db);
    if (!probe.exec(postgres ? "SELECT table_name FROM information_schema.tables WHERE "
                               "table_schema = current_schema()"
                             : "SELECT name FROM sqlite_master WHERE type = 'table'"))
        return failedVersion(sqlError(probe));
    bool hasSchema = false, hasOther = false;
    while (probe.next())
        (probe.value(0).toString() == "journal_schema" ? hasSchema : hasOther) = true;
    int version = 0;
    if (hasSchema) {
        QSqlQuery query(db);
        if (!query.exec("SELECT version FROM journal_schema") || !query.next())
            return failedVersion("its schema version cannot be read");
        version = query.value(0).toInt();
    } else if (hasOther) {
        return failedVersion("it is a database of another program");
    }
    if (version > kSchemaVersion)
        return failedVersion("it was written by a newer version of the program (schema " +
                             std::to_string(version) + ", this program knows up to " +
                             std::to_string(kSchemaVersion) + ")");
    return {version, {}};
}

}  // namespace

Status Journal::migrate() {
    QSqlDatabase db = database();
    if (!postgres_) {
        if (Status s = exec(db, "PRAGMA foreign_keys = ON"); !s) return s;
    }
    // Read before anything is written, so a journal this program cannot use stays untouched.
    Result<int> read = readVersion(db, postgres_);
    if (!read) return read.status;
    int version = read.value;
    if (version == kSchemaVersion) return {};
    if (!postgres_) {
        if (Status s = exec(db, "PRAGMA journal_mode = WAL"); !s) return s;
    }
    const auto steps = migrations(postgres_);
    while (version < kSchemaVersion) {
        Status status = write([&]() -> Status {
            // Read again under the write lock: another program may have just done this step.
            read = readVersion(db, postgres_);
            version = read.value;
            if (!read || version == kSchemaVersion) return read.status;
            for (const QString& statement : steps[version])
                if (Status s = exec(db, statement); !s) return s;
            QSqlQuery stamp(db);
            stamp.prepare(version == 0 ? "INSERT INTO journal_schema (version) VALUES (?)"
                                       : "UPDATE journal_schema SET version = ?");
            stamp.addBindValue(++version);
            if (!stamp.exec()) return Status::failed(sqlError(stamp));
            return {};
        });
        if (!status) return status;
    }
    return {};
}

Status Journal::write(const std::function<Status()>& work) {
    QSqlDatabase db = database();
    // SQLite: take the write lock at the start, where a busy journal is waited for; a
    // transaction that read first could not wait for it when it comes to write.
    auto run = [&](const char* statement) {
        QSqlQuery query(db);
        return query.exec(QString::fromLatin1(statement)) ? QSqlError() : query.lastError();
    };
    const QSqlError begun =
        postgres_ ? (db.transaction() ? QSqlError() : db.lastError()) : run("BEGIN IMMEDIATE");
    if (begun.isValid()) return Status::failed(errorText(begun));
    auto rollback = [&] { postgres_ ? void(db.rollback()) : void(run("ROLLBACK")); };
    Status status;
    try {
        status = work();
    } catch (...) {
        rollback();
        throw;
    }
    if (status) {
        const QSqlError committed =
            postgres_ ? (db.commit() ? QSqlError() : db.lastError()) : run("COMMIT");
        if (committed.isValid()) status = Status::failed(errorText(committed));
    }
    if (!status) rollback();
    return status;
}

}  // namespace orvan::journal
