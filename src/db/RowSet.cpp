#include "db/RowSet.h"

#include <QSqlRecord>

namespace zentar::db {

QStringList namedParameters(const QString& sql)
{
    QStringList names;
    bool inQuote = false;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'')) {
            inQuote = !inQuote;
            continue;
        }
        if (inQuote || c != QLatin1Char(':'))
            continue;
        int end = i + 1;
        while (end < sql.size() && (sql.at(end).isLetterOrNumber() || sql.at(end) == QLatin1Char('_')))
            ++end;
        if (end > i + 1) {
            const QString name = sql.mid(i + 1, end - i - 1);
            if (!names.contains(name))
                names << name;
            i = end - 1;
        }
    }
    return names;
}

RowSet::RowSet(Connection& connection, QObject* parent) : QObject(parent), connection_(connection) {}

void RowSet::setSelect(const QString& sql, const Params& params)
{
    selectSql_ = sql;
    selectParams_ = params;
}

void RowSet::load()
{
    QSqlQuery query = connection_.exec(selectSql_, selectParams_);
    columns_.clear();
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        columns_ << record.fieldName(i).toLower();
    rows_.clear();
    while (query.next())
        rows_ << rowToMap(query);
    open_ = true;
}

void RowSet::open()
{
    cancel();
    load();
    current_ = rows_.isEmpty() ? -1 : 0;
    emit reloaded();
    emit currentChanged(current_);
}

void RowSet::refresh()
{
    cancel();
    const int old = current_;
    load();
    current_ = rows_.isEmpty() ? -1 : qBound(0, old, count() - 1);
    emit reloaded();
    emit currentChanged(current_);
}

bool RowSet::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return false;
    if (isEditing())
        cancel();
    if (index != current_) {
        current_ = index;
        emit currentChanged(current_);
    }
    return true;
}

bool RowSet::next()
{
    return current_ + 1 < count() && setCurrentIndex(current_ + 1);
}

bool RowSet::previous()
{
    return current_ > 0 && setCurrentIndex(current_ - 1);
}

QVariant RowSet::value(const QString& column) const
{
    const QString key = column.toLower();
    if (isEditing())
        return buffer_.value(key);
    if (current_ < 0 || current_ >= count())
        return {};
    return rows_.at(current_).value(key);
}

QVariant RowSet::valueAt(int row, const QString& column) const
{
    if (row < 0 || row >= count())
        return {};
    return rows_.at(row).value(column.toLower());
}

void RowSet::append()
{
    if (isEditing())
        cancel();
    buffer_.clear();
    for (const QString& column : columns_)
        buffer_.insert(column, QVariant());
    setState(State::Insert);
    setModified(false);
}

void RowSet::edit()
{
    if (isEditing() || current_ < 0)
        return;
    buffer_ = rows_.at(current_);
    setState(State::Edit);
    setModified(false);
}

void RowSet::setValue(const QString& column, const QVariant& value)
{
    if (!isEditing())
        edit();
    if (!isEditing())
        throw DbError(QStringLiteral("Nincs aktuális rekord."));
    const QString key = column.toLower();
    if (buffer_.contains(key) && buffer_.value(key) == value && buffer_.value(key).isNull() == value.isNull())
        return;
    buffer_.insert(key, value);
    setModified(true);
    emit valueChanged(key);
}

void RowSet::execWrite(const QString& sql, const QVariantMap& values, const QVariantMap& old)
{
    NamedParams params;
    for (const QString& name : namedParameters(sql)) {
        if (name.startsWith(QLatin1String("old_"), Qt::CaseInsensitive))
            params.insert(name, old.value(name.mid(4).toLower()));
        else
            params.insert(name, values.value(name.toLower()));
    }
    connection_.execNamed(sql, params);
}

void RowSet::apply()
{
    if (state_ == State::Insert) {
        if (insertSql_.isEmpty())
            throw DbError(QStringLiteral("Ehhez az adathalmazhoz nincs beszúró utasítás."));
        execWrite(insertSql_, buffer_, {});
        rows_ << buffer_;
        current_ = count() - 1;
    } else if (state_ == State::Edit) {
        if (updateSql_.isEmpty())
            throw DbError(QStringLiteral("Ehhez az adathalmazhoz nincs módosító utasítás."));
        execWrite(updateSql_, buffer_, rows_.at(current_));
        rows_[current_] = buffer_;
    } else {
        return;
    }
    buffer_.clear();
    setState(State::Browse);
    setModified(false);
    emit currentChanged(current_);
}

void RowSet::cancel()
{
    if (!isEditing())
        return;
    buffer_.clear();
    setState(State::Browse);
    setModified(false);
    emit currentChanged(current_);
}

void RowSet::remove()
{
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (current_ < 0)
        return;
    if (deleteSql_.isEmpty())
        throw DbError(QStringLiteral("Ehhez az adathalmazhoz nincs törlő utasítás."));
    const QVariantMap row = rows_.at(current_);
    execWrite(deleteSql_, row, row);
    rows_.removeAt(current_);
    if (current_ >= count())
        current_ = count() - 1;
    emit currentChanged(current_);
}

void RowSet::setState(State state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged(state_);
}

void RowSet::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}

} // namespace zentar::db
