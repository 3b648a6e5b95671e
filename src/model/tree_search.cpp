#include "tree_search.h"

#include "tree_node.h"

#include <cstdint>
#include <cstring>

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

using Bytes16 = unsigned char __attribute__((vector_size(16)));

Bytes16 load16(const char* p)
{
    Bytes16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

bool anyLane(Bytes16 v)
{
    uint64_t half[2];
    std::memcpy(half, &v, sizeof half);
    return (half[0] | half[1]) != 0;
}

unsigned char lowerOf(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool matchesAt(const char* p, std::string_view key)
{
    for (size_t k = 0; k < key.size(); ++k)
        if (asciiUpper(static_cast<unsigned char>(p[k])) != static_cast<unsigned char>(key[k]))
            return false;
    return true;
}

// One pass over the field: looks for the ASCII key with the field's letters upper-cased, and
// notes whether the field holds anything but ASCII. A hit is a hit by every rule of upper case,
// since ASCII characters map to ASCII upper case whatever surrounds them. Sixteen places are
// tested at once for the key's first two characters, in either case.
AsciiScan scanAscii(std::string_view field, std::string_view key)
{
    const char* p = field.data();
    const size_t size = field.size();
    const size_t keySize = key.size();
    const auto upper0 = static_cast<unsigned char>(key[0]);
    const unsigned char lower0 = lowerOf(upper0);
    const auto upper1 = static_cast<unsigned char>(keySize > 1 ? key[1] : key[0]);
    const unsigned char lower1 = lowerOf(upper1);
    if (size < 17) {
        unsigned char any = 0;
        for (size_t i = 0; i < size; ++i) {
            const auto c = static_cast<unsigned char>(p[i]);
            any |= c;
            if ((c == upper0 || c == lower0) && i + keySize <= size && matchesAt(p + i, key))
                return AsciiScan::Found;
        }
        return any < 0x80 ? AsciiScan::NotFoundAscii : AsciiScan::NotFoundOther;
    }
    // Blocks of 16 places, each reading one byte beyond for the second character; the last
    // block overlaps the one before so that no place is left for a slower loop.
    Bytes16 high = {};
    for (size_t i = 0;; i += 16) {
        const bool last = i + 17 >= size;
        if (last)
            i = size - 17;
        const Bytes16 here = load16(p + i);
        const Bytes16 next = load16(p + i + 1);
        high |= here | next;
        Bytes16 hit = (here == upper0) | (here == lower0);
        if (keySize > 1)
            hit &= (next == upper1) | (next == lower1);
        if (anyLane(hit))
            for (size_t j = 0; j < 16; ++j)
                if (hit[j] && i + j + keySize <= size && matchesAt(p + i + j, key))
                    return AsciiScan::Found;
        if (last)
            break;
    }
    if (keySize == 1 && (p[size - 1] == char(upper0) || p[size - 1] == char(lower0)))
        return AsciiScan::Found; // the one place the blocks do not start at
    return anyLane(high & 0x80) ? AsciiScan::NotFoundOther : AsciiScan::NotFoundAscii;
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

// A search is bound by memory rather than by comparing: while one node is tested, the memory is
// asked for a node some siblings ahead, and for the texts of one whose node has arrived since.
constexpr int kNodesAhead = 8;
constexpr int kTextsAhead = 4;

void prefetchSiblings(const TfcTreeNodes& tree, const TfcTreeNode* node)
{
    const TfcTreeNode* parent = node->Parent();
    const int count = parent ? parent->ChildCount() : tree.TopLevelCount();
    auto sibling = [&](int i) { return parent ? parent->Item(i) : tree.TopLevelItem(i); };
    const int at = node->Index();
    if (at + kNodesAhead < count) {
        const char* bytes = reinterpret_cast<const char*>(sibling(at + kNodesAhead));
        for (size_t offset = 0; offset < sizeof(TfcTreeNode); offset += 64)
            __builtin_prefetch(bytes + offset);
    }
    if (at + kTextsAhead < count) {
        const TfcTreeNode* next = sibling(at + kTextsAhead);
        for (const std::string* text : {&next->Name(), &next->Description, &next->Link1})
            for (size_t offset = 0; offset < text->size(); offset += 64)
                __builtin_prefetch(text->data() + offset);
    }
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
    for (; node; node = step(node)) {
        if (query.forward)
            prefetchSiblings(tree, node);
        if (matches(*node, query.fields, matcher))
            return node;
    }
    return nullptr;
}

} // namespace tarnlink
