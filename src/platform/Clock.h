#pragma once

#include <QDate>
#include <QDateTime>

namespace zentar::platform {

// The program's idea of "today": the workstation's date, or a fixed date in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const { return QDate::currentDate(); }
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(const QDate& date, const QTime& time = QTime(10, 0)) : now_(date, time) {}
    QDate today() const override { return now_.date(); }
    QDateTime now() const override { return now_; }
    void set(const QDate& date) { now_.setDate(date); }

private:
    QDateTime now_;
};

} // namespace zentar::platform
