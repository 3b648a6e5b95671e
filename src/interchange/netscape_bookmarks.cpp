#include "netscape_bookmarks.h"

#include "bookmark_fields.h"
#include "import_sink.h"
#include "nested_export.h"
#include "text_escapes.h"

#include "model/tree_node.h"

#include <charconv>
#include <vector>

namespace tarnlink {

namespace {

// The longest entity looked for after "&", so that a stray "&" costs a bounded look ahead.
constexpr size_t kLongestEntity = 10;

constexpr std::string_view kBlanks = " \t\r\n\f\v";

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isBlank(char c)
{
    return kBlanks.find(c) != std::string_view::npos;
}

bool sameLetters(std::string_view text, std::string_view lower)
{
    if (text.size() != lower.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != lower[i])
            return false;
    return true;
}

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The character an entity's body names ("amp", "#39", "#x27"), or nothing.
std::optional<char32_t> entityCharacter(std::string_view body)
{
    static constexpr std::pair<std::string_view, char32_t> named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    if (body.size() > 1 && body[0] == '#') {
        const bool hex = AsciiLower(body[1]) == 'x';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        uint32_t code = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || code == 0
            || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return char32_t(code);
    }
    for (const auto& [name, character] : named)
        if (body == name)
            return character;
    return std::nullopt;
}

// Text with its character references replaced; an unknown one stays as it is written.
void appendDecoded(std::string& out, std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const size_t amp = text.find('&', i);
        out.append(text.substr(i, amp == std::string_view::npos ? std::string_view::npos : amp - i));
        if (amp == std::string_view::npos)
            return;
        const size_t semicolon = text.substr(amp + 1, kLongestEntity).find(';');
        const auto character = semicolon == std::string_view::npos ? std::nullopt
                                                                   : entityCharacter(text.substr(amp + 1, semicolon));
        if (character) {
            AppendUtf8(out, *character);
            i = amp + semicolon + 2;
        } else {
            out += '&';
            i = amp + 1;
        }
    }
}

std::string decoded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendDecoded(out, text);
    return out;
}

struct Attribute {
    std::string_view name;
    std::string_view value;
};

struct Tag {
    std::string_view name;
    bool closing = false;
    std::vector<Attribute> attributes;

    std::string_view attribute(std::string_view lowerName) const
    {
        for (const Attribute& a : attributes)
            if (sameLetters(a.name, lowerName))
                return a.value;
        return {};
    }
};

// The HTML as text and tags, in one pass: every scan moves forward, quoted values included, so
// any input is read in linear time.
class HtmlScanner {
public:
    explicit HtmlScanner(std::string_view html) : html_(html) {}

    bool atEnd() const { return pos_ >= html_.size(); }

    // The text up to the next tag, comment or declaration.
    std::string_view text()
    {
        const size_t start = pos_;
        while (pos_ < html_.size()) {
            pos_ = std::min(html_.find('<', pos_), html_.size());
            if (pos_ + 1 < html_.size() && startsMarkup(html_[pos_ + 1]))
                break;
            if (pos_ < html_.size())
                ++pos_; // a "<" that starts nothing is text
        }
        return html_.substr(start, pos_ - start);
    }

    // At a "<": false for a comment or a declaration, which are passed over; otherwise the tag.
    bool markup(Tag& tag)
    {
        ++pos_; // "<"
        if (html_.substr(pos_, 3) == "!--") {
            const size_t end = html_.find("-->", pos_ + 3);
            pos_ = end == std::string_view::npos ? html_.size() : end + 3;
            return false;
        }
        if (html_[pos_] == '!' || html_[pos_] == '?') {
            const size_t end = std::min(html_.find('>', pos_), html_.size());
            pos_ = std::min(end + 1, html_.size());
            return false;
        }
        tag.closing = html_[pos_] == '/';
        pos_ += tag.closing ? 1 : 0;
        const size_t nameStart = pos_;
        while (pos_ < html_.size() && !isBlank(html_[pos_]) && html_[pos_] != '>' && html_[pos_] != '/')
            ++pos_;
        tag.name = html_.substr(nameStart, pos_ - nameStart);
        tag.attributes.clear();
        readAttributes(tag);
        return true;
    }

private:
    static bool startsMarkup(char c) { return isLetter(c) || c == '/' || c == '!' || c == '?'; }

    void skipBlanks()
    {
        while (pos_ < html_.size() && (isBlank(html_[pos_]) || html_[pos_] == '/'))
            ++pos_;
    }

    void readAttributes(Tag& tag)
    {
        for (;;) {
            skipBlanks();
            if (pos_ >= html_.size())
                return;
            if (html_[pos_] == '>') {
                ++pos_;
                return;
            }
            const size_t nameStart = pos_;
            while (pos_ < html_.size() && !isBlank(html_[pos_]) && html_[pos_] != '=' && html_[pos_] != '>')
                ++pos_;
            Attribute attribute{html_.substr(nameStart, pos_ - nameStart), {}};
            while (pos_ < html_.size() && isBlank(html_[pos_]))
                ++pos_;
            if (pos_ < html_.size() && html_[pos_] == '=') {
                ++pos_;
                while (pos_ < html_.size() && isBlank(html_[pos_]))
                    ++pos_;
                attribute.value = value();
            }
            tag.attributes.push_back(attribute);
        }
    }

    std::string_view value()
    {
        if (pos_ < html_.size() && (html_[pos_] == '"' || html_[pos_] == '\'')) {
            const char quote = html_[pos_++];
            const size_t end = std::min(html_.find(quote, pos_), html_.size());
            const std::string_view quoted = html_.substr(pos_, end - pos_);
            pos_ = std::min(end + 1, html_.size());
            return quoted;
        }
        const size_t start = pos_;
        while (pos_ < html_.size() && !isBlank(html_[pos_]) && html_[pos_] != '>')
            ++pos_;
        return html_.substr(start, pos_ - start);
    }

    std::string_view html_;
    size_t pos_ = 0;
};

std::string visitOf(std::string_view lastVisit)
{
    qint64 seconds = 0;
    const std::string_view digits = trimmed(lastVisit);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seconds);
    return error == std::errc() && end == digits.data() + digits.size() ? VisitFromUnixSeconds(seconds) : std::string();
}

// The entry read last waits for its description and, for a folder, for its list.
class NetscapeReader {
public:
    explicit NetscapeReader(ImportEvents& events) : events_(events) {}

    void read(std::string_view html)
    {
        HtmlScanner scanner(html);
        Tag tag;
        while (!scanner.atEnd()) {
            const std::string_view text = scanner.text();
            if (!text.empty() && capture_)
                appendDecoded(*capture_, text);
            if (scanner.atEnd())
                break;
            if (scanner.markup(tag))
                onTag(tag);
        }
        flush();
        for (; !lists_.empty(); lists_.pop_back())
            if (lists_.back())
                events_.OnFolderEnd();
    }

private:
    enum class Pending { None, Link, Folder };

    void onTag(const Tag& tag)
    {
        const std::string_view name = tag.name;
        if (sameLetters(name, "a")) {
            if (!tag.closing) {
                flush();
                pending_ = Pending::Link;
                link_.address = decoded(tag.attribute("href"));
                link_.visited = visitOf(tag.attribute("last_visit"));
            }
            capture_ = !tag.closing && pending_ == Pending::Link ? &link_.name : nullptr;
        } else if (sameLetters(name, "h3")) {
            if (!tag.closing) {
                flush();
                pending_ = Pending::Folder;
            }
            capture_ = !tag.closing && pending_ == Pending::Folder ? &link_.name : nullptr;
        } else if (sameLetters(name, "dd")) {
            capture_ = pending_ != Pending::None ? &link_.description : nullptr;
        } else if (sameLetters(name, "dl")) {
            tag.closing ? closeList() : openList();
        } else if (sameLetters(name, "hr")) {
            flush();
            if (!lists_.empty())
                events_.OnSeparator();
        } else if (sameLetters(name, "dt") || sameLetters(name, "h1") || sameLetters(name, "title")) {
            flush();
        } else if (sameLetters(name, "br") && capture_ == &link_.description) {
            link_.description += '\n';
        }
    }

    void openList()
    {
        const bool folder = pending_ == Pending::Folder;
        if (folder)
            reportFolder();
        else
            flush();
        lists_.push_back(folder);
    }

    void closeList()
    {
        flush();
        if (lists_.empty())
            return;
        if (lists_.back())
            events_.OnFolderEnd();
        lists_.pop_back();
    }

    void reportFolder()
    {
        ReportFolder(events_, std::string(trimmed(link_.name)), DescriptionFromText(trimmed(link_.description)));
        reset();
    }

    // The entry waiting is complete: a folder without a list of its own is empty.
    void flush()
    {
        if (pending_ == Pending::Folder) {
            reportFolder();
            events_.OnFolderEnd();
        } else if (pending_ == Pending::Link) {
            link_.name = std::string(trimmed(link_.name));
            link_.description = DescriptionFromText(trimmed(link_.description));
            ReportBookmark(events_, link_);
        }
        reset();
    }

    void reset()
    {
        pending_ = Pending::None;
        capture_ = nullptr;
        link_.name.clear();
        link_.address.clear();
        link_.description.clear();
        link_.visited.clear();
    }

    ImportEvents& events_;
    Pending pending_ = Pending::None;
    BookmarkLink link_;          // the entry waiting; a folder uses its name and description
    std::string* capture_ = nullptr; // where the text read now goes
    std::vector<bool> lists_;   // the open "<DL>"s: whether each is a folder's
};

// The doctype, or at least one list: any other text holds no bookmarks to read.
bool looksLikeBookmarkFile(std::string_view html)
{
    if (html.find("NETSCAPE-Bookmark-file") != std::string_view::npos)
        return true;
    for (size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1))
        if (sameLetters(html.substr(at + 1, 2), "dl"))
            return true;
    return false;
}

// Text and attribute values: the four characters HTML gives a meaning.
void appendEscaped(std::string& out, const std::string& bytes)
{
    std::string converted;
    AppendHtmlEscaped(out, Utf8View(bytes, converted));
}

class NetscapeWriter final : public NestedExportWriter {
public:
    NetscapeWriter()
    {
        html_ = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                "<!-- This is an automatically generated file.\n"
                "     It will be read and overwritten.\n"
                "     DO NOT EDIT! -->\n"
                "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                "<TITLE>Bookmarks</TITLE>\n"
                "<H1>Bookmarks</H1>\n"
                "<DL><p>\n";
    }

    void openFolder(const TfcTreeNode& folder) override
    {
        indent();
        html_ += "<DT><H3>";
        appendEscaped(html_, folder.Name());
        html_ += "</H3>\n";
        description(folder.Description);
        indent();
        html_ += "<DL><p>\n";
        ++depth_;
    }

    void closeFolder() override
    {
        --depth_;
        indent();
        html_ += "</DL><p>\n";
    }

    void item(const TfcTreeNode& node) override
    {
        indent();
        if (node.IsSeparator()) {
            html_ += "<HR>\n";
            return;
        }
        html_ += "<DT><A HREF=\"";
        appendEscaped(html_, node.Link1);
        html_ += '"';
        if (const auto seconds = UnixSecondsOfVisit(node.Visited))
            html_ += " LAST_VISIT=\"" + std::to_string(*seconds) + '"';
        html_ += '>';
        appendEscaped(html_, node.Name());
        html_ += "</A>\n";
        description(node.Description);
    }

    std::string take()
    {
        html_ += "</DL><p>\n";
        return std::move(html_);
    }

private:
    void indent() { html_.append(size_t(4 * (depth_ + 1)), ' '); }

    void description(const std::string& description)
    {
        if (description.empty())
            return;
        indent();
        html_ += "<DD>";
        appendEscaped(html_, TextOfDescription(description));
        html_ += '\n';
    }

    std::string html_;
    int depth_ = 0;
};

} // namespace

void ReadNetscapeBookmarks(std::string_view html, ImportEvents& events)
{
    if (!looksLikeBookmarkFile(html))
        throw ImportError("The file is not a bookmark file of this kind");
    NetscapeReader(events).read(html);
}

std::optional<std::string> BuildNetscapeExport(const TfcTreeNodes& tree, const ExportScope& scope)
{
    return BuildNestedExport<NetscapeWriter>(tree, scope);
}

} // namespace tarnlink
