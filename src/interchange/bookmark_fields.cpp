#include "bookmark_fields.h"

#include "text_escapes.h"

#include "model/description.h"
#include "model/errors.h"
#include "model/utf8_cut.h"
#include "platform/codepage.h"
#include "platform/visit_time_format.h"

#include <QTimeZone>

#include <algorithm>
#include <array>
#include <vector>

namespace tarnlink {

namespace {

// 9999-12-31 23:59:59 UTC.
constexpr qint64 kLastSecond = 253402300799;

const std::array<std::string_view, 13> kBrowserOnlySchemes{
    "javascript", "data", "about", "blob", "chrome", "chrome-extension", "edge", "brave", "vivaldi", "opera",
    "moz-extension", "resource", "view-source"};

// The scheme in lower case; empty for an address without one.
std::string schemeOf(std::string_view address)
{
    std::string scheme;
    for (const char c : address) {
        if (c == ':')
            return scheme;
        const char l = AsciiLower(c);
        if (!((l >= 'a' && l <= 'z') || (!scheme.empty() && ((l >= '0' && l <= '9') || l == '+' || l == '-' || l == '.'))))
            return {};
        scheme += l;
    }
    return {};
}

// The local zone's offsets from UTC as a table of its changes, read once: converting each of
// many visits through QDateTime's local time asks the C library, which looks at the zone file
// anew every time. Times after the table (or a zone without rules) take the slow way.
class LocalOffsets {
public:
    LocalOffsets()
    {
        const QTimeZone zone = QTimeZone::systemTimeZone();
        initial_ = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
        known_ = zone.isValid();
        if (!known_ || !zone.hasTransitions())
            return; // one offset for all times
        const auto changes = zone.transitions(QDateTime::fromSecsSinceEpoch(1, Qt::UTC), QDateTime::fromSecsSinceEpoch(kTableEnd, Qt::UTC));
        for (const QTimeZone::OffsetData& change : changes)
            changes_.push_back({change.atUtc.toSecsSinceEpoch(), change.offsetFromUtc});
    }

    static const LocalOffsets& instance()
    {
        static const LocalOffsets offsets;
        return offsets;
    }

    std::optional<int> atUtc(qint64 utc) const
    {
        if (!known_ || utc >= kTableEnd)
            return std::nullopt;
        const auto after = std::upper_bound(changes_.begin(), changes_.end(), utc,
                                            [](qint64 t, const Change& change) { return t < change.at; });
        return after == changes_.begin() ? initial_ : std::prev(after)->offset;
    }

    // The instant a local time names: of the offsets in force a day before and a day after, one
    // that holds at the instant it gives; in an hour that comes twice, the first, as QDateTime
    // takes it. Nothing for an hour that never comes, and beyond the table.
    std::optional<qint64> utcOfLocal(qint64 local) const
    {
        constexpr qint64 day = 86400;
        std::optional<qint64> first;
        for (const qint64 probe : {local - day, local + day}) {
            const std::optional<int> offset = atUtc(probe);
            const std::optional<int> holding = offset ? atUtc(local - *offset) : std::nullopt;
            if (!holding)
                return std::nullopt;
            if (*holding == *offset && (!first || local - *offset < *first))
                first = local - *offset;
        }
        return first;
    }

private:
    // 2100-01-01: zones publish their rules this far ahead.
    static constexpr qint64 kTableEnd = 4102444800;
    struct Change {
        qint64 at;
        int offset;
    };
    std::vector<Change> changes_;
    int initial_ = 0;
    bool known_ = false;
};

void checkSize(const std::string& field)
{
    if (field.size() > kMaxBookmarkFieldBytes)
        throw ImportError("A bookmark in the file is too large to be imported");
}

} // namespace

std::optional<SkipReason> PassedOverAddress(std::string_view address)
{
    const std::string scheme = schemeOf(address);
    if (scheme == "place")
        return SkipReason::Query;
    for (const std::string_view browserOnly : kBrowserOnlySchemes)
        if (scheme == browserOnly)
            return SkipReason::UnsupportedScheme;
    return std::nullopt;
}

void ReportFolder(ImportEvents& events, const std::string& name, const std::string& description)
{
    checkSize(name);
    checkSize(description);
    events.OnBookmarkFolder(name, description);
}

void ReportBookmark(ImportEvents& events, const BookmarkLink& link)
{
    for (const std::string* field : {&link.name, &link.address, &link.description})
        checkSize(*field);
    if (const std::optional<SkipReason> reason = PassedOverAddress(link.address))
        events.OnSkipped(*reason);
    else
        events.OnBookmark(link);
}

std::string DescriptionFromText(std::string_view text)
{
    if (text.find_first_of("\r\n") == std::string_view::npos)
        return std::string(text);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.emplace_back(text.substr(start));
    return EncodeDescription(lines);
}

std::string TextOfDescription(const std::string& description)
{
    std::string text;
    for (const std::string& line : DecodeDescription(description)) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

std::string_view Utf8View(const std::string& bytes, std::string& converted)
{
    if (IsValidUtf8(bytes))
        return bytes;
    converted = codepage::fromWindows1252(bytes).toStdString();
    return converted;
}

std::string VisitFromUnixSeconds(qint64 seconds)
{
    if (seconds <= 0 || seconds > kLastSecond)
        return {};
    if (const std::optional<int> offset = LocalOffsets::instance().atUtc(seconds))
        return FormatVisitTime(QDateTime::fromSecsSinceEpoch(seconds + *offset, Qt::UTC));
    return FormatVisitTime(QDateTime::fromSecsSinceEpoch(seconds));
}

std::optional<qint64> UnixSecondsOfVisit(const std::string& visited)
{
    if (visited.empty())
        return std::nullopt;
    try {
        // The local time read as if it were UTC, less the offset in force then.
        const std::optional<qint64> utc = LocalOffsets::instance().utcOfLocal(ParseVisitTime(visited, Qt::UTC).toSecsSinceEpoch());
        const qint64 seconds = utc ? *utc : ParseVisitTime(visited).toSecsSinceEpoch();
        if (seconds > 0 && seconds <= kLastSecond)
            return seconds;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

} // namespace tarnlink
