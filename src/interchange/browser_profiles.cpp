#include "browser_profiles.h"

#include "model/text_lines.h"
#include "platform/file_access.h"

#include <QDir>
#include <QFileInfo>

namespace tarnlink {

namespace {

struct FirefoxFolder {
    const char* path; // below the home folder, holding profiles.ini
    const char* browser;
};

const FirefoxFolder kFirefoxFolders[] = {
    {".mozilla/firefox", "Firefox"},
    {"snap/firefox/common/.mozilla/firefox", "Firefox (snap)"},
    {".var/app/org.mozilla.firefox/.mozilla/firefox", "Firefox (flatpak)"},
};

// Browsers whose folder name says little.
const std::pair<const char*, const char*> kChromiumNames[] = {
    {"google-chrome", "Google Chrome"},   {"google-chrome-beta", "Google Chrome Beta"},
    {"google-chrome-unstable", "Google Chrome Dev"}, {"chromium", "Chromium"},
    {"BraveSoftware/Brave-Browser", "Brave"}, {"microsoft-edge", "Microsoft Edge"},
    {"vivaldi", "Vivaldi"},               {"opera", "Opera"},
};

struct IniProfile {
    QString name;
    QString path;
    bool relative = true;
};

// The [Profile...] sections of profiles.ini, in the file's order.
std::vector<IniProfile> iniProfiles(const QString& file)
{
    const std::optional<QByteArray> text = ReadUserFileIfAny(file, kMaxTextFileBytes);
    if (!text)
        return {};
    std::vector<IniProfile> profiles;
    bool inProfile = false;
    for (const std::string_view line : TextLines(std::string_view(text->constData(), size_t(text->size())))) {
        const QString entry = QString::fromUtf8(line.data(), qsizetype(line.size())).trimmed();
        if (entry.startsWith(u'[')) {
            inProfile = entry.startsWith(QLatin1String("[Profile"), Qt::CaseInsensitive);
            if (inProfile)
                profiles.emplace_back();
            continue;
        }
        const qsizetype equals = entry.indexOf(u'=');
        if (!inProfile || equals < 0)
            continue;
        const QString key = entry.left(equals).trimmed();
        const QString value = entry.mid(equals + 1).trimmed();
        if (key.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            profiles.back().name = value;
        else if (key.compare(QLatin1String("Path"), Qt::CaseInsensitive) == 0)
            profiles.back().path = value;
        else if (key.compare(QLatin1String("IsRelative"), Qt::CaseInsensitive) == 0)
            profiles.back().relative = value != QLatin1String("0");
    }
    return profiles;
}

// The newest backup by its name, which begins with its date.
QString newestBackup(const QString& profile)
{
    const QDir backups(profile + QStringLiteral("/bookmarkbackups"));
    const QStringList found = backups.entryList({QStringLiteral("bookmarks-*.jsonlz4"), QStringLiteral("bookmarks-*.json")},
                                                QDir::Files, QDir::Name | QDir::Reversed);
    return found.isEmpty() ? QString() : backups.filePath(found.constFirst());
}

void findFirefox(const QString& home, std::vector<BrowserProfile>& found)
{
    for (const FirefoxFolder& folder : kFirefoxFolders) {
        const QDir root(home + u'/' + QLatin1String(folder.path));
        for (const IniProfile& profile : iniProfiles(root.filePath(QStringLiteral("profiles.ini")))) {
            if (profile.path.isEmpty())
                continue;
            const QString backup = newestBackup(profile.relative ? root.filePath(profile.path) : profile.path);
            if (!backup.isEmpty())
                found.push_back({BookmarkFormat::Firefox,
                                 QLatin1String(folder.browser) + QStringLiteral(" - ") + profile.name, backup});
        }
    }
}

QString chromiumBrowser(const QString& folder)
{
    for (const auto& [path, name] : kChromiumNames)
        if (folder == QLatin1String(path))
            return QLatin1String(name);
    return folder;
}

// A browser's folder: its own Bookmarks (Opera keeps one there) and those of its profiles.
void findChromiumProfiles(const QDir& data, const QString& browser, std::vector<BrowserProfile>& found)
{
    if (QFileInfo(data.filePath(QStringLiteral("Bookmarks"))).isFile())
        found.push_back({BookmarkFormat::Chromium, browser, data.filePath(QStringLiteral("Bookmarks"))});
    for (const QString& profile : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString file = data.filePath(profile + QStringLiteral("/Bookmarks"));
        if (QFileInfo(file).isFile())
            found.push_back({BookmarkFormat::Chromium, browser + QStringLiteral(" - ") + profile, file});
    }
}

// Browsers' folders one or two levels below a folder of settings (~/.config, or a package's).
void findChromium(const QDir& config, const QString& package, std::vector<BrowserProfile>& found)
{
    const auto isBrowserData = [](const QDir& folder) { return QFileInfo(folder.filePath(QStringLiteral("Local State"))).isFile(); };
    for (const QString& vendor : config.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        const QDir first(config.filePath(vendor));
        if (isBrowserData(first)) {
            findChromiumProfiles(first, chromiumBrowser(vendor) + package, found);
            continue;
        }
        for (const QString& product : first.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDir second(first.filePath(product));
            if (isBrowserData(second))
                findChromiumProfiles(second, chromiumBrowser(vendor + u'/' + product) + package, found);
        }
    }
}

// The folders of settings of the snap and flatpak packages.
void findPackagedChromium(const QString& home, std::vector<BrowserProfile>& found)
{
    const QDir snaps(home + QStringLiteral("/snap"));
    for (const QString& snap : snaps.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (snap != QLatin1String("firefox"))
            findChromium(QDir(snaps.filePath(snap + QStringLiteral("/common"))), QStringLiteral(" (snap)"), found);
    const QDir flatpaks(home + QStringLiteral("/.var/app"));
    for (const QString& app : flatpaks.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        findChromium(QDir(flatpaks.filePath(app + QStringLiteral("/config"))), QStringLiteral(" (flatpak)"), found);
}

} // namespace

std::vector<BrowserProfile> FindBrowserProfiles(const QString& home)
{
    std::vector<BrowserProfile> found;
    findFirefox(home, found);
    findChromium(QDir(home + QStringLiteral("/.config")), {}, found);
    findPackagedChromium(home, found);
    return found;
}

} // namespace tarnlink
