#pragma once

// The time of a link's last visit: its stored text and how the status bar tells it.

#include "platform/visit_time_format.h"

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

// "No", the stored text (NoChange), or "<count> <unit> back".
QString VisitText(const std::string& visited, const VisitTimeOptions& options, const QDateTime& now);

} // namespace tarnlink
