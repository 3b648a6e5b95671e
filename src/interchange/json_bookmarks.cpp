#include "json_bookmarks.h"

#include "import_sink.h"
#include "text_escapes.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

namespace tarnlink {

namespace {

[[noreturn]] void damaged()
{
    throw ImportError("The bookmark file is damaged");
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The four hex digits after "\u"; nothing for anything else.
std::optional<char32_t> hexUnit(std::string_view text)
{
    uint32_t unit = 0;
    const std::string_view digits = text.substr(0, 4);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), unit, 16);
    if (digits.size() != 4 || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return char32_t(unit);
}

// A string's contents with its escapes replaced; a lone surrogate becomes U+FFFD.
std::string unescaped(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out += raw[i];
            continue;
        }
        const char escape = raw[++i];
        switch (escape) {
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            char32_t unit = *hexUnit(raw.substr(i + 1)); // checked when the string was read
            i += 4;
            if (unit >= 0xD800 && unit <= 0xDBFF && raw.substr(i + 1, 2) == "\\u") {
                const char32_t low = *hexUnit(raw.substr(i + 3));
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 6;
                }
            }
            AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
            break;
        }
        default: out += escape; // '"', '\\' and '/'
        }
    }
    return out;
}

} // namespace

JsonText::JsonText(std::string_view text) : text_(text)
{
    values_.reserve(text.size() / 32);
    parse();
}

JsonText::Index JsonText::add(Kind kind)
{
    if (values_.size() >= size_t(std::numeric_limits<Index>::max()))
        damaged(); // more values than any bookmark file holds
    values_.push_back({kind});
    return Index(values_.size() - 1);
}

void JsonText::skipBlanks()
{
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
}

// Values are read in document order; the containers open are kept on a stack of their own, and
// each value is linked after the one read before it in the same container.
void JsonText::parse()
{
    std::vector<Index> open; // innermost last
    std::vector<Index> last; // per open container: the value read last in it
    const auto link = [&](Index value) {
        if (open.empty())
            return;
        if (last.back() == kNone)
            values_[size_t(open.back())].first = value;
        else
            values_[size_t(last.back())].next = value;
        last.back() = value;
    };
    const auto closer = [&](Index container) { return kind(container) == Kind::Object ? '}' : ']'; };
    const auto peek = [&] {
        skipBlanks();
        if (pos_ >= text_.size())
            damaged();
        return text_[pos_];
    };
    for (;;) {
        // A value is due; inside an object its key and ":" come first.
        if (!open.empty() && kind(open.back()) == Kind::Object) {
            if (peek() != '"')
                damaged();
            link(readValue());
            if (peek() != ':')
                damaged();
            ++pos_;
        }
        const Index value = readValue();
        link(value);
        if (kind(value) == Kind::Array || kind(value) == Kind::Object) {
            if (peek() == closer(value)) {
                ++pos_;
            } else {
                open.push_back(value);
                last.push_back(kNone);
                continue;
            }
        }
        // The value is complete: a comma brings the next one, a bracket closes its container.
        for (;;) {
            if (open.empty()) {
                skipBlanks();
                if (pos_ != text_.size())
                    damaged();
                return;
            }
            const char c = peek();
            ++pos_;
            if (c == ',')
                break;
            if (c != closer(open.back()))
                damaged();
            open.pop_back();
            last.pop_back();
        }
    }
}

JsonText::Index JsonText::readValue()
{
    skipBlanks();
    if (pos_ >= text_.size())
        damaged();
    const char c = text_[pos_];
    Index value;
    switch (c) {
    case '{': value = add(Kind::Object); ++pos_; break;
    case '[': value = add(Kind::Array); ++pos_; break;
    case '"': value = add(Kind::String); readString(values_.back()); break;
    case 't': value = add(Kind::True); readWord("true"); break;
    case 'f': value = add(Kind::False); readWord("false"); break;
    case 'n': value = add(Kind::Null); readWord("null"); break;
    default:
        if (c != '-' && !isDigit(c))
            damaged();
        value = add(Kind::Number);
        readNumber(values_.back());
    }
    return value;
}

void JsonText::readString(Value& value)
{
    const size_t start = ++pos_;
    for (;;) {
        if (pos_ >= text_.size())
            damaged();
        const char c = text_[pos_];
        if (c == '"')
            break;
        if (uchar(c) < 0x20)
            damaged();
        if (c == '\\') {
            value.escaped = true;
            if (++pos_ >= text_.size())
                damaged();
            const char escape = text_[pos_];
            if (escape == 'u') {
                if (!hexUnit(text_.substr(pos_ + 1)))
                    damaged();
                pos_ += 4;
            } else if (std::string_view("\"\\/bfnrt").find(escape) == std::string_view::npos) {
                damaged();
            }
        }
        ++pos_;
    }
    value.begin = quint32(start);
    value.length = quint32(pos_ - start);
    ++pos_;
}

void JsonText::readNumber(Value& value)
{
    const size_t start = pos_;
    const auto digits = [this] {
        const size_t from = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_]))
            ++pos_;
        if (pos_ == from)
            damaged();
    };
    if (text_[pos_] == '-')
        ++pos_;
    digits();
    if (pos_ < text_.size() && text_[pos_] == '.') {
        ++pos_;
        digits();
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
            ++pos_;
        digits();
    }
    value.begin = quint32(start);
    value.length = quint32(pos_ - start);
}

void JsonText::readWord(std::string_view word)
{
    if (text_.substr(pos_, word.size()) != word)
        damaged();
    pos_ += word.size();
}

JsonText::Index JsonText::member(Index object, std::string_view key) const
{
    if (object == kNone || kind(object) != Kind::Object)
        return kNone;
    for (Index k = first(object); k != kNone; k = next(next(k)))
        if (isText(k, key))
            return next(k);
    return kNone;
}

std::string JsonText::text(Index value) const
{
    if (value == kNone || kind(value) != Kind::String)
        return {};
    const Value& v = values_[size_t(value)];
    return v.escaped ? unescaped(raw(v)) : std::string(raw(v));
}

double JsonText::number(Index value) const
{
    if (value == kNone || kind(value) != Kind::Number)
        return 0;
    const std::string_view digits = raw(values_[size_t(value)]);
    double n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return n;
}

qint64 JsonText::integer(Index value) const
{
    const double n = number(value);
    constexpr double kLimit = 9.2e18; // within qint64 on both sides
    return n > -kLimit && n < kLimit ? qint64(n) : 0;
}

bool JsonText::isText(Index value, std::string_view expected) const
{
    if (value == kNone || kind(value) != Kind::String)
        return false;
    const Value& v = values_[size_t(value)];
    return v.escaped ? unescaped(raw(v)) == expected : raw(v) == expected;
}

void WalkJsonEntries(const JsonText& json, JsonText::Index entries, ImportEvents& events, const JsonEntry& entry)
{
    if (entries == JsonText::kNone || json.kind(entries) != JsonText::Kind::Array)
        return;
    // Per open array: the entry to read next.
    std::vector<JsonText::Index> open{json.first(entries)};
    while (!open.empty()) {
        const JsonText::Index current = open.back();
        if (current == JsonText::kNone) {
            open.pop_back();
            if (!open.empty())
                events.OnFolderEnd();
            continue;
        }
        open.back() = json.next(current);
        const JsonText::Index children = json.kind(current) == JsonText::Kind::Object ? entry(json, current) : JsonText::kNone;
        if (children != JsonText::kNone)
            open.push_back(json.kind(children) == JsonText::Kind::Array ? json.first(children) : JsonText::kNone);
    }
}

} // namespace tarnlink
