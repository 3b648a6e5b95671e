#include "ui/kit/visit_time.h"

#include "platform/codepage.h"
#include "ui/kit/translate.h"

namespace tarnlink {

QString VisitText(const std::string& visited, const VisitTimeOptions& options, const QDateTime& now)
{
    if (visited.empty())
        return Translate("No");
    if (options.unit == VisitUnit::NoChange) {
        const size_t blank = visited.find(' ');
        std::string shown;
        if (options.date && options.time)
            shown = visited;
        else if (options.date)
            shown = blank == std::string::npos ? std::string() : visited.substr(0, blank + 1);
        else if (options.time)
            shown = blank == std::string::npos ? visited : visited.substr(blank);
        return codepage::toDisplay(shown);
    }

    // Each count is the number of unit boundaries passed, not a rounded duration.
    const QDateTime v = ParseVisitTime(visited);
    const QDate vd = v.date(), nd = now.date();
    const QTime vt = v.time(), nt = now.time();
    const qint64 months = qint64(nd.year() - vd.year()) * 12 + nd.month() - vd.month();
    const qint64 days = vd.daysTo(nd);
    const qint64 hours = days * 24 + nt.hour() - vt.hour();
    const qint64 minutes = hours * 60 + nt.minute() - vt.minute();
    const qint64 seconds = minutes * 60 + nt.second() - vt.second();

    qint64 count = 0;
    const char* unit = "";
    switch (options.unit) {
    case VisitUnit::Seconds: count = seconds, unit = "sec"; break;
    case VisitUnit::Minutes: count = minutes, unit = "min"; break;
    case VisitUnit::Hours: count = hours, unit = "h"; break;
    case VisitUnit::Days: count = days, unit = "d"; break;
    case VisitUnit::Months: count = months, unit = "m"; break;
    default:
        if (seconds < 60)
            count = seconds, unit = "sec";
        else if (minutes < 60)
            count = minutes, unit = "min";
        else if (hours < 24)
            count = hours, unit = "h";
        else if (days < 31)
            count = days, unit = "d";
        else
            count = months, unit = "m";
    }
    return QString::number(count) + QLatin1Char(' ') + Translate(unit) + QLatin1Char(' ') + Translate("back");
}

} // namespace tarnlink
