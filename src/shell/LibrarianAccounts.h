#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <array>

namespace zentar::db {
class Connection;
}

namespace zentar::shell {

// The rules of logging in, recording librarians and changing passwords, over table `kvtaros`.
// Codes and passwords only ever reach SQL as bound parameters; passwords are stored hashed
// (PasswordHash.h). A row whose password was typed into the table by hand in plain text is
// accepted once at login and its password replaced by a hash at that moment.
namespace accounts {

inline constexpr int kRightsCount = 10;
// Below this length a login still succeeds but the librarian is told to change the password.
inline constexpr int kSafePasswordLength = 7;
inline constexpr int kMinPasswordLength = 5;

struct LoginResult {
    enum class Outcome { NoLibrarians, Success, Failure };
    Outcome outcome = Outcome::Failure;
    QString name;
    QString code;
    QString rights;
    bool weakPassword = false; // shorter than kSafePasswordLength
};

// The librarian table is empty, the code and password match exactly one row, or neither.
LoginResult login(db::Connection& db, const QString& code, const QString& password);

// Whether a librarian other than the one whose code was `ownCode` already has `code`.
bool codeTaken(db::Connection& db, const QString& code, const QString& ownCode = {});

// "1" for a ticked box, "0" for the others, in the order of the ten menus.
QString rightsString(const std::array<bool, kRightsCount>& ticked);
// Character N is '1'; a missing position counts as '0'.
bool hasRight(const QString& rights, int index);

// The messages of the failed checks of a new password, in order (each on two lines).
QStringList newPasswordProblems(const QString& newPassword, const QString& repeated, const QString& code);

// Replaces the logged-in librarian's password when `oldPassword` is the current one.
// Returns false (and writes nothing) when it is not, or there is no such librarian.
bool changePassword(db::Connection& db, const QString& code, const QString& oldPassword, const QString& newPassword);

} // namespace accounts
} // namespace zentar::shell
