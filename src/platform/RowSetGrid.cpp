#include "platform/RowSetGrid.h"

#include "db/DbError.h"
#include "platform/AppContext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zentar::platform {

RowSetModel::RowSetModel(db::RowSet& rows, QList<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), columns_(std::move(columns))
{
    auto cachedCount = std::make_shared<int>(rowCount());
    auto refresh = [this, cachedCount] {
        const int count = rowCount();
        if (count != *cachedCount) {
            beginResetModel();
            *cachedCount = count;
            endResetModel();
        } else if (count > 0) {
            emit dataChanged(index(0, 0), index(count - 1, columnCount() - 1));
        }
    };
    connect(&rows_, &db::RowSet::reloaded, this, [this, cachedCount] {
        beginResetModel();
        *cachedCount = rowCount();
        endResetModel();
    });
    connect(&rows_, &db::RowSet::stateChanged, this, refresh);
    connect(&rows_, &db::RowSet::currentChanged, this, refresh);
    connect(&rows_, &db::RowSet::valueChanged, this, [this] {
        const int row = editingRow();
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

int RowSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return rows_.count() + (rows_.state() == db::RowSet::State::Insert ? 1 : 0);
}

int RowSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

int RowSetModel::editingRow() const
{
    switch (rows_.state()) {
    case db::RowSet::State::Insert: return rows_.count();
    case db::RowSet::State::Edit: return rows_.currentIndex();
    default: return -1;
    }
}

QString RowSetModel::text(int row, int column) const
{
    return data(index(row, column), Qt::DisplayRole).toString();
}

QVariant RowSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::TextAlignmentRole))
        return {};
    const GridColumn& column = columns_.at(index.column());
    if (role == Qt::TextAlignmentRole)
        return column.isNumeric ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    const QVariant value = index.row() == editingRow() ? rows_.value(column.field) : rows_.valueAt(index.row(), column.field);
    if (value.isNull())
        return QString();
    return report::formatValue(value);
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < columns_.size() ? columns_.at(section).title : QString();
    return section == editingRow() ? QStringLiteral("*") : QString();
}

Qt::ItemFlags RowSetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !readOnly_ && !columns_.at(index.column()).isReadOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RowSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const GridColumn& column = columns_.at(index.column());
    QString text = value.toString().trimmed();
    QVariant stored;
    if (column.isNumeric) {
        if (!text.isEmpty()) {
            bool ok = false;
            const qlonglong n = text.toLongLong(&ok);
            if (!ok) {
                if (onRefused)
                    onRefused(QStringLiteral("Ide csak egész szám írható: %1").arg(text));
                return false;
            }
            stored = n;
        }
    } else {
        text = value.toString();
        if (column.length > 0)
            text = text.left(column.length);
        if (!text.isEmpty())
            stored = text;
    }
    const int row = index.row();
    if (rows_.isEditing() && row != editingRow()) {
        if (!onPost || !onPost())
            return false;
    }
    if (!rows_.isEditing() && row != rows_.currentIndex())
        rows_.setCurrentIndex(row);
    const QVariant old = row == editingRow() ? rows_.value(column.field) : rows_.valueAt(row, column.field);
    if (old.isNull() == stored.isNull() && report::formatValue(old) == report::formatValue(stored))
        return true;
    rows_.setValue(column.field, stored);
    return true;
}

// ---------------------------------------------------------------------------------------------

RowSetGrid::RowSetGrid(AppContext& context, db::RowSet& rows, QList<GridColumn> columns, QWidget* parent)
    : QWidget(parent), context_(context), rows_(rows)
{
    model_ = new RowSetModel(rows, std::move(columns), this);
    model_->onRefused = [this](const QString& text) { context_.dialogs.warning(text); };
    model_->onPost = [this] { return save(); };
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("grid"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->verticalHeader()->setDefaultSectionSize(22);
    view_->verticalHeader()->setFixedWidth(18);
    view_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (int c = 0; c < model_->gridColumns().size(); ++c)
        view_->setColumnWidth(c, model_->gridColumns().at(c).width);
    view_->horizontalHeader()->setStretchLastSection(true);

    bar_ = new QHBoxLayout;
    bar_->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar_);
    layout->addWidget(view_, 1);
    bar_->addStretch();

    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { currentRowChanged(current.row()); });
    connect(&rows_, &db::RowSet::currentChanged, this, &RowSetGrid::syncSelection);
    connect(&rows_, &db::RowSet::reloaded, this, &RowSetGrid::syncSelection);
    connect(&rows_, &db::RowSet::stateChanged, this, &RowSetGrid::syncSelection);
}

QPushButton* RowSetGrid::addButton(Action action, const QString& caption, const QString& objectName)
{
    static const char* names[] = {"btnFirst", "btnPrevious", "btnNext", "btnLast", "btnAppend",
                                  "btnDelete", "btnSave", "btnCancel", "btnPrint", "btnPreview"};
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName.isEmpty() ? QLatin1String(names[int(action)]) : objectName);
    button->setAutoDefault(false);
    bar_->insertWidget(bar_->count() - 1, button);
    connect(button, &QPushButton::clicked, this, [this, action] { run(action); });
    return button;
}

void RowSetGrid::setReadOnly(bool readOnly)
{
    model_->setReadOnly(readOnly);
}

bool RowSetGrid::run(Action action)
{
    view_->setFocus(); // closes an open cell editor, committing its text
    switch (action) {
    case Action::First:
    case Action::Previous:
    case Action::Next:
    case Action::Last: {
        if (rows_.isEditing() && rows_.isModified() && !save())
            return false;
        if (action == Action::First)
            return rows_.first();
        if (action == Action::Last)
            return rows_.last();
        return action == Action::Next ? rows_.next() : rows_.previous();
    }
    case Action::Append:
        append();
        return true;
    case Action::Delete: return remove();
    case Action::Save: return save();
    case Action::Cancel: rows_.cancel(); return true;
    case Action::Print: return context_.printer().print(printDocument(), true);
    case Action::Preview: context_.printer().preview(printDocument()); return true;
    }
    return false;
}

bool RowSetGrid::save()
{
    if (!rows_.isEditing())
        return true;
    try {
        if (beforeSave_)
            beforeSave_(rows_);
        rows_.apply();
        return true;
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
        return false;
    }
}

void RowSetGrid::append()
{
    if (rows_.isEditing() && rows_.isModified() && !save())
        return;
    rows_.append();
    const QModelIndex cell = model_->index(model_->editingRow(), 0);
    view_->setCurrentIndex(cell);
    view_->scrollTo(cell);
}

bool RowSetGrid::remove()
{
    if (rows_.state() == db::RowSet::State::Insert) {
        rows_.cancel();
        return true;
    }
    if (rows_.currentIndex() < 0)
        return false;
    if (confirmDelete_ && !context_.dialogs.confirmDelete())
        return false;
    try {
        rows_.remove();
        return true;
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
        return false;
    }
}

report::Document RowSetGrid::printDocument() const
{
    QStringList headings;
    for (const GridColumn& c : model_->gridColumns())
        headings << c.title;
    QList<QStringList> cells;
    for (int r = 0; r < model_->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model_->columnCount(); ++c)
            row << model_->text(r, c);
        cells << row;
    }
    return report::grid(headings, cells, title_);
}

void RowSetGrid::syncSelection()
{
    if (syncing_)
        return;
    const int row = rows_.isEditing() ? model_->editingRow() : rows_.currentIndex();
    if (row < 0 || row == view_->currentIndex().row())
        return;
    syncing_ = true;
    view_->setCurrentIndex(model_->index(row, std::max(0, view_->currentIndex().column())));
    syncing_ = false;
}

void RowSetGrid::currentRowChanged(int row)
{
    if (syncing_ || row < 0)
        return;
    if (rows_.isEditing() && row != model_->editingRow()) {
        const bool ok = rows_.isModified() ? save() : (rows_.cancel(), true);
        if (!ok) {
            syncing_ = true;
            view_->setCurrentIndex(model_->index(model_->editingRow(), 0));
            syncing_ = false;
            return;
        }
    }
    if (!rows_.isEditing() && row < rows_.count())
        rows_.setCurrentIndex(row);
}

} // namespace zentar::platform
