#pragma once

// The find routine: the first node, in the walk that does not enter locked folders, whose
// searched fields contain a text, compared in upper case.

#include <string>
#include <string_view>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

// Which fields are searched. With `all` on the other five are ignored. Link, Login and Password
// are searched in links only; Link2 never.
struct SearchFields {
    bool all = true;
    bool name = true;
    bool description = true;
    bool link = true;
    bool login = true;
    bool password = true;
};

struct SearchQuery {
    std::string text; // already in upper case, UTF-8; an empty text matches nothing
    SearchFields fields;
    bool includeStart = true;   // the start node itself is tested
    bool fromBeginning = true;  // start at the first top-level node, else at the selected one
    bool forward = true;
};

// A field in upper case as UTF-8, by the locale's rules. Only fields that are not plain ASCII
// are handed to it; plain ASCII text is compared without converting it. A search over a large
// tree calls it from several threads at once.
using UpperCaseFn = std::string (*)(std::string_view bytes);

// Whether the field, upper-cased, contains key (already upper case).
bool ContainsUpper(std::string_view field, std::string_view key, UpperCaseFn upper);

TfcTreeNode* SearchTree(const TfcTreeNodes& tree, const SearchQuery& query, UpperCaseFn upper);

} // namespace tarnlink
