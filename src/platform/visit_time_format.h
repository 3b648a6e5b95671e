#pragma once

// The stored text of a link's last visit, which the window shows and the bookmark formats of
// today's browsers carry as a time stamp.

#include <QDateTime>

#include <string>

namespace tarnlink {

// The stored form, "yyyy-MM-dd HH:mm:ss" whatever the locale; texts written in the usual
// Windows locales are read as well.
std::string FormatVisitTime(const QDateTime& time);
// Throws ConversionError for a text that is no date and time. Read as UTC, conversions of many
// texts do without the C library's look-up of the local zone for each.
QDateTime ParseVisitTime(const std::string& visited, Qt::TimeSpec zone = Qt::LocalTime);

} // namespace tarnlink
