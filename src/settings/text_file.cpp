#include "text_file.h"

#include "platform/codepage.h"

#include <QFile>

#include <string_view>

namespace tarnlink {

QStringList splitTextLines(const QByteArray& bytes)
{
    std::string_view text(bytes.constData(), size_t(bytes.size()));
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);

    QStringList lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.append(codepage::toDisplay(text.substr(start)));
            break;
        }
        lines.append(codepage::toDisplay(text.substr(start, end - start)));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
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
