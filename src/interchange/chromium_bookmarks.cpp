#include "chromium_bookmarks.h"

#include "bookmark_fields.h"
#include "json_bookmarks.h"
#include "nested_export.h"
#include "text_escapes.h"

#include "model/tree_node.h"
#include "platform/clock.h"

#include <QRandomGenerator>

#include <array>
#include <charconv>
#include <vector>

namespace tarnlink {

namespace {

// Seconds from 1601-01-01 to 1970-01-01.
constexpr qint64 kSecondsBefore1970 = 11644473600;
constexpr qint64 kMicroseconds = 1000000;

enum Root { BookmarkBar, Other, Synced, RootCount };

struct RootKey {
    const char* key;
    std::string RootFolderNames::*name;
    const char* shownName; // what the browser writes
    const char* guid;      // the browser's fixed one
};

const std::array<RootKey, RootCount> kRoots{{
    {"bookmark_bar", &RootFolderNames::toolbar, "Bookmarks bar", "0bc5d13f-2cba-5d74-951f-3f233fe6c908"},
    {"other", &RootFolderNames::other, "Other bookmarks", "82b081ec-3dd3-529c-8475-ab6c344590dd"},
    {"synced", &RootFolderNames::mobile, "Mobile bookmarks", "4cf2e351-0e85-532b-bb37-df045d8f8d0f"},
}};

using Index = JsonText::Index;

std::string visitOf(const JsonText& json, Index microsecondsSince1601)
{
    const std::string text = json.text(microsecondsSince1601);
    qint64 microseconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), microseconds);
    if (error != std::errc() || end != text.data() + text.size() || microseconds <= 0)
        return {};
    return VisitFromUnixSeconds(microseconds / kMicroseconds - kSecondsBefore1970);
}

std::string chromiumTime(qint64 unixSeconds)
{
    return std::to_string((unixSeconds + kSecondsBefore1970) * kMicroseconds);
}

std::string descriptionOf(const JsonText& json, Index entry)
{
    return DescriptionFromText(json.text(json.member(json.member(entry, "meta_info"), "description")));
}

// Returns a folder's children.
Index readEntry(const JsonText& json, Index entry, ImportEvents& events)
{
    const Index type = json.member(entry, "type");
    if (json.isText(type, "url")) {
        ReportBookmark(events, {json.text(json.member(entry, "name")), json.text(json.member(entry, "url")),
                                descriptionOf(json, entry), visitOf(json, json.member(entry, "date_last_used"))});
        return JsonText::kNone;
    }
    if (json.isText(type, "folder")) {
        ReportFolder(events, json.text(json.member(entry, "name")), descriptionOf(json, entry));
        const Index children = json.member(entry, "children");
        if (children == JsonText::kNone)
            events.OnFolderEnd(); // an empty folder
        return children;
    }
    events.OnSkipped(SkipReason::UnsupportedItem);
    return JsonText::kNone;
}

void appendJsonString(std::string& out, const std::string& bytes)
{
    std::string converted;
    AppendJsonString(out, Utf8View(bytes, converted));
}

// A random (version 4) identifier in the form the browser checks.
std::string randomGuid()
{
    static constexpr char hex[] = "0123456789abcdef";
    quint64 bits[2] = {QRandomGenerator::global()->generate64(), QRandomGenerator::global()->generate64()};
    bits[0] = (bits[0] & ~quint64(0xF000)) | 0x4000;                 // version 4
    bits[1] = (bits[1] & ~(quint64(0xC) << 60)) | (quint64(0x8) << 60); // variant 1
    std::string guid;
    for (int i = 0; i < 32; ++i) {
        if (i == 8 || i == 12 || i == 16 || i == 20)
            guid += '-';
        const quint64 word = bits[i / 16];
        guid += hex[(word >> (60 - 4 * (i % 16))) & 15];
    }
    return guid;
}

// The roots' children as they are written; a folder named after a root in "Whole document"
// switches the writing to that root until it closes.
class ChromiumWriter final : public NestedExportWriter {
public:
    ChromiumWriter(bool wholeDocument, const RootFolderNames& names)
        : wholeDocument_(wholeDocument), names_(names), now_(chromiumTime(Clock::current().now().toSecsSinceEpoch()))
    {
    }

    void openFolder(const TfcTreeNode& folder) override
    {
        if (const std::optional<Root> root = claimedRoot(folder)) {
            returnTo_.push_back(current_);
            current_ = &roots_[*root];
            return;
        }
        returnTo_.push_back(nullptr);
        std::string& json = beginEntry();
        entryFields(json, folder.Name(), now_, "0", folder.Description);
        json += ", \"date_modified\": \"0\", \"type\": \"folder\", \"children\": [";
        current_->open.push_back(true);
    }

    void closeFolder() override
    {
        Children* back = returnTo_.back();
        returnTo_.pop_back();
        if (back) {
            current_ = back;
            return;
        }
        current_->open.pop_back();
        current_->json += " ]}";
    }

    void item(const TfcTreeNode& node) override
    {
        if (node.IsSeparator())
            return;
        const std::optional<qint64> visit = UnixSecondsOfVisit(node.Visited);
        std::string& json = beginEntry();
        entryFields(json, node.Name(), visit ? chromiumTime(*visit) : now_, visit ? chromiumTime(*visit) : "0",
                    node.Description);
        json += ", \"type\": \"url\", \"url\": ";
        appendJsonString(json, node.Link1);
        json += '}';
    }

    std::string take()
    {
        std::string file = "{\n   \"checksum\": \"\",\n   \"roots\": {";
        for (int r = 0; r < RootCount; ++r) {
            file += r == 0 ? "\n" : ",\n";
            file += "      \"" + std::string(kRoots[r].key) + "\": {\"date_added\": \"" + now_
                    + "\", \"date_last_used\": \"0\", \"date_modified\": \"0\", \"guid\": \"" + kRoots[r].guid
                    + "\", \"id\": \"" + std::to_string(r + 1) + "\", \"name\": \"" + kRoots[r].shownName
                    + "\", \"type\": \"folder\", \"children\": [";
            file += roots_[r].json;
            file += roots_[r].json.empty() ? "]}" : "\n      ]}";
        }
        file += "\n   },\n   \"version\": 1\n}\n";
        return file;
    }

private:
    struct Children {
        std::string json;
        std::vector<bool> open{true}; // per open array: nothing written in it yet
    };

    std::optional<Root> claimedRoot(const TfcTreeNode& folder)
    {
        if (!wholeDocument_ || folder.Parent())
            return std::nullopt;
        for (int r = 0; r < RootCount; ++r) {
            if (!claimed_[r] && folder.Name() == names_.*kRoots[r].name) {
                claimed_[r] = true;
                return Root(r);
            }
        }
        return std::nullopt;
    }

    std::string& beginEntry()
    {
        std::string& json = current_->json;
        if (!current_->open.back())
            json += ',';
        current_->open.back() = false;
        json += '\n';
        json.append(size_t(3 * (current_->open.size() + 2)), ' ');
        return json;
    }

    void entryFields(std::string& json, const std::string& name, const std::string& added, const std::string& used,
                     const std::string& description)
    {
        json += "{\"date_added\": \"" + added + "\", \"date_last_used\": \"" + used + "\", \"guid\": \"" + randomGuid()
                + "\", \"id\": \"" + std::to_string(nextId_++) + "\", ";
        if (!description.empty()) {
            json += "\"meta_info\": {\"description\": ";
            appendJsonString(json, TextOfDescription(description));
            json += "}, ";
        }
        json += "\"name\": ";
        appendJsonString(json, name);
    }

    const bool wholeDocument_;
    const RootFolderNames& names_;
    const std::string now_;
    std::array<Children, RootCount> roots_;
    std::array<bool, RootCount> claimed_{};
    Children* current_ = &roots_[BookmarkBar];
    std::vector<Children*> returnTo_; // per open folder: the root to go back to, or null
    int nextId_ = RootCount + 1;
};

} // namespace

void ReadChromiumBookmarks(const QByteArray& bytes, ImportEvents& events, const RootFolderNames& names)
{
    const JsonText json(std::string_view(bytes.constData(), size_t(bytes.size())));
    const Index roots = json.member(json.root(), "roots");
    if (roots == JsonText::kNone || json.kind(roots) != JsonText::Kind::Object)
        throw ImportError("The file is not a Chromium bookmark file");
    for (const RootKey& root : kRoots) {
        const Index children = json.member(json.member(roots, root.key), "children");
        if (children == JsonText::kNone || json.kind(children) != JsonText::Kind::Array || json.first(children) == JsonText::kNone)
            continue;
        ReportFolder(events, names.*root.name, {});
        WalkJsonEntries(json, children, events,
                        [&events](const JsonText& text, Index entry) { return readEntry(text, entry, events); });
        events.OnFolderEnd();
    }
}

std::optional<std::string> BuildChromiumExport(const TfcTreeNodes& tree, const ExportScope& scope, const RootFolderNames& names)
{
    return BuildNestedExport<ChromiumWriter>(tree, scope, scope.wholeDocument, names);
}

} // namespace tarnlink
