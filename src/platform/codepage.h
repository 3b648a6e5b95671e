#pragma once

// Node strings are bytes. Text that is valid UTF-8 (the system code page) is read as UTF-8;
// anything else is taken as Windows-1252, the code page of files written on Windows.

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace tarnlink::codepage {

QString toDisplay(std::string_view bytes);
std::string fromDisplay(const QString& text);

// Case mapping and trimming by Unicode rules; the result keeps the input's encoding.
std::string upper(std::string_view bytes);
std::string lower(std::string_view bytes);
std::string trimmed(std::string_view bytes);

// The "OEM" code page of text exports: CP437. Characters it lacks become '?'.
QByteArray toOem(const QString& text);
QString fromOem(const QByteArray& bytes);

// Windows-1252 both ways; characters it lacks become '?'.
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(std::string_view bytes);

} // namespace tarnlink::codepage
