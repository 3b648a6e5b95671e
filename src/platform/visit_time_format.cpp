#include "visit_time_format.h"

#include "codepage.h"

#include "model/errors.h"

#include <QLocale>
#include <QRegularExpression>

namespace tarnlink {

namespace {

// The stored form does not follow the desktop's locale: a text written under one locale must
// parse under any other, and its date part must hold no blank (the "Do not change" display
// splits date and time at the first blank).
constexpr const char* kStoredFormat = "yyyy-MM-dd HH:mm:ss";

// The locale's short date and long time, as the program wrote them on Windows, without a zone.
QString localeFormat()
{
    const QLocale locale = QLocale::system();
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') + time.trimmed();
}

// Texts written by other builds of the program in the usual locales.
const char* const kOtherFormats[] = {
    "dd.MM.yyyy H:mm:ss", "d.M.yyyy H:mm:ss", "M/d/yyyy h:mm:ss AP", "d/M/yyyy H:mm:ss",
    "M/d/yyyy H:mm:ss",
};

} // namespace

std::string FormatVisitTime(const QDateTime& time)
{
    return codepage::fromDisplay(QLocale::c().toString(time, QLatin1String(kStoredFormat)));
}

QDateTime ParseVisitTime(const std::string& visited)
{
    const QString text = codepage::toDisplay(visited).trimmed();
    QDateTime time = QLocale::c().toDateTime(text, QLatin1String(kStoredFormat));
    if (!time.isValid())
        time = QLocale::system().toDateTime(text, localeFormat());
    for (const char* format : kOtherFormats) {
        if (time.isValid())
            break;
        time = QLocale::c().toDateTime(text, QLatin1String(format));
    }
    if (!time.isValid())
        throw ConversionError("'" + visited + "' is not a valid date and time");
    return time;
}

} // namespace tarnlink
