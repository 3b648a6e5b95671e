#include "firefox_session.h"

#include "json_skim.h"
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
QByteArrayView chosen(const std::vector<QByteArrayView>& items, QByteArrayView position)
{
    const qlonglong index = position.toLongLong() - 1;
    if (index >= 0 && index < qlonglong(items.size()))
        return items[size_t(index)];
    return items.empty() ? QByteArrayView() : items.front();
}

} // namespace

std::optional<BrowserPage> SelectedSessionPage(const QByteArray& json)
{
    // A session of many tabs is tens of megabytes; only the one tab needed is parsed as a whole,
    // the rest is skimmed (and so still checked for structure).
    const auto session = jsonskim::members(json);
    const auto windows = session ? jsonskim::elements(jsonskim::find(*session, "windows")) : std::nullopt;
    const auto window = windows ? jsonskim::members(chosen(*windows, jsonskim::find(*session, "selectedWindow")))
                                : std::nullopt;
    const auto tabs = window ? jsonskim::elements(jsonskim::find(*window, "tabs")) : std::nullopt;
    if (!tabs)
        return std::nullopt;
    const QByteArrayView tabText = chosen(*tabs, jsonskim::find(*window, "selected"));
    const QJsonObject tab = QJsonDocument::fromJson(tabText.toByteArray()).object();
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
