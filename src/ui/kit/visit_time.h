#pragma once

// The time of a link's last visit: its stored text and how the status bar tells it.

#include <QDateTime>
#include <QString>

#include <string>

namespace tarnlink {

// The unit of the time since the visit: the options' radio buttons InSec ... NoChange.
enum class VisitUnit { Seconds, Minutes, Hours, Days, Months, Auto, NoChange };

struct VisitTimeOptions {
    VisitUnit unit = VisitUnit::Auto;
    bool date = true; // with NoChange: show the stored date
    bool time = false; // with NoChange: show the stored time
};

// The stored form, "yyyy-MM-dd HH:mm:ss" whatever the locale; texts written in the usual
// Windows locales are read as well.
std::string FormatVisitTime(const QDateTime& time);
// Throws ConversionError for a text that is no date and time.
QDateTime ParseVisitTime(const std::string& visited);

// "No", the stored text (NoChange), or "<count> <unit> back".
QString VisitText(const std::string& visited, const VisitTimeOptions& options, const QDateTime& now);

} // namespace tarnlink
