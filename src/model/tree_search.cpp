#include "tree_search.h"

#include "tree_node.h"

namespace tarnlink {

namespace {

constexpr unsigned char asciiUpper(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool isAscii(std::string_view text)
{
    unsigned char any = 0;
    for (char c : text)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

enum class AsciiScan { Found, NotFoundAscii, NotFoundOther };

// One pass over the field: looks for the ASCII key with the field's letters upper-cased, and
// notes whether the field holds anything but ASCII. A hit is a hit by every rule of upper case,
// since ASCII characters map to ASCII upper case whatever surrounds them.
AsciiScan scanAscii(std::string_view field, std::string_view key)
{
    const auto first = static_cast<unsigned char>(key.front());
    const unsigned char firstLower = first >= 'A' && first <= 'Z' ? static_cast<unsigned char>(first - 'A' + 'a') : first;
    const size_t size = field.size();
    const size_t lastStart = size >= key.size() ? size - key.size() : 0;
    const bool fits = size >= key.size();
    unsigned char any = 0;
    for (size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        any |= c;
        if ((c != first && c != firstLower) || !fits || i > lastStart)
            continue;
        size_t j = 1;
        while (j < key.size() && asciiUpper(static_cast<unsigned char>(field[i + j])) == static_cast<unsigned char>(key[j]))
            ++j;
        if (j == key.size())
            return AsciiScan::Found;
    }
    return any < 0x80 ? AsciiScan::NotFoundAscii : AsciiScan::NotFoundOther;
}

// The key with what is known of it once, for the many fields of a search.
class Matcher {
public:
    Matcher(std::string_view key, UpperCaseFn upper) : key_(key), upper_(upper), asciiKey_(isAscii(key)) {}

    bool contains(std::string_view field) const
    {
        if (field.empty())
            return false;
        if (asciiKey_) {
            const AsciiScan scan = scanAscii(field, key_);
            if (scan != AsciiScan::NotFoundOther)
                return scan == AsciiScan::Found;
        } else if (isAscii(field)) {
            return false; // ASCII upper-cases to ASCII: it cannot hold the key
        }
        return upper_(field).find(key_) != std::string::npos;
    }

private:
    std::string_view key_;
    UpperCaseFn upper_;
    bool asciiKey_;
};

bool matches(const TfcTreeNode& node, const SearchFields& f, const Matcher& m)
{
    if ((f.all || f.name) && m.contains(node.Name()))
        return true;
    if ((f.all || f.description) && m.contains(node.Description))
        return true;
    if (!node.IsLink())
        return false;
    return ((f.all || f.link) && m.contains(node.Link1)) || ((f.all || f.login) && m.contains(node.Login))
           || ((f.all || f.password) && m.contains(node.Password));
}

// A node inside a locked folder is searched from that folder, so the walk never enters it.
TfcTreeNode* outsideLockedFolders(TfcTreeNode* node)
{
    TfcTreeNode* start = node;
    for (TfcTreeNode* p = node->Parent(); p; p = p->Parent())
        if (p->IsLocked())
            start = p;
    return start;
}

} // namespace

bool ContainsUpper(std::string_view field, std::string_view key, UpperCaseFn upper)
{
    return !key.empty() && Matcher(key, upper).contains(field);
}

TfcTreeNode* SearchTree(const TfcTreeNodes& tree, const SearchQuery& query, UpperCaseFn upper)
{
    TfcTreeNode* node = tree.GetFirstNode();
    if (!node || query.text.empty())
        return nullptr;
    if (!query.fromBeginning && tree.Selected())
        node = outsideLockedFolders(tree.Selected());
    auto step = [forward = query.forward](const TfcTreeNode* n) {
        return forward ? n->GetNextUnlocked() : n->GetPrevUnlocked();
    };
    if (!query.includeStart)
        node = step(node);
    const Matcher matcher(query.text, upper);
    for (; node; node = step(node))
        if (matches(*node, query.fields, matcher))
            return node;
    return nullptr;
}

} // namespace tarnlink
