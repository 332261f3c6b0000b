#pragma once
// The parties of one mix as table rows (date, party, extracts, mean strength, design, then a
// column of extracts for each other test age the mix holds), read from the journal a page at
// a time as the view scrolls: a journal of 100,000 parties is never loaded whole. A read that
// fails leaves the rows shown and says why (lastError). A party without its 28-day results
// shows its predicted strength in the mean's column, marked as predicted.
#include <QAbstractTableModel>
#include <map>
#include <string>
#include <vector>

#include "journal/Journal.h"

class PartyTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Id, Date, Number, Extracts, Mean, Design, FixedColumns };

    explicit PartyTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the parties of `mixId` dated from `from` to `to` (ISO days; "" is open); no
    // journal: no rows. False when the journal could not be read (lastError says why).
    bool show(const orvan::journal::Journal* journal, long long mixId, const QString& from,
              const QString& to);
    bool refresh();
    long long partyId(int row) const;
    // The party's results at every age: what goes with it when it is deleted.
    long long resultCount(int row) const;
    // The predicted 28-day strengths by party number (MPa), shown where no 28-day result is.
    void setPredicted(std::map<std::string, double> predicted);
    const std::vector<int>& otherAges() const { return ages_; }
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
    std::vector<int> ages_;  // the columns after the fixed ones
    std::map<std::string, double> predicted_;
    std::string error_;
};
