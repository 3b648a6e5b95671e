#include "json_skim.h"

#include <string>

namespace tarnlink::jsonskim {

namespace {

// Walks a text; every method returns false once the text is found malformed.
class Skimmer {
public:
    explicit Skimmer(QByteArrayView text) : text_(text) {}

    qsizetype position() const { return pos_; }
    bool atEnd()
    {
        skipBlanks();
        return pos_ == text_.size();
    }
    // Consumes the character if it comes next, after blanks.
    bool take(char c)
    {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    // Passes over one value; its text is then [start, position()).
    bool value(qsizetype& start)
    {
        skipBlanks();
        start = pos_;
        if (pos_ == text_.size())
            return false;
        const char c = text_[pos_];
        if (c == '"')
            return string();
        if (c == '{' || c == '[')
            return container();
        while (pos_ < text_.size() && !isDelimiter(text_[pos_]))
            ++pos_;
        return pos_ > start;
    }
    bool string()
    {
        for (++pos_; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] == '\\')
                ++pos_;
            else if (text_[pos_] == '"') {
                ++pos_;
                return true;
            }
        }
        return false;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    static bool isDelimiter(char c) { return isBlank(c) || c == ',' || c == ']' || c == '}' || c == ':'; }
    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    // Brackets pair up to the one that closes the first; nesting is kept on the heap.
    bool container()
    {
        std::string closers;
        do {
            const char c = text_[pos_];
            if (c == '"') {
                if (!string())
                    return false;
                continue;
            }
            if (c == '{' || c == '[')
                closers.push_back(c == '{' ? '}' : ']');
            else if (c == '}' || c == ']') {
                if (closers.back() != c)
                    return false;
                closers.pop_back();
            }
            ++pos_;
        } while (!closers.empty() && pos_ < text_.size());
        return closers.empty();
    }

    QByteArrayView text_;
    qsizetype pos_ = 0;
};

// The items between open and close, each read by item(); separated by commas.
template <typename Item> bool list(Skimmer& s, char open, char close, Item item)
{
    if (!s.take(open))
        return false;
    if (s.take(close))
        return s.atEnd();
    do {
        if (!item())
            return false;
    } while (s.take(','));
    return s.take(close) && s.atEnd();
}

} // namespace

std::optional<std::vector<Member>> members(QByteArrayView object)
{
    Skimmer s(object);
    std::vector<Member> result;
    const bool wellFormed = list(s, '{', '}', [&] {
        qsizetype key = 0;
        qsizetype value = 0;
        if (!s.value(key) || object[key] != '"')
            return false;
        const qsizetype keyEnd = s.position();
        if (!s.take(':') || !s.value(value))
            return false;
        result.emplace_back(object.sliced(key + 1, keyEnd - key - 2), object.sliced(value, s.position() - value));
        return true;
    });
    return wellFormed ? std::optional(std::move(result)) : std::nullopt;
}

std::optional<std::vector<QByteArrayView>> elements(QByteArrayView array)
{
    Skimmer s(array);
    std::vector<QByteArrayView> result;
    const bool wellFormed = list(s, '[', ']', [&] {
        qsizetype value = 0;
        if (!s.value(value))
            return false;
        result.push_back(array.sliced(value, s.position() - value));
        return true;
    });
    return wellFormed ? std::optional(std::move(result)) : std::nullopt;
}

QByteArrayView find(const std::vector<Member>& members, QByteArrayView key)
{
    for (const auto& [name, value] : members)
        if (name == key)
            return value;
    return {};
}

} // namespace tarnlink::jsonskim
