#pragma once

// The one source of the current date and time, so tests can set it.

#include <QDateTime>

namespace tarnlink {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    // The clock in use; the system clock unless a test installed another.
    static const Clock& current();
    static void install(const Clock* clock); // nullptr restores the system clock
};

// A clock that shows a set time, for tests.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime time) : time_(std::move(time)) {}
    QDateTime now() const override { return time_; }
    void set(QDateTime time) { time_ = std::move(time); }

private:
    QDateTime time_;
};

} // namespace tarnlink
