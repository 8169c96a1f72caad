#include "db/DateText.h"

#include <QRegularExpression>

namespace zentar::db {

namespace datetext {

QString display(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy.MM.dd.")) : QString();
}

QString compact(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy.MM.dd")) : QString();
}

QDate parse(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{4})[.\-/]\s*(\d{1,2})[.\-/]\s*(\d{1,2})\.?\s*$)"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

QString displayIfAfter(const QDate& date, const QDate& sentinel)
{
    return date.isValid() && date > sentinel ? display(date) : QString();
}

} // namespace datetext

DateRange monthRange(int year, int month)
{
    const QDate from(year, month, 1);
    return {from, from.addMonths(1)};
}

DateRange yearRange(int year)
{
    return {QDate(year, 1, 1), QDate(year + 1, 1, 1)};
}

} // namespace zentar::db
