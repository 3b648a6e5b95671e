#include "bookmark_fields.h"

#include "model/description.h"
#include "model/errors.h"
#include "model/utf8_cut.h"
#include "platform/codepage.h"
#include "platform/visit_time_format.h"

#include <array>
#include <vector>

namespace tarnlink {

namespace {

// 9999-12-31 23:59:59 UTC.
constexpr qint64 kLastSecond = 253402300799;

const std::array<std::string_view, 13> kBrowserOnlySchemes{
    "javascript", "data", "about", "blob", "chrome", "chrome-extension", "edge", "brave", "vivaldi", "opera",
    "moz-extension", "resource", "view-source"};

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The scheme in lower case; empty for an address without one.
std::string schemeOf(std::string_view address)
{
    std::string scheme;
    for (const char c : address) {
        if (c == ':')
            return scheme;
        const char l = lowered(c);
        if (!((l >= 'a' && l <= 'z') || (!scheme.empty() && ((l >= '0' && l <= '9') || l == '+' || l == '-' || l == '.'))))
            return {};
        scheme += l;
    }
    return {};
}

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

std::string Utf8Of(const std::string& bytes)
{
    return IsValidUtf8(bytes) ? bytes : codepage::fromDisplay(codepage::toDisplay(bytes));
}

std::string VisitFromUnixSeconds(qint64 seconds)
{
    if (seconds <= 0 || seconds > kLastSecond)
        return {};
    return FormatVisitTime(QDateTime::fromSecsSinceEpoch(seconds));
}

std::optional<qint64> UnixSecondsOfVisit(const std::string& visited)
{
    if (visited.empty())
        return std::nullopt;
    try {
        const qint64 seconds = ParseVisitTime(visited).toSecsSinceEpoch();
        if (seconds > 0 && seconds <= kLastSecond)
            return seconds;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

} // namespace tarnlink
