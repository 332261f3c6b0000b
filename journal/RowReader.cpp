#include "journal/RowReader.h"

#include <sqlite3.h>

#include <QSqlDriver>
#include <QSqlError>

namespace orvan::journal {

namespace {

// The connection's own sqlite3 handle, or none when the journal is on another server. The
// program links the system's SQLite library, the one the Qt driver itself is built against.
sqlite3* sqliteHandle(const Journal& journal) {
    const QSqlDatabase db = Storage::db(journal);
    if (!db.isValid() || !db.driver()) return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

int bind(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (value.isNull()) return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        case QMetaType::Double:
            return sqlite3_bind_double(statement, index, value.toDouble());
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            return sqlite3_bind_text(statement, index, utf8.constData(),
                                     static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
    }
}

}  // namespace

RowReader::RowReader(const Journal& journal, const char* statement,
                     std::initializer_list<QVariant> values) {
    handle_ = sqliteHandle(journal);
    if (!handle_) {
        query_.emplace(Storage::prepared(journal, QString::fromUtf8(statement), values));
        if (!query_->exec()) error_ = Storage::errorText(*query_);
        return;
    }
    if (const int code = sqlite3_prepare_v2(handle_, statement, -1, &statement_, nullptr);
        code != SQLITE_OK) {
        failWith(code);
        return;
    }
    int index = 1;
    for (const QVariant& value : values)
        if (const int code = bind(statement_, index++, value); code != SQLITE_OK) {
            failWith(code);
            return;
        }
}

RowReader::~RowReader() {
    sqlite3_finalize(statement_);  // a no-op without a statement
}

void RowReader::failWith(int code) {
    const QString message = QString::fromUtf8(sqlite3_errmsg(handle_));
    // Worded as the driver words its errors (a busy journal as busy), so that either way of
    // reading says the same.
    error_ = Storage::errorText(
        QSqlError(QString(), message, QSqlError::StatementError, QString::number(code & 0xff)));
}

bool RowReader::next() {
    if (!ok()) return false;
    if (query_) {
        if (query_->next()) return true;
        if (query_->lastError().isValid()) error_ = Storage::errorText(*query_);
        return false;
    }
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    if (code != SQLITE_DONE) failWith(code);
    return false;
}

long long RowReader::integer(int column) const {
    if (query_) return query_->value(column).toLongLong();
    return sqlite3_column_int64(statement_, column);
}

double RowReader::real(int column) const {
    if (query_) return query_->value(column).toDouble();
    return sqlite3_column_double(statement_, column);
}

std::string RowReader::text(int column) const {
    if (query_) return textOf(query_->value(column));
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return chars ? std::string(chars,
                               static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string();
}

}  // namespace orvan::journal
