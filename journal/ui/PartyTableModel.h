#pragma once
// The parties of one mix as table rows (date, party, extracts, mean strength) over a query the
// view fetches from as it scrolls: a journal of 100,000 parties is never loaded whole.
#include <QSqlQueryModel>

namespace orvan::journal {
class Journal;
}

class PartyTableModel : public QSqlQueryModel {
    Q_OBJECT
public:
    enum Column { Id, Date, Number, Extracts, Mean, ColumnCount };

    explicit PartyTableModel(QObject* parent = nullptr) : QSqlQueryModel(parent) {}

    // Shows the parties of `mixId` dated from `from` to `to` (ISO days; "" is open).
    void show(const orvan::journal::Journal* journal, long long mixId, const QString& from,
              const QString& to);
    void refresh();
    long long partyId(int row) const;

    void sort(int column, Qt::SortOrder order) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const orvan::journal::Journal* journal_ = nullptr;
    long long mixId_ = 0;
    QString from_, to_;
    int sortColumn_ = Date;
    Qt::SortOrder order_ = Qt::AscendingOrder;
};
