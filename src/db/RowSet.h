#pragma once

#include "db/Connection.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace zentar::db {

// The rows of one select, a current row, and the insert / update / delete statements that write
// them back. Statements name their parameters after columns (":nev") and old values as
// ":old_<column>" (the row as it was read), so an update can change a key. Every apply commits
// at once (unless the connection is inside a Transaction).
//
//   RowSet readers(db);
//   readers.setSelect("select * from kvtaros where lower(nev) like ? order by nev", {likePrefix(text)});
//   readers.setUpdateSql("update kvtaros set kod=:kod, nev=:nev where kod=:old_kod");
//   readers.open();
//   readers.setValue("kod", "NEW");   // starts editing the current row
//   readers.apply();
class RowSet : public QObject {
    Q_OBJECT
public:
    enum class State { Browse, Insert, Edit };

    explicit RowSet(Connection& connection, QObject* parent = nullptr);

    void setSelect(const QString& sql, const Params& params = {});
    void setInsertSql(const QString& sql) { insertSql_ = sql; }
    void setUpdateSql(const QString& sql) { updateSql_ = sql; }
    void setDeleteSql(const QString& sql) { deleteSql_ = sql; }

    // Runs the select; the first row becomes current (or none when empty).
    void open();
    // Runs the select again and keeps the current position where it can.
    void refresh();
    bool isOpen() const { return open_; }

    int count() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int currentIndex() const { return current_; }
    bool setCurrentIndex(int index);
    bool first() { return setCurrentIndex(0); }
    bool last() { return setCurrentIndex(count() - 1); }
    bool next();
    bool previous();
    bool atFirst() const { return current_ <= 0; }
    bool atLast() const { return current_ >= count() - 1; }

    // Columns of the select, lower case, in order (known after open()).
    const QStringList& columns() const { return columns_; }
    // The current row's value (the edit buffer while inserting or editing).
    QVariant value(const QString& column) const;
    QVariant valueAt(int row, const QString& column) const;
    const QVariantMap& rowAt(int row) const { return rows_.at(row); }

    State state() const { return state_; }
    bool isEditing() const { return state_ != State::Browse; }
    bool isModified() const { return modified_; }

    // Starts a new row (every column null); apply() inserts it after the last row.
    void append();
    // Starts editing the current row. Does nothing while already inserting or editing.
    void edit();
    // Sets a value of the edit buffer; on a browsed current row it starts editing first.
    void setValue(const QString& column, const QVariant& value);
    // Writes the buffer with the insert or update statement; back to browsing.
    void apply();
    // Drops the buffer; back to browsing.
    void cancel();
    // Deletes the current row with the delete statement.
    void remove();

signals:
    void currentChanged(int index);
    void stateChanged(zentar::db::RowSet::State state);
    void valueChanged(const QString& column);
    void modifiedChanged(bool modified);
    void reloaded();

private:
    void load();
    void execWrite(const QString& sql, const QVariantMap& values, const QVariantMap& old);
    void setState(State state);
    void setModified(bool modified);

    Connection& connection_;
    QString selectSql_;
    Params selectParams_;
    QString insertSql_;
    QString updateSql_;
    QString deleteSql_;
    QStringList columns_;
    QList<QVariantMap> rows_;
    QVariantMap buffer_;
    int current_ = -1;
    State state_ = State::Browse;
    bool modified_ = false;
    bool open_ = false;
};

// The names of a statement's ":name" parameters, in order of first appearance (quotes skipped).
QStringList namedParameters(const QString& sql);

} // namespace zentar::db
