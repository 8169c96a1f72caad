#pragma once

#include <QString>
#include <stdexcept>

namespace zentar::db {

// A failing statement or connection: carries the database engine's own message,
// which windows show to the user unchanged, and the statement that failed.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message, const QString& statement = {})
        : std::runtime_error(message.toStdString()), message_(message), statement_(statement) {}

    const QString& message() const { return message_; }
    const QString& statement() const { return statement_; }

private:
    QString message_;
    QString statement_;
};

} // namespace zentar::db
