// The whole journal copied into another, table by table with the same ids, so that the
// history's references (party ids in its snapshots, the events an undo undid) hold in the copy.
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include "common/ReportLanguage.h"
#include "journal/JournalExchange.h"
#include "journal/JournalSchema.h"
#include "journal/Storage.h"

namespace orvan::journal {

namespace {

Outcome<long long> rowCount(const Journal& journal, const QString& table) {
    // `table` is one of the journal's own table names, never a user's text.
    QSqlQuery query = Storage::prepared(journal, "SELECT COUNT(*) FROM " + table);
    if (!query.exec() || !query.next()) return Storage::failed<long long>(query);
    return Outcome<long long>::done(query.value(0).toLongLong());
}

// One table's rows from `source` into `destination`; the count copied.
Outcome<long long> copyTable(const Journal& source, Journal& destination, const QString& table) {
    QSqlQuery rows = Storage::prepared(source, "SELECT * FROM " + table);
    if (!rows.exec()) return Storage::failed<long long>(rows);
    const QSqlRecord record = rows.record();
    QStringList columns, marks;
    for (int c = 0; c < record.count(); ++c) columns << record.fieldName(c), marks << "?";
    QSqlQuery insert =
        Storage::prepared(destination, "INSERT INTO " + table + " (" + columns.join(", ") +
                                           ") VALUES (" + marks.join(", ") + ")");
    long long copied = 0;
    while (rows.next()) {
        for (int c = 0; c < record.count(); ++c) insert.bindValue(c, rows.value(c));
        if (!insert.exec()) return Storage::failed<long long>(insert);
        ++copied;
    }
    return Outcome<long long>::done(copied);
}

// PostgreSQL hands out ids from a sequence, which rows written with their own ids do not move.
Outcome<> advanceSequences(Journal& destination) {
    for (const char* table : {"mixes", "parties", "analysed_periods", "mix_designs", "history"}) {
        QSqlQuery query = Storage::prepared(
            destination, "SELECT setval(pg_get_serial_sequence('" + QString(table) +
                             "', 'id'), COALESCE((SELECT MAX(id) FROM " + table +
                             "), 0) + 1, false)");
        if (!query.exec()) return Storage::failed(query);
    }
    return Outcome<>::done({});
}

}  // namespace

Outcome<CopyValues> copyJournal(const Journal& source, Journal& destination) {
    for (const char* table : {"mixes", "history"}) {
        const auto count = rowCount(destination, table);
        if (!count.ok()) return Outcome<CopyValues>::endedAs(count);
        if (count.values > 0)
            return Outcome<CopyValues>::refused(
                reportText("The journal '%1' is not empty: a copy goes into a new or empty journal",
                           {shownLocation(destination.location())}),
                MessageStyle::Message);
    }
    CopyValues copied;
    const Outcome<> written =
        Storage::inTransaction(destination, Storage::Need::Add, [&]() -> Outcome<> {
            for (const QString& table : journalTables()) {
                const auto count = copyTable(source, destination, table);
                if (!count.ok()) return Outcome<>::endedAs(count);
                if (table == "mixes") copied.mixes = count.values;
                if (table == "parties") copied.parties = count.values;
                if (table == "extracts") copied.extracts = count.values;
                if (table == "history") copied.events = count.values;
            }
            return destination.isPostgres() ? advanceSequences(destination) : Outcome<>::done({});
        });
    if (!written.ok()) return Outcome<CopyValues>::endedAs(written);
    return Outcome<CopyValues>::done(copied);
}

}  // namespace orvan::journal
