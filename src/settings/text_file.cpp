#include "text_file.h"

#include "model/text_lines.h"
#include "platform/codepage.h"

#include <string_view>

namespace tarnlink {

QStringList splitTextLines(const QByteArray& bytes)
{
    QStringList lines;
    for (const std::string_view line : TextLines(std::string_view(bytes.constData(), size_t(bytes.size()))))
        lines.append(codepage::toDisplay(line));
    return lines;
}

std::optional<QByteArray> readSmallFile(const QString& path)
{
    return ReadUserFileIfAny(path, kMaxTextFileBytes);
}

std::optional<QStringList> readTextFileLines(const QString& path)
{
    const auto bytes = readSmallFile(path);
    return bytes ? std::optional<QStringList>(splitTextLines(*bytes)) : std::nullopt;
}

} // namespace tarnlink
