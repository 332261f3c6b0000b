#include "journal/ui/PartyTableModel.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "journal/Journal.h"

void PartyTableModel::show(const orvan::journal::Journal* journal, long long mixId,
                           const QString& from, const QString& to) {
    journal_ = journal, mixId_ = mixId, from_ = from, to_ = to;
    refresh();
}

void PartyTableModel::refresh() {
    if (!journal_) {
        clear();
        return;
    }
    // The extracts in their order as one text; SQLite and PostgreSQL name the aggregate apart.
    const QString extracts =
        journal_->isPostgres()
            ? "(SELECT string_agg(strength_text, '; ' ORDER BY position) FROM extracts "
              "WHERE party_id = p.id)"
            : "(SELECT group_concat(strength_text, '; ') FROM (SELECT strength_text FROM "
              "extracts WHERE party_id = p.id ORDER BY position))";
    // Party numbers in their natural order: "9" before "13".
    static const char* const kOrder[] = {"p.id", "p.party_date", "LENGTH(p.number) %1, p.number",
                                         "LENGTH(p.number) %1, p.number", "mean"};
    const QString direction = order_ == Qt::AscendingOrder ? " ASC" : " DESC";
    QSqlQuery query(journal_->database());
    query.setForwardOnly(false);
    query.prepare("SELECT p.id, p.party_date, p.number, " + extracts +
                  ", (SELECT AVG(strength) FROM extracts WHERE party_id = p.id) AS mean "
                  "FROM parties p WHERE p.mix_id = ? AND (? = '' OR p.party_date >= ?) "
                  "AND (? = '' OR p.party_date <= ?) ORDER BY " +
                  QString(kOrder[sortColumn_]).replace("%1", direction) + direction + ", p.id" +
                  direction);
    // An empty text, never a null one: NULL = '' would hide every party.
    const QString from = from_.isEmpty() ? QString("") : from_;
    const QString to = to_.isEmpty() ? QString("") : to_;
    for (const QVariant& value :
         {QVariant(mixId_), QVariant(from), QVariant(from), QVariant(to), QVariant(to)})
        query.addBindValue(value);
    query.exec();
    setQuery(std::move(query));
}

long long PartyTableModel::partyId(int row) const {
    return QSqlQueryModel::data(index(row, Id)).toLongLong();
}

void PartyTableModel::sort(int column, Qt::SortOrder order) {
    if (column <= Id || column >= ColumnCount) return;
    sortColumn_ = column, order_ = order;
    refresh();
}

QVariant PartyTableModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole && index.column() == Mean) {
        const QVariant mean = QSqlQueryModel::data(index, role);
        return mean.isNull() ? QVariant() : QVariant(QString::number(mean.toDouble(), 'f', 2));
    }
    return QSqlQueryModel::data(index, role);
}

QVariant PartyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QSqlQueryModel::headerData(section, orientation, role);
    static const char* const kCaptions[] = {"", "Date", "Party", "Extracts, MPa",
                                            "Mean strength, MPa"};
    return section >= 0 && section < ColumnCount
               ? QCoreApplication::translate("JournalWindow", kCaptions[section])
               : QVariant();
}
