#include "visit_time_format.h"

#include "codepage.h"

#include "model/errors.h"

#include <QLocale>
#include <QRegularExpression>

#include <optional>
#include <string_view>

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

// The date and the time a stored visit text gives. Throws ConversionError.
std::pair<QDate, QTime> partsOf(const std::string& visited)
{
    const size_t first = visited.find_first_not_of(' ');
    const size_t last = visited.find_last_not_of(' ');
    if (first != std::string::npos)
        if (const auto stored = ParseFixedDateTime(std::string_view(visited).substr(first, last - first + 1), "dddd-dd-dd dd:dd:dd"))
            return *stored;
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
    return {time.date(), time.time()};
}

} // namespace

std::string FormatVisitTime(const QDateTime& time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    if (date.year() < 1000 || date.year() > 9999)
        return codepage::fromDisplay(QLocale::c().toString(time, QLatin1String(kStoredFormat)));
    // Digits put in place: imports write one such text for each of many links.
    std::string text = "0000-00-00 00:00:00";
    const auto put = [&text](size_t end, int value) {
        for (size_t at = end; value > 0; value /= 10)
            text[--at] = char('0' + value % 10);
    };
    put(4, date.year());
    put(7, date.month());
    put(10, date.day());
    put(13, clock.hour());
    put(16, clock.minute());
    put(19, clock.second());
    return text;
}

std::optional<std::pair<QDate, QTime>> ParseFixedDateTime(std::string_view text, std::string_view pattern)
{
    if (text.size() != pattern.size())
        return std::nullopt;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] == 'd' ? text[i] < '0' || text[i] > '9' : text[i] != pattern[i])
            return std::nullopt;
    const auto number = [&](size_t at, size_t digits) {
        int n = 0;
        for (size_t i = at; i < at + digits; ++i)
            n = n * 10 + (text[i] - '0');
        return n;
    };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return std::pair(date, time);
}

QDateTime ParseVisitTime(const std::string& visited, Qt::TimeSpec zone)
{
    const auto [date, time] = partsOf(visited);
    return QDateTime(date, time, zone);
}

} // namespace tarnlink
