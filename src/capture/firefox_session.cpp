#include "firefox_session.h"

#include "platform/mozlz4.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarnlink {

namespace {

// Folders that hold one folder per profile, relative to the home folder.
const char* const kProfileRoots[] = {
    ".mozilla/firefox",
    "snap/firefox/common/.mozilla/firefox",
    ".var/app/org.mozilla.firefox/.mozilla/firefox",
};

constexpr const char* kSessionFile = "sessionstore-backups/recovery.jsonlz4";

// The element a 1-based position names; the first when the position is missing or out of range.
QJsonObject chosen(const QJsonArray& items, const QJsonValue& position)
{
    const qsizetype index = position.toInteger() - 1;
    if (index >= 0 && index < items.size())
        return items[index].toObject();
    return items.isEmpty() ? QJsonObject() : items.first().toObject();
}

} // namespace

std::optional<BrowserPage> SelectedSessionPage(const QByteArray& json)
{
    const QJsonObject session = QJsonDocument::fromJson(json).object();
    const QJsonObject window = chosen(session[QLatin1String("windows")].toArray(), session[QLatin1String("selectedWindow")]);
    const QJsonObject tab = chosen(window[QLatin1String("tabs")].toArray(), window[QLatin1String("selected")]);
    const QJsonArray entries = tab[QLatin1String("entries")].toArray();
    if (entries.isEmpty())
        return std::nullopt;
    // "index" is the 1-based current entry; without it, or out of range, the newest is current.
    qint64 current = tab[QLatin1String("index")].toInteger();
    if (current < 1 || current > entries.size())
        current = entries.size();
    const QJsonObject entry = entries[current - 1].toObject();
    const QString address = entry[QLatin1String("url")].toString();
    if (address.isEmpty())
        return std::nullopt;
    return BrowserPage{address, entry[QLatin1String("title")].toString()};
}

QString NewestSessionFile(const QString& home)
{
    QString newest;
    QDateTime newestTime;
    for (const char* root : kProfileRoots) {
        const QDir profiles(home + u'/' + QLatin1String(root));
        for (const QString& profile : profiles.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QFileInfo file(profiles.filePath(profile) + u'/' + QLatin1String(kSessionFile));
            if (file.isFile() && (newest.isEmpty() || file.lastModified() > newestTime)) {
                newest = file.filePath();
                newestTime = file.lastModified();
            }
        }
    }
    return newest;
}

QString FirefoxSessionSource::currentPage()
{
    const QString file = NewestSessionFile(home_);
    if (file.isEmpty())
        return {};
    const std::optional<QByteArray> json = ReadMozLz4File(file);
    const std::optional<BrowserPage> page = json ? SelectedSessionPage(*json) : std::nullopt;
    return page ? PageAnswer(page->address, page->title) : QString();
}

} // namespace tarnlink
