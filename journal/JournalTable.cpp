// The journal window's table of parties, read a page at a time.
#include <QSqlQuery>
#include <QVariant>

#include "journal/Storage.h"

namespace orvan::journal {

namespace {

// The parties of the filter; `select` names the columns. An empty text, never a null one,
// is bound for an open end: NULL = '' would hide every party.
QSqlQuery filtered(const Journal& journal, const QString& select, const QString& tail,
                   const PartyFilter& filter) {
    return Storage::prepared(journal,
                             select +
                                 " FROM parties p WHERE p.mix_id = ? AND (? = '' OR p.party_date "
                                 ">= ?) AND (? = '' OR p.party_date <= ?)" +
                                 tail,
                             {filter.mixId, sqlText(filter.from), sqlText(filter.from),
                              sqlText(filter.to), sqlText(filter.to)});
}

// The ORDER BY of the filter: party numbers in their natural order ("9" before "13"); only
// fixed texts are chosen here, every value is bound.
QString orderBy(const PartyFilter& filter) {
    const QString direction = filter.descending ? " DESC" : " ASC";
    QString key;
    switch (filter.order) {
        case PartyOrder::Date:
            key = "p.party_date" + direction;
            break;
        case PartyOrder::Number:
            key = "LENGTH(p.number)" + direction + ", p.number" + direction;
            break;
        case PartyOrder::Mean:
            key = "mean" + direction;
            break;
    }
    return " ORDER BY " + key + ", p.id" + direction;
}

}  // namespace

Outcome<long long> Journal::countParties(const PartyFilter& filter) const {
    QSqlQuery query = filtered(*this, "SELECT COUNT(*)", "", filter);
    if (!query.exec() || !query.next()) return Storage::failed<long long>(query);
    return Outcome<long long>::done(query.value(0).toLongLong());
}

Outcome<std::vector<PartyRow>> Journal::partyRows(const PartyFilter& filter, long long offset,
                                                  int limit) const {
    // The extracts in their order as one text; SQLite and PostgreSQL name the aggregate apart.
    const QString extracts =
        postgres_ ? "(SELECT string_agg(strength_text, '; ' ORDER BY position) FROM extracts "
                    "WHERE party_id = p.id AND age = 28)"
                  : "(SELECT group_concat(strength_text, '; ') FROM (SELECT strength_text FROM "
                    "extracts WHERE party_id = p.id AND age = 28 ORDER BY position))";
    QSqlQuery query = filtered(*this,
                               "SELECT p.id, p.party_date, p.number, " + extracts +
                                   ", (SELECT AVG(strength) FROM extracts WHERE party_id = p.id "
                                   "AND age = 28) AS mean, p.design",
                               orderBy(filter) + " LIMIT ? OFFSET ?", filter);
    query.addBindValue(limit);
    query.addBindValue(offset);
    if (!query.exec()) return Storage::failed<std::vector<PartyRow>>(query);
    std::vector<PartyRow> rows;
    while (query.next()) {
        PartyRow row{query.value(0).toLongLong(), textOf(query.value(1)), textOf(query.value(2)),
                     textOf(query.value(3)),      std::nullopt,           {},
                     textOf(query.value(5))};
        if (!query.value(4).isNull()) row.mean = query.value(4).toDouble();
        rows.push_back(std::move(row));
    }
    // The results at other ages, a party at a time: a page is a few hundred parties.
    QSqlQuery ages = Storage::prepared(*this,
                                       "SELECT age, strength_text FROM extracts WHERE party_id = ? "
                                       "AND age <> 28 ORDER BY age, position");
    for (PartyRow& row : rows) {
        ages.bindValue(0, row.id);
        if (!ages.exec()) return Storage::failed<std::vector<PartyRow>>(ages);
        while (ages.next()) {
            const int age = ages.value(0).toInt();
            const std::string text = textOf(ages.value(1));
            if (row.otherAges.empty() || row.otherAges.back().first != age)
                row.otherAges.push_back({age, text});
            else
                row.otherAges.back().second += "; " + text;
        }
    }
    return Outcome<std::vector<PartyRow>>::done(std::move(rows));
}

Outcome<std::vector<int>> Journal::otherAges(long long mixId) const {
    QSqlQuery query = Storage::prepared(*this,
                                        "SELECT DISTINCT e.age FROM extracts e JOIN parties p ON "
                                        "p.id = e.party_id WHERE p.mix_id = ? AND e.age <> 28 "
                                        "ORDER BY e.age",
                                        {mixId});
    if (!query.exec()) return Storage::failed<std::vector<int>>(query);
    std::vector<int> ages;
    while (query.next()) ages.push_back(query.value(0).toInt());
    return Outcome<std::vector<int>>::done(std::move(ages));
}

}  // namespace orvan::journal
