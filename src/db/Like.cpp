#include "db/Like.h"

namespace zentar::db {

namespace {
QString prepared(const QString& text, int maxLength)
{
    QString lowered = text.toLower();
    if (maxLength >= 0)
        lowered.truncate(maxLength);
    return lowered;
}
} // namespace

QString likePrefix(const QString& text, int maxLength)
{
    return prepared(text, maxLength) + QLatin1Char('%');
}

QString likeSubstring(const QString& text, int maxLength)
{
    return QLatin1Char('%') + prepared(text, maxLength) + QLatin1Char('%');
}

} // namespace zentar::db
