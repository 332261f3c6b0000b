#pragma once
// The parties of one mix as table rows (date, party, extracts, mean strength), read from the
// journal a page at a time as the view scrolls: a journal of 100,000 parties is never loaded
// whole. A read that fails leaves the rows shown and says why (lastError).
#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "journal/Journal.h"

class PartyTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Id, Date, Number, Extracts, Mean, ColumnCount };

    explicit PartyTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the parties of `mixId` dated from `from` to `to` (ISO days; "" is open); no
    // journal: no rows. False when the journal could not be read (lastError says why).
    bool show(const orvan::journal::Journal* journal, long long mixId, const QString& from,
              const QString& to);
    bool refresh();
    long long partyId(int row) const;
    const std::string& lastError() const { return error_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;
    void sort(int column, Qt::SortOrder order) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const orvan::journal::Journal* journal_ = nullptr;
    orvan::journal::PartyFilter filter_;
    long long total_ = 0;
    std::vector<orvan::journal::PartyRow> rows_;
    std::string error_;
};
