#pragma once
// For the journal's own storage files only: the rows of one statement, read one at a time.
// On SQLite they come straight from the library through the connection's handle: a year of
// parties is a few hundred thousand rows, and the driver's copy of every value into a
// QVariant (its texts by way of UTF-16) costs several times what the database itself spends.
// Other servers are read through QSqlQuery. Every value is bound, as everywhere.
#include <QSqlQuery>
#include <QVariant>
#include <initializer_list>
#include <optional>
#include <string>

#include "journal/Storage.h"

struct sqlite3;
struct sqlite3_stmt;

namespace orvan::journal {

class RowReader {
public:
    RowReader(const Journal& journal, const char* statement,
              std::initializer_list<QVariant> values = {});
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    // The next row; false after the last one and when the reading failed, which ok() tells
    // apart: a statement that could not be read is never taken for one with no rows.
    bool next();
    bool ok() const { return error_.empty(); }
    template <class Values = NoValues>
    Outcome<Values> failed() const {
        return Outcome<Values>::failed(error_);
    }

    long long integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;  // UTF-8; "" for NULL

private:
    void failWith(int code);

    sqlite3* handle_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    std::optional<QSqlQuery> query_;  // when the journal is not SQLite
    std::string error_;
};

}  // namespace orvan::journal
