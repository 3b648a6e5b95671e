#pragma once

// What the readers of the browsers' JSON bookmark files share: the text parsed once into a flat
// list of values whose strings stay in the text until one is asked for, and a walk over nested
// "children" arrays. Neither recurses: nesting costs memory in proportion to the text, never
// stack. A backup of 100,000 bookmarks is parsed several times faster than into a QJsonDocument,
// which converts every string to UTF-16 and back.

#include <QtGlobal>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnlink {

class ImportEvents;

class JsonText {
public:
    enum class Kind : quint8 { Null, False, True, Number, String, Array, Object };
    using Index = qint32;
    static constexpr Index kNone = -1;

    // Throws ImportError for text that is not one JSON value, with nothing but blanks around it.
    explicit JsonText(std::string_view text);

    Index root() const { return 0; }
    Kind kind(Index value) const { return values_[size_t(value)].kind; }
    // The first element of an array, or the first member's key of an object; then the next one.
    // In an object a key's next is its value, and a value's next the following key.
    Index first(Index value) const { return values_[size_t(value)].first; }
    Index next(Index value) const { return values_[size_t(value)].next; }

    // The value of the first member with the key; kNone for a missing member or no object.
    Index member(Index object, std::string_view key) const;
    // A string's text in UTF-8; empty for any other kind, and for kNone.
    std::string text(Index value) const;
    // A number's value; 0 for any other kind.
    double number(Index value) const;
    // A number's value as a whole number, cut towards zero; 0 for any other kind and for a
    // number that no 64-bit integer holds.
    qint64 integer(Index value) const;
    // Whether the value is the string given.
    bool isText(Index value, std::string_view expected) const;

private:
    struct Value {
        Kind kind;
        bool escaped = false; // a string holding escapes, decoded when asked for
        quint32 begin = 0;    // the string's contents or the number's text
        quint32 length = 0;
        Index first = kNone;
        Index next = kNone;
    };

    void parse();
    // The value at the position, its blanks before it passed over.
    Index readValue();
    Index add(Kind kind);
    void skipBlanks();
    void readString(Value& value);
    void readNumber(Value& value);
    void readWord(std::string_view word);
    std::string_view raw(const Value& value) const { return text_.substr(value.begin, value.length); }

    std::string_view text_;
    size_t pos_ = 0;
    std::vector<Value> values_;
};

// Hands every entry of an array, and of the arrays it returns, to entry in document order; an
// entry that returns an array is a folder, which ends (OnFolderEnd) after that array.
using JsonEntry = std::function<JsonText::Index(const JsonText& json, JsonText::Index entry)>;
void WalkJsonEntries(const JsonText& json, JsonText::Index entries, ImportEvents& events, const JsonEntry& entry);

} // namespace tarnlink
