#pragma once

#include "retrieval/CatalogueQuery.h"

#include <QAbstractTableModel>

namespace zentar::retrieval {

// The hit list as a read-only table: the rows of the last statement under the grid's captions.
class HitModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setHits(HitList hits, QList<GridColumn> columns);
    void clear();
    const HitList& hits() const { return hits_; }
    const QList<GridColumn>& gridColumns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    HitList hits_;
    QList<GridColumn> columns_;
};

} // namespace zentar::retrieval
