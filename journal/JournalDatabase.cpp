// Opening the journal, its schema and migrations, its checks and the one-transaction rule.
#include <pwd.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSqlError>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <atomic>

#include "common/ReportLanguage.h"
#include "journal/JournalSchema.h"
#include "journal/Storage.h"

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

// PostgreSQL's class 42501: the connected role lacks the privilege.
bool isDenied(const QSqlError& error) {
    return error.nativeErrorCode() == "42501";
}

std::string errorText(const QSqlError& error) {
    if (isBusy(error))
        return reportText(
            "The journal is busy: another program is writing to it. Try again in a moment.");
    if (isDenied(error))
        return reportText(
            "The journal's server does not let this user change the journal: ask "
            "for the role that may");
    return text(error.text().trimmed());
}

Outcome<> exec(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement)) return Storage::failed(query);
    return Outcome<>::done({});
}

// The program's one settings file, ~/.config/Orvan/Orvan.conf (the interface language's too).
QSettings settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvan"),
                     QStringLiteral("Orvan"));
}

// The user of this session, as the history names them.
std::string systemUser() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    const QString name = qEnvironmentVariable("USER");
    return name.isEmpty() ? std::string("unknown") : text(name);
}

bool holdsPassword(const QUrl& url) {
    if (!url.password().isEmpty()) return true;
    for (const auto& [key, value] : QUrlQuery(url).queryItems())
        if (key.compare("password", Qt::CaseInsensitive) == 0) return true;
    return false;
}

using Opened = Outcome<std::unique_ptr<Journal>>;

}  // namespace

std::string Storage::errorText(const QSqlQuery& query) {
    return orvan::journal::errorText(query.lastError());
}

std::string Storage::errorText(const QSqlError& error) {
    return orvan::journal::errorText(error);
}

QSqlDatabase Storage::db(const Journal& journal) {
    return QSqlDatabase::database(journal.connection_, false);
}

QSqlQuery Storage::prepared(const Journal& journal, const QString& statement,
                            std::initializer_list<QVariant> values) {
    QSqlQuery query(db(journal));
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant& value : values) query.addBindValue(value);
    return query;
}

QString defaultJournalLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/journal.sqlite";
}

QString configuredJournalLocation() {
    return settings().value("journal/location", defaultJournalLocation()).toString();
}

void rememberJournalLocation(const QString& location) {
    settings().setValue("journal/location", location);
}

std::string shownLocation(const QString& location) {
    if (!location.startsWith("postgres")) return text(location);
    QUrl url(location);
    url.setPassword({});
    QUrlQuery query(url);
    query.removeAllQueryItems("password");
    url.setQuery(query);
    return text(url.toString());
}

Journal::Journal(QString connection, QString location, bool postgres)
    : connection_(std::move(connection)), location_(std::move(location)), postgres_(postgres) {}

Journal::~Journal() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

Opened Journal::open(const QString& location) {
    static std::atomic<int> counter{0};
    const QString connection = QStringLiteral("orvan-journal-%1").arg(++counter);
    const bool postgres =
        location.startsWith("postgresql://") || location.startsWith("postgres://");
    const std::string where = shownLocation(location);
    {
        QSqlDatabase db;
        if (postgres) {
            const QUrl url(location, QUrl::StrictMode);
            if (holdsPassword(url))
                return Opened::failed(
                    reportText("The journal address holds a password; it is not taken from "
                               "there: give it in ~/.pgpass"));
            if (!url.isValid() || url.host().isEmpty() || url.path().size() < 2)
                return Opened::failed(reportText(
                    "The journal address '%1' is not of the form postgresql://user@host/dbname",
                    {where}));
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
            std::string message = reportText("The journal '%1' cannot be opened: %2",
                                             {where, errorText(db.lastError())});
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return Opened::failed(std::move(message));
        }
    }
    std::unique_ptr<Journal> journal(new Journal(connection, location, postgres));
    journal->role_ = postgres ? text(QSqlDatabase::database(connection, false).userName()) : "";
    if (Outcome<> migrated = journal->migrate(); !migrated.ok())
        return Opened::failed(
            reportText("The journal '%1' cannot be used: %2", {where, migrated.message}));
    if (Outcome<> read = journal->readPermissions(); !read.ok())
        return Opened::failed(
            reportText("The journal '%1' cannot be used: %2", {where, read.message}));
    return Opened::done(std::move(journal));
}

namespace {

// The schema version of the journal: 0 for an empty database.
Outcome<int> readVersion(QSqlDatabase& db, bool postgres) {
    QSqlQuery probe(db);
    if (!probe.exec(postgres ? "SELECT table_name FROM information_schema.tables WHERE "
                               "table_schema = current_schema()"
                             : "SELECT name FROM sqlite_master WHERE type = 'table'"))
        return Storage::failed<int>(probe);
    bool hasSchema = false, hasOther = false;
    while (probe.next())
        (probe.value(0).toString() == "journal_schema" ? hasSchema : hasOther) = true;
    int version = 0;
    if (hasSchema) {
        QSqlQuery query(db);
        if (!query.exec("SELECT version FROM journal_schema") || !query.next())
            return Outcome<int>::failed(reportText("its schema version cannot be read"));
        version = query.value(0).toInt();
    } else if (hasOther) {
        return Outcome<int>::failed(reportText("it is a database of another program"));
    }
    if (version > kSchemaVersion)
        return Outcome<int>::failed(
            reportText("it was written by a newer version of the program (schema %1, this "
                       "program knows up to %2)",
                       {std::to_string(version), std::to_string(kSchemaVersion)}));
    return Outcome<int>::done(version);
}

// SQLite's own check of its pages: "" when sound, else what it found (the first few lines).
std::string sqliteDamage(QSqlDatabase& db, const char* pragma) {
    QSqlQuery query(db);
    if (!query.exec(QString::fromLatin1(pragma))) return errorText(query.lastError());
    std::string found;
    int lines = 0;
    while (query.next()) {
        const QString line = query.value(0).toString();
        if (line == "ok") continue;
        if (++lines > 3) return found + "; ...";
        found += (found.empty() ? "" : "; ") + text(line);
    }
    return found;
}

}  // namespace

Outcome<> Journal::migrate() {
    QSqlDatabase db = Storage::db(*this);
    if (!postgres_) {
        if (Outcome<> s = exec(db, "PRAGMA foreign_keys = ON"); !s.ok()) return s;
        damage_ = sqliteDamage(db, "PRAGMA quick_check");
        if (!damage_.empty()) permissions_ = {true, false, false};
    }
    // Read before anything is written, so a journal this program cannot use stays untouched.
    Outcome<int> read = readVersion(db, postgres_);
    if (!read.ok()) return Outcome<>::endedAs(read);
    int version = read.values;
    if (version == kSchemaVersion) return Outcome<>::done({});
    if (!damage_.empty())
        return Outcome<>::failed(
            reportText("it is damaged (%1) and of an older schema", {damage_}));
    if (!postgres_) {
        if (Outcome<> s = exec(db, "PRAGMA journal_mode = WAL"); !s.ok()) return s;
    }
    const auto steps = schemaSteps(postgres_);
    while (version < kSchemaVersion) {
        Outcome<> stepped = Storage::inTransaction(*this, Storage::Need::Add, [&]() -> Outcome<> {
            // Read again under the write lock: another program may have just done this step.
            read = readVersion(db, postgres_);
            version = read.values;
            if (!read.ok()) return Outcome<>::endedAs(read);
            if (version == kSchemaVersion) return Outcome<>::done({});
            for (const QString& statement : steps[version])
                if (Outcome<> s = exec(db, statement); !s.ok()) return s;
            QSqlQuery stamp(db);
            stamp.prepare(version == 0 ? "INSERT INTO journal_schema (version) VALUES (?)"
                                       : "UPDATE journal_schema SET version = ?");
            stamp.addBindValue(++version);
            if (!stamp.exec()) return Storage::failed(stamp);
            return Outcome<>::done({});
        });
        if (!stepped.ok()) return stepped;
    }
    return Outcome<>::done({});
}

Outcome<> Journal::readPermissions() {
    if (!postgres_) return Outcome<>::done({});
    QSqlQuery query =
        Storage::prepared(*this,
                          "SELECT has_table_privilege(current_user, 'parties', 'SELECT'), "
                          "has_table_privilege(current_user, 'parties', 'INSERT'), "
                          "has_table_privilege(current_user, 'parties', 'DELETE'), current_user");
    if (!query.exec() || !query.next()) return Storage::failed(query);
    permissions_ = {query.value(0).toBool(), query.value(1).toBool(), query.value(2).toBool()};
    role_ = textOf(query.value(3));
    return Outcome<>::done({});
}

namespace {

// The party means the database keeps (party_means) against the extracts they are kept from:
// a count that differs, a sum more than a rounding apart, or a mean of no extracts.
Outcome<> meansAgree(const Journal& journal) {
    QSqlQuery query = Storage::prepared(
        journal,
        "SELECT (SELECT COUNT(*) FROM (SELECT party_id, age, SUM(strength) AS s, COUNT(*) AS c "
        "FROM extracts GROUP BY party_id, age) x LEFT JOIN party_means m ON m.party_id = "
        "x.party_id AND m.age = x.age WHERE m.party_id IS NULL OR m.extract_count <> x.c OR "
        "ABS(m.strength_sum - x.s) > 1e-9 * (1 + ABS(x.s))) + (SELECT COUNT(*) FROM party_means "
        "m WHERE NOT EXISTS (SELECT 1 FROM extracts e WHERE e.party_id = m.party_id AND e.age = "
        "m.age))");
    if (!query.exec() || !query.next()) return Storage::failed(query);
    const long long wrong = query.value(0).toLongLong();
    if (wrong > 0)
        return Outcome<>::failed(
            reportText("The journal is damaged: the means of %1 parties do not agree with their "
                       "results",
                       {std::to_string(wrong)}));
    return Outcome<>::done({});
}

}  // namespace

Outcome<> Journal::check() const {
    if (!postgres_) {
        QSqlDatabase db = Storage::db(*this);
        const std::string found = sqliteDamage(db, "PRAGMA integrity_check");
        if (!found.empty())
            return Outcome<>::failed(reportText("The journal is damaged: %1", {found}));
        const std::string keys = sqliteDamage(db, "PRAGMA foreign_key_check");
        if (!keys.empty())
            return Outcome<>::failed(reportText("The journal's rows do not hold together"));
        return meansAgree(*this);
    }
    // The journal's own rules, which a server cannot break unless its tables were changed by
    // hand: every extract and party belongs to a row that is there.
    QSqlQuery query = Storage::prepared(
        *this,
        "SELECT (SELECT COUNT(*) FROM extracts e LEFT JOIN parties p ON p.id = e.party_id "
        "WHERE p.id IS NULL), (SELECT COUNT(*) FROM parties p LEFT JOIN mixes m ON m.id = "
        "p.mix_id WHERE m.id IS NULL), (SELECT COUNT(*) FROM analysed_periods a LEFT JOIN mixes "
        "m ON m.id = a.mix_id WHERE m.id IS NULL)");
    if (!query.exec() || !query.next()) return Storage::failed(query);
    const long long orphans =
        query.value(0).toLongLong() + query.value(1).toLongLong() + query.value(2).toLongLong();
    if (orphans > 0)
        return Outcome<>::failed(
            reportText("The journal is damaged: %1 rows belong to no party or mix",
                       {std::to_string(orphans)}));
    return meansAgree(*this);
}

Outcome<> Journal::reconnectIfLost() {
    if (!postgres_) return Outcome<>::done({});
    QSqlDatabase db = Storage::db(*this);
    {
        QSqlQuery probe(db);
        if (db.isOpen() && probe.exec("SELECT 1")) return Outcome<>::done({});
    }
    db.close();
    if (!db.open())
        return Outcome<>::failed(
            reportText("The journal's server cannot be reached: %1", {errorText(db.lastError())}));
    return readPermissions();
}

Outcome<> Storage::inTransaction(Journal& journal, Need need,
                                 const std::function<Outcome<>()>& work) {
    if (!journal.damage_.empty())
        return Outcome<>::refused(
            reportText("The journal is damaged (%1): it is open read-only", {journal.damage_}),
            MessageStyle::Message);
    const Permissions& may = journal.permissions_;
    if (!(need == Need::Add ? may.add : may.edit))
        return Outcome<>::refused(
            reportText(need == Need::Add
                           ? "The journal's server does not let the role '%1' add results"
                           : "The journal's server does not let the role '%1' edit, delete or undo",
                       {journal.role_}),
            MessageStyle::Message);
    QSqlDatabase db = Storage::db(journal);
    // SQLite: take the write lock at the start, where a busy journal is waited for; a
    // transaction that read first could not wait for it when it comes to write.
    auto run = [&](const char* statement) {
        QSqlQuery query(db);
        return query.exec(QString::fromLatin1(statement)) ? QSqlError() : query.lastError();
    };
    const bool postgres = journal.postgres_;
    const QSqlError begun =
        postgres ? (db.transaction() ? QSqlError() : db.lastError()) : run("BEGIN IMMEDIATE");
    if (begun.isValid()) return Outcome<>::failed(orvan::journal::errorText(begun));
    auto rollback = [&] { postgres ? void(db.rollback()) : void(run("ROLLBACK")); };
    Outcome<> status;
    try {
        status = work();
    } catch (...) {
        rollback();
        throw;
    }
    if (status.ok()) {
        const QSqlError committed =
            postgres ? (db.commit() ? QSqlError() : db.lastError()) : run("COMMIT");
        if (committed.isValid()) status = Outcome<>::failed(orvan::journal::errorText(committed));
    }
    if (!status.ok()) rollback();
    return status;
}

Outcome<> Storage::record(Journal& journal, const EventRecord& event) {
    QSqlQuery query = prepared(
        journal,
        "INSERT INTO history (happened_at, user_name, db_role, action, mix_name, parties, "
        "before_text, after_text, reason, undoes) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {QDateTime::currentDateTimeUtc().toString(Qt::ISODate), sqlText(systemUser()),
         sqlText(journal.role_), sqlText(event.action), sqlText(event.mix), sqlText(event.parties),
         sqlText(event.before), sqlText(event.after), sqlText(event.reason), event.undoes});
    if (!query.exec()) return failed(query);
    return Outcome<>::done({});
}

std::string joinedNumbers(const std::vector<std::string>& numbers) {
    std::string out;
    for (const std::string& n : numbers) out += (out.empty() ? "" : ", ") + n;
    return out;
}

}  // namespace orvan::journal
