#pragma once

// The duplicate-link check for many addresses at once. A link duplicates an address when its Link1
// or Link2 contains the address without its scheme (the text after the first "//"), lowered and
// trimmed, ignoring letter case; folders and the contents of locked folders never count; an
// address that is empty or nothing but a scheme has no duplicate. Asking that for each address
// with a walk of its own costs addresses x links; this index answers all of them with one walk.

#include "model/tree_node.h"
#include "substring_automaton.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnlink {

// The text a duplicate must contain; empty when nothing can duplicate the address.
std::string DuplicateKey(std::string_view address);

class DuplicateIndex {
public:
    explicit DuplicateIndex(const std::vector<std::string>& addresses);

    // One walk over the tree; each address keeps the first link of the walk that holds it.
    void scan(const TfcTreeNodes& tree);
    // A link added after the scan duplicates the addresses that had none, unless it is a folder or
    // sits in a locked folder.
    void noteAdded(TfcTreeNode& node);

    // The link that duplicates addresses[i], or null; null too once that link is deleted.
    TfcTreeNode* duplicate(size_t i) const;

private:
    struct Keys {
        std::vector<std::string> distinct;
        std::vector<int32_t> ofAddress; // -1 for an address without a key
    };
    static Keys keysOf(const std::vector<std::string>& addresses);
    explicit DuplicateIndex(Keys keys);
    void scanNode(TfcTreeNode& node);

    std::vector<int32_t> keyOf_; // per address: its key, or -1 when it has none
    SubstringAutomaton automaton_;
    std::vector<NodeHandle> found_; // per key
    size_t missing_;                // keys never found yet
};

} // namespace tarnlink
