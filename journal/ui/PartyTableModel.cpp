#include "journal/ui/PartyTableModel.h"

#include <QCoreApplication>

namespace jrn = orvan::journal;

namespace {
// Rows read at a time: a screenful or two, so that scrolling reads little at once.
constexpr int kPage = 256;
}  // namespace

bool PartyTableModel::show(const jrn::Journal* journal, long long mixId, const QString& from,
                           const QString& to) {
    journal_ = journal;
    filter_.mixId = mixId;
    filter_.from = from.toStdString();
    filter_.to = to.toStdString();
    return refresh();
}

bool PartyTableModel::refresh() {
    error_.clear();
    if (!journal_) {
        beginResetModel();
        rows_.clear(), total_ = 0;
        endResetModel();
        return true;
    }
    const auto count = journal_->countParties(filter_);
    if (!count.ok()) {
        error_ = count.message;  // the rows shown stay as they were
        return false;
    }
    const auto first = journal_->partyRows(filter_, 0, kPage);
    if (!first.ok()) {
        error_ = first.message;
        return false;
    }
    beginResetModel();
    total_ = count.values;
    rows_ = first.values;
    endResetModel();
    return true;
}

long long PartyTableModel::partyId(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row].id : 0;
}

int PartyTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PartyTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

bool PartyTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && journal_ && static_cast<long long>(rows_.size()) < total_;
}

void PartyTableModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    const auto more = journal_->partyRows(filter_, static_cast<long long>(rows_.size()), kPage);
    if (!more.ok() || more.values.empty()) {
        error_ = more.ok() ? std::string() : more.message;
        total_ = static_cast<long long>(rows_.size());  // no endless asking
        return;
    }
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(more.values.size()) - 1);
    rows_.insert(rows_.end(), more.values.begin(), more.values.end());
    endInsertRows();
}

void PartyTableModel::sort(int column, Qt::SortOrder order) {
    if (column <= Id || column >= ColumnCount) return;
    filter_.order = column == Date   ? jrn::PartyOrder::Date
                    : column == Mean ? jrn::PartyOrder::Mean
                                     : jrn::PartyOrder::Number;
    filter_.descending = order == Qt::DescendingOrder;
    refresh();
}

QVariant PartyTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const jrn::PartyRow& row = rows_[index.row()];
    switch (index.column()) {
        case Id:
            return row.id;
        case Date:
            return QString::fromStdString(row.date);
        case Number:
            return QString::fromStdString(row.number);
        case Extracts:
            return QString::fromStdString(row.extracts);
        case Mean:
            return row.mean ? QVariant(QString::number(*row.mean, 'f', 2)) : QVariant();
    }
    return {};
}

QVariant PartyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kCaptions[] = {"", "Date", "Party", "Extracts, MPa",
                                            "Mean strength, MPa"};
    return section >= 0 && section < ColumnCount
               ? QCoreApplication::translate("JournalWindow", kCaptions[section])
               : QVariant();
}
