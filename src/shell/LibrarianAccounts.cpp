#include "shell/LibrarianAccounts.h"

#include "db/Connection.h"
#include "shell/PasswordHash.h"

namespace zentar::shell::accounts {

LoginResult login(db::Connection& db, const QString& code, const QString& password)
{
    LoginResult result;
    if (db.scalar(QStringLiteral("select count(*) from kvtaros")).toLongLong() == 0) {
        result.outcome = LoginResult::Outcome::NoLibrarians;
        return result;
    }
    const QList<QVariantMap> candidates =
        db.rows(QStringLiteral("select nev, kod, jelszo, jogkod from kvtaros where kod = ?"), {code});
    QList<QVariantMap> matching;
    for (const QVariantMap& row : candidates) {
        if (password::matches(password, row.value(QStringLiteral("jelszo")).toString()))
            matching << row;
    }
    if (matching.size() != 1)
        return result;
    const QVariantMap& row = matching.first();
    const QString stored = row.value(QStringLiteral("jelszo")).toString();
    if (!password::isHash(stored)) {
        // Typed into the table by hand: keep it no longer in plain text.
        db.exec(QStringLiteral("update kvtaros set jelszo = ? where kod = ? and jelszo = ?"),
                {password::hash(password), row.value(QStringLiteral("kod")), stored});
    }
    result.outcome = LoginResult::Outcome::Success;
    result.name = row.value(QStringLiteral("nev")).toString();
    result.code = row.value(QStringLiteral("kod")).toString();
    result.rights = row.value(QStringLiteral("jogkod")).toString();
    result.weakPassword = password.size() < kSafePasswordLength;
    return result;
}

bool codeTaken(db::Connection& db, const QString& code, const QString& ownCode)
{
    if (!ownCode.isEmpty())
        return db.scalar(QStringLiteral("select kod from kvtaros where kod = ? and kod <> ?"), {code, ownCode}).isValid();
    return db.scalar(QStringLiteral("select kod from kvtaros where kod = ?"), {code}).isValid();
}

QString rightsString(const std::array<bool, kRightsCount>& ticked)
{
    QString rights;
    for (bool on : ticked)
        rights += on ? QLatin1Char('1') : QLatin1Char('0');
    return rights;
}

bool hasRight(const QString& rights, int index)
{
    return index >= 0 && index < rights.size() && rights.at(index) == QLatin1Char('1');
}

QStringList newPasswordProblems(const QString& newPassword, const QString& repeated, const QString& code)
{
    const QString invalid = QStringLiteral("Érvénytelen jelszó!\n");
    QStringList problems;
    if (newPassword != repeated)
        problems << invalid + QStringLiteral("A két jelszó nem egyezik");
    if (newPassword.size() < kMinPasswordLength)
        problems << invalid + QStringLiteral("A jelszónak legalább 5 karakter hosszúnak kell lennie!");
    if (newPassword == code)
        problems << invalid + QStringLiteral("A jelszó nem egyezhet meg az azonosítójával!");
    return problems;
}

bool changePassword(db::Connection& db, const QString& code, const QString& oldPassword, const QString& newPassword)
{
    const QVariant stored = db.scalar(QStringLiteral("select jelszo from kvtaros where kod = ?"), {code});
    if (!stored.isValid() || !password::matches(oldPassword, stored.toString()))
        return false;
    db.exec(QStringLiteral("update kvtaros set jelszo = ? where kod = ?"), {password::hash(newPassword), code});
    return true;
}

} // namespace zentar::shell::accounts
