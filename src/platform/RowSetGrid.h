#pragma once

#include "db/RowSet.h"
#include "platform/Report.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QPushButton;
class QTableView;

namespace zentar::platform {

class AppContext;

// A column of a grid over a row set.
struct GridColumn {
    GridColumn(QString f, QString t, int w = 120) : field(std::move(f)), title(std::move(t)), width(w) {}
    GridColumn& numeric(bool n = true) { isNumeric = n; return *this; }
    GridColumn& maxLength(int n) { length = n; return *this; }
    GridColumn& readOnly(bool r = true) { isReadOnly = r; return *this; }

    QString field; // lower-case column of the row set
    QString title;
    int width = 120; // pixels
    bool isNumeric = false; // whole numbers only; empty is null
    int length = 0; // at most this many characters (0: no limit)
    bool isReadOnly = false;
};

// The rows of a row set as a table; the row being inserted shows as an extra last row.
class RowSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RowSetModel(db::RowSet& rows, QList<GridColumn> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    const QList<GridColumn>& gridColumns() const { return columns_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // The row of the grid being edited (-1 while browsing).
    int editingRow() const;
    // The text a cell shows.
    QString text(int row, int column) const;
    // Set when a value is refused; the grid shows it.
    std::function<void(const QString&)> onRefused;
    // Posting the edited row before another row is edited.
    std::function<bool()> onPost;

private:
    db::RowSet& rows_;
    QList<GridColumn> columns_;
    bool readOnly_ = false;
};

// An editable grid over a row set with a navigator bar. Leaving an edited row saves it, as
// "Mentés" does; errors are shown through the dialogs facade and keep the row in editing.
class RowSetGrid : public QWidget {
    Q_OBJECT
public:
    enum class Action { First, Previous, Next, Last, Append, Delete, Save, Cancel, Print, Preview };

    RowSetGrid(AppContext& context, db::RowSet& rows, QList<GridColumn> columns, QWidget* parent = nullptr);

    // Adds a navigator button; objectName "btn<Action>" unless given.
    QPushButton* addButton(Action action, const QString& caption, const QString& objectName = {});
    // Asks the shared delete confirmation before deleting.
    void setConfirmDelete(bool confirm) { confirmDelete_ = confirm; }
    void setReadOnly(bool readOnly);
    // Called before a row is written (a new row's key, defaults); may throw db::DbError.
    void setBeforeSave(std::function<void(db::RowSet&)> hook) { beforeSave_ = std::move(hook); }
    // The print title of the grid.
    void setTitle(const QString& title) { title_ = title; }

    QTableView* view() const { return view_; }
    RowSetModel* model() const { return model_; }
    db::RowSet& rowSet() const { return rows_; }

    bool run(Action action);
    bool save();
    void append();
    bool remove();
    report::Document printDocument() const;

private:
    void syncSelection();
    void currentRowChanged(int row);

    AppContext& context_;
    db::RowSet& rows_;
    RowSetModel* model_;
    QTableView* view_;
    QHBoxLayout* bar_;
    bool confirmDelete_ = false;
    bool syncing_ = false;
    QString title_;
    std::function<void(db::RowSet&)> beforeSave_;
};

} // namespace zentar::platform
