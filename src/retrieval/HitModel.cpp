#include "retrieval/HitModel.h"

#include "db/DateText.h"

namespace zentar::retrieval {

void HitModel::setHits(HitList hits, QList<GridColumn> columns)
{
    beginResetModel();
    hits_ = std::move(hits);
    columns_ = std::move(columns);
    endResetModel();
}

void HitModel::clear()
{
    beginResetModel();
    hits_ = HitList();
    columns_.clear();
    endResetModel();
}

int HitModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : hits_.count();
}

int HitModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(hits_.columns.size());
}

QVariant HitModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QVariant value = hits_.rows.at(index.row()).value(index.column());
    if (value.metaType().id() == QMetaType::QDate)
        return db::datetext::display(value.toDate());
    return value.isNull() ? QVariant() : QVariant(value.toString());
}

QVariant HitModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < columns_.size())
        return columns_.at(section).caption;
    return hits_.columns.value(section).toUpper();
}

} // namespace zentar::retrieval
