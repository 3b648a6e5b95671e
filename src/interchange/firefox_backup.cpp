#include "firefox_backup.h"

#include "json_bookmarks.h"

#include "platform/mozlz4.h"

#include <QJsonArray>

namespace tarnlink {

namespace {

enum class EntryKind { Place, Container, Separator, Other };

EntryKind kindOf(const QJsonObject& entry)
{
    const QString type = entry.value(QLatin1String("type")).toString();
    if (type == QLatin1String("text/x-moz-place"))
        return EntryKind::Place;
    if (type == QLatin1String("text/x-moz-place-container"))
        return EntryKind::Container;
    if (type == QLatin1String("text/x-moz-place-separator"))
        return EntryKind::Separator;
    switch (entry.value(QLatin1String("typeCode")).toInt()) {
    case 1: return EntryKind::Place;
    case 2: return EntryKind::Container;
    case 3: return EntryKind::Separator;
    default: return EntryKind::Other;
    }
}

bool isPlacesRoot(const QJsonObject& entry)
{
    return entry.value(QLatin1String("root")).toString() == QLatin1String("placesRoot")
           || entry.value(QLatin1String("guid")).toString() == QLatin1String("root________");
}

// The name of a root by what it holds; nothing for the tags root; the title for another one.
std::optional<std::string> rootName(const QJsonObject& root, const RootFolderNames& names)
{
    const QString kind = root.value(QLatin1String("root")).toString();
    const QString guid = root.value(QLatin1String("guid")).toString();
    const auto is = [&](const char* rootKind, const char* rootGuid) {
        return kind == QLatin1String(rootKind) || guid == QLatin1String(rootGuid);
    };
    if (is("bookmarksMenuFolder", "menu________"))
        return names.menu;
    if (is("toolbarFolder", "toolbar_____"))
        return names.toolbar;
    if (is("unfiledBookmarksFolder", "unfiled_____"))
        return names.other;
    if (is("mobileFolder", "mobile______"))
        return names.mobile;
    if (is("tagsFolder", "tags________"))
        return std::nullopt;
    return TextOf(root.value(QLatin1String("title")));
}

// Older backups keep a description as an annotation.
std::string descriptionOf(const QJsonObject& entry)
{
    for (const QJsonValue annotation : entry.value(QLatin1String("annos")).toArray()) {
        const QJsonObject a = annotation.toObject();
        if (a.value(QLatin1String("name")).toString() == QLatin1String("bookmarkProperties/description"))
            return DescriptionFromText(TextOf(a.value(QLatin1String("value"))));
    }
    return {};
}

// Microseconds since 1970.
std::string visitOf(const QJsonValue& microseconds)
{
    return VisitFromUnixSeconds(qint64(microseconds.toDouble() / 1e6));
}

class BackupReader {
public:
    BackupReader(ImportEvents& events, const RootFolderNames& names) : events_(events), names_(names) {}

    void read(const QJsonObject& top)
    {
        if (isPlacesRoot(top)) {
            for (const QJsonValue root : top.value(QLatin1String("children")).toArray())
                this->root(root.toObject());
        } else if (kindOf(top) != EntryKind::Other) {
            walk(top);
        } else {
            throw ImportError("The file is not a Firefox bookmark backup");
        }
    }

private:
    // Roots that hold nothing are left out, and so are the tags.
    void root(const QJsonObject& root)
    {
        if (kindOf(root) != EntryKind::Container) {
            walk(root);
            return;
        }
        const QJsonArray children = root.value(QLatin1String("children")).toArray();
        const std::optional<std::string> name = rootName(root, names_);
        if (!name || children.isEmpty())
            return;
        ReportFolder(events_, *name, descriptionOf(root));
        walkBelow(children);
    }

    // An entry and everything below it.
    void walk(const QJsonObject& top)
    {
        if (const std::optional<QJsonArray> children = entry(top))
            walkBelow(*children);
    }

    void walkBelow(const QJsonArray& children)
    {
        WalkJsonEntries(children, events_, [this](const QJsonObject& e) { return entry(e); });
        events_.OnFolderEnd();
    }

    std::optional<QJsonArray> entry(const QJsonObject& entry)
    {
        switch (kindOf(entry)) {
        case EntryKind::Place:
            ReportBookmark(events_, {TextOf(entry.value(QLatin1String("title"))), TextOf(entry.value(QLatin1String("uri"))),
                                     descriptionOf(entry), visitOf(entry.value(QLatin1String("lastModified")))});
            return std::nullopt;
        case EntryKind::Container:
            ReportFolder(events_, TextOf(entry.value(QLatin1String("title"))), descriptionOf(entry));
            return entry.value(QLatin1String("children")).toArray();
        case EntryKind::Separator:
            events_.OnSeparator();
            return std::nullopt;
        case EntryKind::Other:
            break;
        }
        events_.OnSkipped(SkipReason::UnsupportedItem);
        return std::nullopt;
    }

    ImportEvents& events_;
    const RootFolderNames& names_;
};

} // namespace

void ReadFirefoxBackup(const QByteArray& bytes, ImportEvents& events, const RootFolderNames& names)
{
    QByteArray json = bytes;
    if (bytes.startsWith(QByteArrayView("mozLz40\0", 8))) {
        std::optional<QByteArray> decoded = DecodeMozLz4(bytes);
        if (!decoded)
            throw ImportError("The compressed bookmark backup is damaged");
        json = std::move(*decoded);
    }
    BackupReader(events, names).read(ParseJsonObject(json));
}

} // namespace tarnlink
