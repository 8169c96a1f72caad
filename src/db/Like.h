#pragma once

#include <QString>

namespace zentar::db {

// Patterns for "lower(column) like ?": the typed text lower-cased, cut to `maxLength` characters
// when a caller asks (a negative length keeps it whole), then "%" appended (prefix) or put on
// both sides (substring). The user's own "%" and "_" keep working as wildcards.
QString likePrefix(const QString& text, int maxLength = -1);
QString likeSubstring(const QString& text, int maxLength = -1);

} // namespace zentar::db
