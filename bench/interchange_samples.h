#pragma once

// The collection the import and export benchmarks work on: 100 folders of 1,000 links, and the
// same links as a text import file.

#include "model/node_icons.h"
#include "model/tree_node.h"

#include <memory>
#include <string>

namespace tarnlink::bench {

inline constexpr int kFolders = 100;
inline constexpr int kLinksPerFolder = 1000;

inline std::string linkName(int folder, int link)
{
    return "Link " + std::to_string(folder) + "-" + std::to_string(link);
}

inline std::string address(int folder, int link)
{
    return "http://host" + std::to_string(folder) + ".example/path/" + std::to_string(link) + "?q=Value";
}

// kFolders folders of kLinksPerFolder links with a name, an address and a description each;
// fill gives a link what else it holds.
template <typename Fill>
std::unique_ptr<TfcTreeNodes> buildSampleTree(Fill fill)
{
    auto t = std::make_unique<TfcTreeNodes>();
    for (int f = 0; f < kFolders; ++f) {
        TfcTreeNode* folder = t->AddChild(nullptr, "Folder " + std::to_string(f));
        folder->Kind = KindFolder;
        SetIconsForKind(*folder);
        for (int l = 0; l < kLinksPerFolder; ++l) {
            TfcTreeNode* link = t->AddChild(folder, linkName(f, l));
            link->Link1 = address(f, l);
            link->Description = "A short description";
            fill(*link, l);
            SetIconsForKind(*link);
        }
    }
    return t;
}

inline const TfcTreeNodes& sampleTree()
{
    static const std::unique_ptr<TfcTreeNodes> tree = buildSampleTree([](TfcTreeNode& link, int l) {
        link.Login = "user";
        link.Clicks = l;
    });
    return *tree;
}

inline std::string sampleText()
{
    std::string text;
    for (int f = 0; f < kFolders; ++f) {
        text += "[Folder " + std::to_string(f) + "]\r\n";
        for (int l = 0; l < kLinksPerFolder; ++l)
            text += linkName(f, l) + "\t" + address(f, l) + "\tuser\tsecret\tA short description\r\n";
    }
    return text;
}

} // namespace tarnlink::bench
