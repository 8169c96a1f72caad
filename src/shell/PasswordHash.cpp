#include "shell/PasswordHash.h"

#include <QByteArray>
#include <QStringList>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <stdexcept>

namespace zentar::shell::password {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;

QByteArray derive(const QString& password, const QByteArray& salt, int iterations, int keyBytes)
{
    const QByteArray secret = password.toUtf8();
    QByteArray key(keyBytes, '\0');
    if (PKCS5_PBKDF2_HMAC(secret.constData(), int(secret.size()),
                          reinterpret_cast<const unsigned char*>(salt.constData()), int(salt.size()), iterations,
                          EVP_sha256(), keyBytes, reinterpret_cast<unsigned char*>(key.data()))
        != 1)
        throw std::runtime_error("PBKDF2 failed");
    return key;
}

} // namespace

QString hash(const QString& password)
{
    QByteArray salt(kSaltBytes, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), kSaltBytes) != 1)
        throw std::runtime_error("no random bytes for the password salt");
    const QByteArray key = derive(password, salt, kIterations, kKeyBytes);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(kScheme)
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(key.toBase64()));
}

bool isHash(const QString& stored)
{
    return stored.startsWith(kScheme + QLatin1Char('$')) && stored.count(QLatin1Char('$')) == 3;
}

bool matches(const QString& password, const QString& stored)
{
    if (stored.isEmpty())
        return false;
    if (!isHash(stored))
        return password == stored;
    const QStringList parts = stored.split(QLatin1Char('$'));
    bool ok = false;
    const int iterations = parts.at(1).toInt(&ok);
    const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts.at(3).toLatin1());
    if (!ok || iterations <= 0 || salt.isEmpty() || expected.isEmpty() || expected.size() > 64)
        return false;
    const QByteArray key = derive(password, salt, iterations, int(expected.size()));
    return CRYPTO_memcmp(key.constData(), expected.constData(), size_t(key.size())) == 0;
}

} // namespace zentar::shell::password
