#include "tree_search.h"

#include "preorder_index.h"
#include "tree_node.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The top bit of each place, place 0 lowest.
unsigned topBits(Bytes16 v)
{
#if defined(__SSE2__)
    return static_cast<unsigned>(_mm_movemask_epi8(reinterpret_cast<__m128i>(v)));
#else
    unsigned bits = 0;
    for (int i = 0; i < 16; ++i)
        bits |= unsigned(v[i] >> 7) << i;
    return bits;
#endif
}

// One character of the key as a test of sixteen places at once: a letter is matched in either
// case by setting the lower-case bit on both sides, anything else exactly.
struct CharTest {
    Bytes16 fold;
    Bytes16 want;
    CharTest(unsigned char c, bool any)
    {
        const unsigned char fold1 = any ? 0xFF : c >= 'A' && c <= 'Z' ? 0x20 : 0;
        fold = Bytes16{} + fold1;
        want = Bytes16{} + static_cast<unsigned char>(c | fold1);
    }
    Bytes16 operator()(Bytes16 v) const { return (v | fold) == want; }
};

// An ASCII key with what is known of it once, for the many fields of a search.
class AsciiKey {
public:
    explicit AsciiKey(std::string_view key)
        : key_(key), first_(static_cast<unsigned char>(key[0]), false),
          second_(key.size() > 1 ? static_cast<unsigned char>(key[1]) : 0, key.size() == 1)
    {
    }

    // One pass over the field: looks for the key with the field's letters upper-cased, and notes
    // whether the field holds anything but ASCII. A hit is a hit by every rule of upper case,
    // since ASCII characters map to ASCII upper case whatever surrounds them. Sixteen places are
    // tested at once for the key's first two characters.
    AsciiScan scan(std::string_view field) const
    {
        const char* p = field.data();
        const size_t size = field.size();
        if (size < 17)
            return scanShort(field);
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
            for (unsigned hits = topBits(first_(here) & second_(next)); hits; hits &= hits - 1) {
                const size_t at = i + static_cast<size_t>(__builtin_ctz(hits));
                if (at + key_.size() <= size && matchesAt(p + at))
                    return AsciiScan::Found;
            }
            if (last)
                break;
        }
        if (key_.size() == 1 && asciiUpper(static_cast<unsigned char>(p[size - 1])) == key_[0])
            return AsciiScan::Found; // the one place the blocks do not start at
        return topBits(high) ? AsciiScan::NotFoundOther : AsciiScan::NotFoundAscii;
    }

private:
    bool matchesAt(const char* p) const
    {
        for (size_t k = 0; k < key_.size(); ++k)
            if (asciiUpper(static_cast<unsigned char>(p[k])) != static_cast<unsigned char>(key_[k]))
                return false;
        return true;
    }

    AsciiScan scanShort(std::string_view field) const
    {
        unsigned char any = 0;
        for (size_t i = 0; i < field.size(); ++i) {
            any |= static_cast<unsigned char>(field[i]);
            if (i + key_.size() <= field.size() && matchesAt(field.data() + i))
                return AsciiScan::Found;
        }
        return any < 0x80 ? AsciiScan::NotFoundAscii : AsciiScan::NotFoundOther;
    }

    std::string_view key_;
    CharTest first_;
    CharTest second_;
};

// The key with what is known of it once, for the many fields of a search.
class Matcher {
public:
    Matcher(std::string_view key, UpperCaseFn upper) : key_(key), upper_(upper)
    {
        if (isAscii(key))
            ascii_.emplace(key);
    }

    bool contains(std::string_view field) const
    {
        if (field.empty())
            return false;
        if (ascii_) {
            const AsciiScan scan = ascii_->scan(field);
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
    std::optional<AsciiKey> ascii_;
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
const TfcTreeNode& outsideLockedFolders(const TfcTreeNode& node)
{
    const TfcTreeNode* start = &node;
    for (const TfcTreeNode* p = node.Parent(); p; p = p->Parent())
        if (p->IsLocked())
            start = p;
    return *start;
}

// The walk that does not enter locked folders, over the pre-order index. The structure is read
// from the index, the locks live.
class UnlockedWalk {
public:
    explicit UnlockedWalk(PreorderIndex& index) : index_(index) {}

    int next(int at) const
    {
        return index_.hasChildren(at) && index_.node(at)->IsLocked() ? index_.end(at) : at + 1;
    }

    // From the previous sibling's subtree the walk comes back to its last node, or to the
    // topmost locked folder on the way down to it.
    int prev(int at) const
    {
        const int parent = index_.parent(at);
        int found = at - 1;
        if (found == parent)
            return found;
        for (int p = index_.parent(found); p != parent; p = index_.parent(p))
            if (index_.node(p)->IsLocked())
                found = p;
        return found;
    }

private:
    PreorderIndex& index_;
};

// A search is bound by memory rather than by comparing: while one node is tested, the memory is
// asked for the fields of a node far ahead, and for the texts of a nearer one whose fields have
// arrived since. The requests go to the second-level cache, which holds far more of them in
// flight than the first level; on the processors measured that took a third off a search.
constexpr int kNodesAhead = 32;
constexpr int kTextsAhead = 8;
constexpr int kToSecondLevel = 2;

// Always inlined: GCC counts a function that only prefetches as one without effect and drops
// its calls.
[[gnu::always_inline]] inline void prefetchFields(const TfcTreeNode& node)
{
    __builtin_prefetch(&node.Link1, 0, kToSecondLevel);
    __builtin_prefetch(&node.Description, 0, kToSecondLevel);
    __builtin_prefetch(&node.Password, 0, kToSecondLevel);
    __builtin_prefetch(&node.Kind, 0, kToSecondLevel);
    __builtin_prefetch(&node.Name(), 0, kToSecondLevel);
}

[[gnu::always_inline]] inline void prefetchText(const std::string& text)
{
    for (size_t offset = 0; offset < text.size(); offset += 64)
        __builtin_prefetch(text.data() + offset, 0, kToSecondLevel);
}

[[gnu::always_inline]] inline void prefetchTexts(const TfcTreeNode& node)
{
    prefetchText(node.Name());
    prefetchText(node.Description);
    prefetchText(node.Link1);
    prefetchText(node.Login);
    prefetchText(node.Password);
}

// The walk alone finds a match close by; further on it is shared among the processors, for it
// waits on memory far more than it computes.
constexpr int kNearStretch = 1 << 14;
constexpr int kMostParts = 4;
// How many nodes a part walks between looks at whether an earlier part has found a match.
constexpr int kCancelCheck = 4096;

// The walk in one direction over stretches of the pre-order positions.
class TreeScan {
public:
    struct Result {
        int found; // the matching position, or -1
        int next;  // where the walk would go on, -1 past the end
    };

    TreeScan(PreorderIndex& index, bool forward, const SearchFields& fields, const Matcher& matcher)
        : index_(index), walk_(index), forward_(forward), fields_(fields), matcher_(matcher)
    {
    }

    int step(int from) const { return forward_ ? walk_.next(from) : walk_.prev(from); }

    // From `from` (a position the walk visits) while the walk stays before `limit`: below it
    // forward, above it backward. `stop` tells that an earlier part has found a match already.
    Result run(int from, int limit, const std::function<bool()>& stop = {}) const
    {
        const int ahead = forward_ ? kNodesAhead : -kNodesAhead;
        const int textsAhead = forward_ ? kTextsAhead : -kTextsAhead;
        int checked = 0;
        int at = from;
        for (; inside(at) && (forward_ ? at < limit : at > limit); at = step(at)) {
            if (inside(at + ahead))
                prefetchFields(*index_.node(at + ahead));
            if (inside(at + textsAhead))
                prefetchTexts(*index_.node(at + textsAhead));
            if (matches(*index_.node(at), fields_, matcher_))
                return {at, at};
            if (stop && ++checked % kCancelCheck == 0 && stop())
                return {-1, -1};
        }
        return {-1, inside(at) ? at : -1};
    }

    // The walk from `from` up to `end` (exclusive, -1 backward) cut into parts walked side by
    // side; the match of the earliest part wins. The index must be complete: the parts only
    // read it.
    int runShared(int from, int end) const
    {
        const int length = std::abs(end - from);
        const int parts = std::clamp(std::min(int(std::thread::hardware_concurrency()), length / kNearStretch), 1, kMostParts);
        std::atomic<int> earliest{parts};
        std::vector<int> found(size_t(parts), -1);
        auto walkPart = [&](int part) {
            const int first = from + (end - from) / parts * part;
            const int limit = part + 1 == parts ? end : from + (end - from) / parts * (part + 1);
            const int at = part == 0 ? first : entry(first);
            const Result r = run(at, limit, [&] { return earliest.load(std::memory_order_relaxed) < part; });
            if (r.found >= 0) {
                found[size_t(part)] = r.found;
                for (int e = earliest.load(); part < e && !earliest.compare_exchange_weak(e, part);) {
                }
            }
        };
        std::vector<std::thread> helpers;
        for (int part = 1; part < parts; ++part)
            helpers.emplace_back(walkPart, part);
        walkPart(0);
        for (std::thread& helper : helpers)
            helper.join();
        const int winner = earliest.load();
        return winner < parts ? found[size_t(winner)] : -1;
    }

private:
    bool inside(int position) const { return position >= 0 && index_.reach(position); }

    // The first position at or after `position` in the walk's direction that the walk visits:
    // one inside a locked folder is passed over with the folder's subtree forward, and stands
    // for the folder backward.
    int entry(int position) const
    {
        int topLocked = -1;
        for (int p = index_.parent(position); p >= 0; p = index_.parent(p))
            if (index_.node(p)->IsLocked())
                topLocked = p;
        if (topLocked < 0)
            return position;
        return forward_ ? index_.end(topLocked) : topLocked;
    }

    PreorderIndex& index_;
    const UnlockedWalk walk_;
    const bool forward_;
    const SearchFields& fields_;
    const Matcher& matcher_;
};

} // namespace

bool ContainsUpper(std::string_view field, std::string_view key, UpperCaseFn upper)
{
    return !key.empty() && Matcher(key, upper).contains(field);
}

TfcTreeNode* SearchTree(const TfcTreeNodes& tree, const SearchQuery& query, UpperCaseFn upper)
{
    if (!tree.GetFirstNode() || query.text.empty())
        return nullptr;
    PreorderIndex& index = tree.Preorder();
    int at = !query.fromBeginning && tree.Selected() ? index.positionOf(outsideLockedFolders(*tree.Selected())) : 0;
    index.reach(at); // and with it every position before it, all that a backward walk reads
    const Matcher matcher(query.text, upper);
    const TreeScan scan(index, query.forward, query.fields, matcher);
    if (!query.includeStart)
        at = scan.step(at);
    // The next match is often near: the first stretch is walked alone, building the index only
    // as far as it reads. The rest of the tree is shared out.
    const int nearEnd = query.forward ? at + kNearStretch : at - kNearStretch;
    const TreeScan::Result near = scan.run(at, nearEnd);
    if (near.found >= 0 || near.next < 0)
        return near.found >= 0 ? index.node(near.found) : nullptr;
    index.complete();
    const int found = scan.runShared(near.next, query.forward ? index.built() : -1);
    return found >= 0 ? index.node(found) : nullptr;
}

} // namespace tarnlink
