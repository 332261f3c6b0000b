#include "journal/ui/PartyTableModel.h"

#include <QCoreApplication>
#include <QFont>
#include <algorithm>

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
        rows_.clear(), ages_.clear(), total_ = 0;
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
    const auto ages = journal_->otherAges(filter_.mixId);
    if (!ages.ok()) {
        error_ = ages.message;
        return false;
    }
    beginResetModel();
    total_ = count.values;
    rows_ = first.values;
    ages_ = ages.values;
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
    return parent.isValid() ? 0 : FixedColumns + static_cast<int>(ages_.size());
}

void PartyTableModel::setPredicted(std::map<std::string, double> predicted) {
    predicted_ = std::move(predicted);
    if (!rows_.empty()) emit dataChanged(index(0, Mean), index(rowCount() - 1, Mean));
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
    if (column <= Id || column >= FixedColumns) return;
    filter_.order = column == Date   ? jrn::PartyOrder::Date
                    : column == Mean ? jrn::PartyOrder::Mean
                                     : jrn::PartyOrder::Number;
    filter_.descending = order == Qt::DescendingOrder;
    refresh();
}

long long PartyTableModel::resultCount(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    // Each age's strengths are kept as one text, "24; 25; 27".
    auto count = [](const std::string& text) {
        return text.empty() ? 0 : 1 + std::count(text.begin(), text.end(), ';');
    };
    const jrn::PartyRow& party = rows_[static_cast<std::size_t>(row)];
    long long results = count(party.extracts);
    for (const auto& [age, text] : party.otherAges) results += count(text);
    return results;
}

QVariant PartyTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const jrn::PartyRow& row = rows_[index.row()];
    const auto predicted = row.mean ? predicted_.end() : predicted_.find(row.number);
    if (role == Qt::FontRole && index.column() == Mean && predicted != predicted_.end()) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role != Qt::DisplayRole) return {};
    if (index.column() >= FixedColumns) {
        const int age = ages_.at(index.column() - FixedColumns);
        for (const auto& [rowAge, text] : row.otherAges)
            if (rowAge == age) return QString::fromStdString(text);
        return {};
    }
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
            if (row.mean) return QString::number(*row.mean, 'f', 2);
            if (predicted != predicted_.end())
                return QCoreApplication::translate("JournalWindow", "%1 (predicted)")
                    .arg(QString::number(predicted->second, 'f', 2));
            return {};
        case Design:
            return QString::fromStdString(row.design);
    }
    return {};
}

QVariant PartyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kCaptions[] = {"",
                                            "Date",
                                            "Party",
                                            "Extracts, MPa",
                                            "Mean strength, MPa",
                                            QT_TRANSLATE_NOOP("JournalWindow", "Design")};
    if (section >= FixedColumns && section < columnCount())
        return QCoreApplication::translate("JournalWindow", "%1-day extracts, MPa")
            .arg(ages_[section - FixedColumns]);
    return section >= 0 && section < FixedColumns
               ? QCoreApplication::translate("JournalWindow", kCaptions[section])
               : QVariant();
}
