#pragma once
// For the journal's own storage files only (journal/*.cpp): the database handle, the one
// transaction of a user action, the rows every action writes and its event in the history.
// Nothing outside journal/ includes this header.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace orvan::journal {

// A UTF-8 text as the value bound to a placeholder; every value is bound
// (QSqlQuery::bindValue), never pasted into a statement.
inline QString sqlText(const std::string& text) {
    return QString::fromStdString(text);
}
// A column's value as UTF-8 text.
inline std::string textOf(const QVariant& value) {
    return value.toString().toStdString();
}

// One change as the history keeps it. `before` and `after` are JSON texts of what the change
// removed and what it added, enough to undo it.
struct EventRecord {
    std::string action;   // import, add, edit, delete, delete mix, undo, ...
    std::string mix;      // the mix's name
    std::string parties;  // party numbers, "1, 2, 5"
    std::string before, after;
    std::string reason;
    long long undoes = 0;  // for an undo: the event it undid
};

class Storage {
public:
    static QSqlDatabase db(const Journal& journal);
    // A query on the journal's connection, prepared with `statement` and `values` bound in order.
    static QSqlQuery prepared(const Journal& journal, const QString& statement,
                              std::initializer_list<QVariant> values = {});
    // Runs `work` in one transaction: committed when it returns done, rolled back otherwise.
    // Refused on a journal open read-only and for a role that may not `need`.
    enum class Need { Add, Edit };
    static Outcome<> inTransaction(Journal& journal, Need need,
                                   const std::function<Outcome<>()>& work);
    // Inside a transaction: the rows of a new mix or party.
    static Outcome<long long> insertMix(Journal& journal, const std::string& name);
    static Outcome<long long> insertParty(Journal& journal, const Party& party);
    static Outcome<> insertExtracts(Journal& journal, long long partyId,
                                    const std::vector<std::string>& texts, int age = kDesignAge);
    // Inside a transaction: the event of the action.
    static Outcome<> record(Journal& journal, const EventRecord& event);
    // A failed statement as the outcome the program shows.
    template <class Values = NoValues>
    static Outcome<Values> failed(const QSqlQuery& query) {
        return Outcome<Values>::failed(errorText(query));
    }
    static std::string errorText(const QSqlQuery& query);
    static std::string errorText(const QSqlError& error);
};

// The parties' numbers joined for the history, "1, 2, 5".
std::string joinedNumbers(const std::vector<std::string>& numbers);

}  // namespace orvan::journal
