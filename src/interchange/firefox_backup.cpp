#include "firefox_backup.h"

#include "json_bookmarks.h"

#include "platform/mozlz4.h"

namespace tarnlink {

namespace {

using Index = JsonText::Index;

enum class EntryKind { Place, Container, Separator, Other };

EntryKind kindOf(const JsonText& json, Index entry)
{
    const Index type = json.member(entry, "type");
    if (json.isText(type, "text/x-moz-place"))
        return EntryKind::Place;
    if (json.isText(type, "text/x-moz-place-container"))
        return EntryKind::Container;
    if (json.isText(type, "text/x-moz-place-separator"))
        return EntryKind::Separator;
    switch (json.integer(json.member(entry, "typeCode"))) {
    case 1: return EntryKind::Place;
    case 2: return EntryKind::Container;
    case 3: return EntryKind::Separator;
    default: return EntryKind::Other;
    }
}

bool isPlacesRoot(const JsonText& json, Index entry)
{
    return json.isText(json.member(entry, "root"), "placesRoot") || json.isText(json.member(entry, "guid"), "root________");
}

// The name of a root by what it holds; nothing for the tags root; the title for another one.
std::optional<std::string> rootName(const JsonText& json, Index root, const RootFolderNames& names)
{
    const Index kind = json.member(root, "root");
    const Index guid = json.member(root, "guid");
    const auto is = [&](std::string_view rootKind, std::string_view rootGuid) {
        return json.isText(kind, rootKind) || json.isText(guid, rootGuid);
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
    return json.text(json.member(root, "title"));
}

// Older backups keep a description as an annotation.
std::string descriptionOf(const JsonText& json, Index entry)
{
    const Index annotations = json.member(entry, "annos");
    if (annotations == JsonText::kNone || json.kind(annotations) != JsonText::Kind::Array)
        return {};
    for (Index a = json.first(annotations); a != JsonText::kNone; a = json.next(a))
        if (json.isText(json.member(a, "name"), "bookmarkProperties/description"))
            return DescriptionFromText(json.text(json.member(a, "value")));
    return {};
}

class BackupReader {
public:
    BackupReader(const JsonText& json, ImportEvents& events, const RootFolderNames& names)
        : json_(json), events_(events), names_(names)
    {
    }

    void read()
    {
        const Index top = json_.root();
        if (isPlacesRoot(json_, top)) {
            const Index roots = json_.member(top, "children");
            if (roots != JsonText::kNone && json_.kind(roots) == JsonText::Kind::Array)
                for (Index root = json_.first(roots); root != JsonText::kNone; root = json_.next(root))
                    this->root(root);
        } else if (json_.kind(top) == JsonText::Kind::Object && kindOf(json_, top) != EntryKind::Other) {
            walk(top);
        } else {
            throw ImportError("The file is not a Firefox bookmark backup");
        }
    }

private:
    // Roots that hold nothing are left out, and so are the tags.
    void root(Index root)
    {
        if (json_.kind(root) != JsonText::Kind::Object)
            return;
        if (kindOf(json_, root) != EntryKind::Container) {
            walk(root);
            return;
        }
        const Index children = json_.member(root, "children");
        const std::optional<std::string> name = rootName(json_, root, names_);
        if (!name || children == JsonText::kNone || json_.first(children) == JsonText::kNone)
            return;
        ReportFolder(events_, *name, descriptionOf(json_, root));
        walkBelow(children);
    }

    // An entry and everything below it.
    void walk(Index top)
    {
        if (const Index children = entry(top); children != JsonText::kNone)
            walkBelow(children);
    }

    void walkBelow(Index children)
    {
        WalkJsonEntries(json_, children, events_, [this](const JsonText&, Index e) { return entry(e); });
        events_.OnFolderEnd();
    }

    // Returns the children of a container.
    Index entry(Index entry)
    {
        switch (kindOf(json_, entry)) {
        case EntryKind::Place:
            ReportBookmark(events_, {json_.text(json_.member(entry, "title")), json_.text(json_.member(entry, "uri")),
                                     descriptionOf(json_, entry), visitOf(json_.member(entry, "lastModified"))});
            return JsonText::kNone;
        case EntryKind::Container: {
            ReportFolder(events_, json_.text(json_.member(entry, "title")), descriptionOf(json_, entry));
            const Index children = json_.member(entry, "children");
            // A container without children is an empty folder, which ends at once.
            return children != JsonText::kNone ? children : emptyFolder();
        }
        case EntryKind::Separator:
            events_.OnSeparator();
            return JsonText::kNone;
        case EntryKind::Other:
            break;
        }
        events_.OnSkipped(SkipReason::UnsupportedItem);
        return JsonText::kNone;
    }

    // Microseconds since 1970.
    std::string visitOf(Index microseconds) const { return VisitFromUnixSeconds(json_.integer(microseconds) / 1000000); }

    Index emptyFolder()
    {
        events_.OnFolderEnd();
        return JsonText::kNone;
    }

    const JsonText& json_;
    ImportEvents& events_;
    const RootFolderNames& names_;
};

} // namespace

void ReadFirefoxBackup(const QByteArray& bytes, ImportEvents& events, const RootFolderNames& names)
{
    QByteArray decoded;
    std::string_view json(bytes.constData(), size_t(bytes.size()));
    if (bytes.startsWith(QByteArrayView("mozLz40\0", 8))) {
        std::optional<QByteArray> contents = DecodeMozLz4(bytes);
        if (!contents)
            throw ImportError("The compressed bookmark backup is damaged");
        decoded = std::move(*contents);
        json = std::string_view(decoded.constData(), size_t(decoded.size()));
    }
    const JsonText text(json);
    BackupReader(text, events, names).read();
}

} // namespace tarnlink
