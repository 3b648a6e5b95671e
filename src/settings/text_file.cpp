#include "text_file.h"

#include "model/text_lines.h"
#include "platform/codepage.h"

#include <QFile>

#include <string_view>

namespace tarnlink {

QStringList splitTextLines(const QByteArray& bytes)
{
    QStringList lines;
    for (const std::string_view line : SplitTextLines(std::string_view(bytes.constData(), size_t(bytes.size()))))
        lines.append(codepage::toDisplay(line));
    return lines;
}

std::optional<QByteArray> readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (bytes.size() > kMaxTextFileBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QStringList> readTextFileLines(const QString& path)
{
    const auto bytes = readSmallFile(path);
    return bytes ? std::optional<QStringList>(splitTextLines(*bytes)) : std::nullopt;
}

} // namespace tarnlink
