#include "duplicate_index.h"

#include "platform/codepage.h"

#include <algorithm>
#include <unordered_map>

namespace tarnlink {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uint8_t(c) < 0x80; });
}

bool insideLockedFolder(const TfcTreeNode& node)
{
    for (const TfcTreeNode* p = node.Parent(); p; p = p->Parent())
        if (p->IsLocked())
            return true;
    return false;
}

} // namespace

std::string DuplicateKey(std::string_view address)
{
    const size_t slashes = address.find("//");
    return codepage::trimmed(codepage::lower(slashes == std::string_view::npos ? address : address.substr(slashes + 2)));
}

DuplicateIndex::Keys DuplicateIndex::keysOf(const std::vector<std::string>& addresses)
{
    Keys keys;
    std::unordered_map<std::string, int32_t> seen;
    keys.ofAddress.reserve(addresses.size());
    for (const std::string& address : addresses) {
        std::string key = DuplicateKey(address);
        if (key.empty()) {
            keys.ofAddress.push_back(-1);
            continue;
        }
        const auto [it, inserted] = seen.try_emplace(key, int32_t(keys.distinct.size()));
        if (inserted)
            keys.distinct.push_back(std::move(key));
        keys.ofAddress.push_back(it->second);
    }
    return keys;
}

DuplicateIndex::DuplicateIndex(const std::vector<std::string>& addresses) : DuplicateIndex(keysOf(addresses)) {}

DuplicateIndex::DuplicateIndex(Keys keys)
    : keyOf_(std::move(keys.ofAddress)), automaton_(keys.distinct), found_(keys.distinct.size()),
      missing_(keys.distinct.size())
{
}

void DuplicateIndex::scan(const TfcTreeNodes& tree)
{
    for (TfcTreeNode* node = tree.GetFirstNode(); node && missing_ > 0; node = node->GetNextUnlocked())
        if (!node->IsFolder())
            scanNode(*node);
}

void DuplicateIndex::noteAdded(TfcTreeNode& node)
{
    if (!node.IsFolder() && !insideLockedFolder(node))
        scanNode(node);
}

void DuplicateIndex::scanNode(TfcTreeNode& node)
{
    const auto hit = [&](int32_t key) {
        // A deleted holder gives way to the next link that holds the key.
        if (!found_[key]) {
            if (found_[key] == NodeHandle())
                --missing_;
            found_[key] = node.Handle();
        }
    };
    for (const std::string* text : {&node.Link1, &node.Link2}) {
        if (text->empty())
            continue;
        if (isAscii(*text))
            automaton_.scan(*text, hit);
        else
            automaton_.scan(codepage::lower(*text), hit);
    }
}

TfcTreeNode* DuplicateIndex::duplicate(size_t i) const
{
    const int32_t key = keyOf_[i];
    return key >= 0 ? found_[key].get() : nullptr;
}

} // namespace tarnlink
