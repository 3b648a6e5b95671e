#pragma once

// The stored text of a link's last visit, which the window shows and the bookmark formats of
// today's browsers carry as a time stamp.

#include <QDateTime>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tarnlink {

// The stored form, "yyyy-MM-dd HH:mm:ss" whatever the locale; texts written in the usual
// Windows locales are read as well.
std::string FormatVisitTime(const QDateTime& time);
// A date and time written digit by digit, read directly: imports and exports of many links read
// one each, and the locale's general parser is slow. The pattern has a 'd' for each ASCII digit,
// the year at 0, month at 5, day at 8, hours at 11, minutes at 14, seconds at 17; every other
// character must stand as it is. Nothing for any other text or an invalid date or time.
std::optional<std::pair<QDate, QTime>> ParseFixedDateTime(std::string_view text, std::string_view pattern);

// Throws ConversionError for a text that is no date and time. Read as UTC, conversions of many
// texts do without the C library's look-up of the local zone for each.
QDateTime ParseVisitTime(const std::string& visited, Qt::TimeSpec zone = Qt::LocalTime);

} // namespace tarnlink
