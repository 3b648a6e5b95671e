#include "settings/favorites_links.h"

#include "settings/ini_file.h"
#include "settings/text_file.h"
#include "platform/home_folder.h"

#include <QFile>
#include <QFileInfo>

namespace tarnlink {

namespace {

constexpr char kHeaderStart[] = "Favorites links for Tarnlink, ";
constexpr char kHeader[] = "Favorites links for Tarnlink, https://tarnlink.example/";
constexpr char kUnticked = ';';

// A name or address holding a line break would shift every pair after it.
QByteArray oneLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line.toUtf8();
}

} // namespace

QString FavoritesLinksPath()
{
    return homeFolder() + u'/' + QLatin1String(kFavoritesFileName);
}

FavoritesFile ReadFavoritesLinks(const QByteArray& bytes)
{
    FavoritesFile file;
    if (bytes.contains('\0'))
        file.state = FavoritesFileState::Damaged;
    const QStringList lines = splitTextLines(bytes); // without a byte order mark
    if (!lines.isEmpty() && !lines.first().startsWith(QLatin1String(kHeaderStart)))
        file.state = FavoritesFileState::Foreign;
    file.links.reserve(lines.size() / 2);
    for (qsizetype i = 1; i < lines.size(); i += 2) {
        FavoriteLink link;
        const QString& name = lines[i];
        link.ticked = !name.startsWith(QLatin1Char(kUnticked));
        link.name = link.ticked ? name : name.mid(1);
        link.address = lines.value(i + 1);
        file.links.append(link);
    }
    return file;
}

QByteArray FavoritesLinksBytes(const QList<FavoriteLink>& links)
{
    QByteArray bytes;
    bytes.reserve(64 + links.size() * 64);
    const auto line = [&bytes](const QByteArray& text) {
        bytes += text;
        bytes += "\r\n";
    };
    line(kHeader);
    for (const FavoriteLink& link : links) {
        line(link.ticked ? oneLine(link.name) : kUnticked + oneLine(link.name));
        line(oneLine(link.address));
    }
    return bytes;
}

FavoritesFile LoadFavoritesLinks(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {{}, FavoritesFileState::Missing};
    QFile device(path);
    if (!device.open(QIODevice::ReadOnly))
        return {{}, FavoritesFileState::Damaged};
    QByteArray bytes = device.read(kMaxTextFileBytes);
    const bool cut = !device.atEnd() || device.error() != QFileDevice::NoError;
    if (cut) {
        // The last line read may be incomplete.
        bytes.truncate(std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r')) + 1);
    }
    FavoritesFile file = ReadFavoritesLinks(bytes);
    if (cut && file.state == FavoritesFileState::Sound)
        file.state = FavoritesFileState::Damaged;
    return file;
}

void SaveFavoritesLinks(const QString& path, const QList<FavoriteLink>& links)
{
    SaveSettingsFile(path, FavoritesLinksBytes(links));
}

} // namespace tarnlink
