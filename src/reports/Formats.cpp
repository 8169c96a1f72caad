#include "reports/Formats.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

namespace zentar::reports {

QString decimalText(double value)
{
    if (!std::isfinite(value))
        return {};
    // 15 significant digits hide the binary noise of sums (0.1 + 0.2 is "0,3"); 'f' keeps large
    // amounts out of exponent notation.
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        text = QString::number(value, 'f', 2);
        while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString priceText(const QVariant& value)
{
    if (value.isNull())
        return {};
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok && d > 0 ? decimalText(d) : QString();
}

QString positiveInteger(const QVariant& value)
{
    if (value.isNull())
        return {};
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    return ok && n > 0 ? QString::number(n) : QString();
}

QString shortYearDate(const QVariant& value)
{
    QDate date = value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
    return date.isValid() ? date.toString(QStringLiteral("yy.MM.dd")) : QString();
}

} // namespace zentar::reports
