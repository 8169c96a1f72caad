#pragma once

#include <QString>

namespace zentar::shell::password {

// Librarians' passwords are stored as salted PBKDF2-HMAC-SHA256 hashes in one text:
// "pbkdf2-sha256$<iterations>$<salt, base64>$<key, base64>" (at most 100 characters).
inline constexpr int kIterations = 600000;

// A new hash of `password` with a fresh random salt.
QString hash(const QString& password);
// Whether a stored value is one of our hashes (anything else is a password typed into the
// table by hand, in plain text).
bool isHash(const QString& stored);
// Whether `password` matches the stored value: a hash is checked by deriving the key again,
// a plain-text value by comparing the texts. A null or empty stored value matches nothing.
bool matches(const QString& password, const QString& stored);

} // namespace zentar::shell::password
