#pragma once

// Building and reading small trees in the model's tests.

#include "model/node_icons.h"
#include "model/tree_node.h"

#include <random>
#include <string>
#include <vector>

namespace tarnlink::testing {

// Names of the tree in pre-order, children in brackets: "A[a1 a2] B".
inline std::string shape(const TfcTreeNodes& tree)
{
    std::string out;
    auto visit = [&](auto&& self, const TfcTreeNode* n) -> void {
        out += n->Name();
        if (n->HasChildren()) {
            out += '[';
            for (int i = 0; i < n->ChildCount(); ++i) {
                if (i)
                    out += ' ';
                self(self, n->Item(i));
            }
            out += ']';
        }
    };
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->NextSibling()) {
        if (!out.empty())
            out += ' ';
        visit(visit, n);
    }
    return out;
}

inline TfcTreeNode* folder(TfcTreeNodes& tree, TfcTreeNode* parent, const std::string& name)
{
    TfcTreeNode* f = tree.AddChild(parent, name);
    f->Kind = KindFolder;
    SetFolderIcons(*f, false);
    return f;
}

// A folder with a password, collapsed: the walks that respect protection skip its contents.
inline TfcTreeNode* lockedFolder(TfcTreeNodes& tree, TfcTreeNode* parent, const std::string& name)
{
    TfcTreeNode* f = folder(tree, parent, name);
    f->FolderPassword = "0102";
    SetFolderIcons(*f, true);
    return f;
}

inline TfcTreeNode* link(TfcTreeNodes& tree, TfcTreeNode* parent, const std::string& name, const std::string& link1 = "")
{
    TfcTreeNode* l = tree.AddChild(parent, name);
    l->Link1 = link1;
    SetLinkRating(*l, 0);
    return l;
}

inline TfcTreeNode* separator(TfcTreeNodes& tree, TfcTreeNode* parent, const std::string& name = "")
{
    TfcTreeNode* s = tree.AddChild(parent, name);
    s->Kind = KindSeparator;
    s->ImageIndex = s->SelectedIndex = icon::Separator;
    return s;
}

// A tree of `count` nodes in a random shape up to five levels deep: links, separators and
// folders, some of them with a password and some expanded. Every text is made of the letters
// a to c in either case, so that short keys match now and then.
inline void randomTree(TfcTreeNodes& tree, std::mt19937& rng, int count)
{
    auto text = [&] {
        std::string s;
        for (int i = int(rng() % 4); i > 0; --i)
            s += "abcABC"[rng() % 6];
        return s;
    };
    std::vector<TfcTreeNode*> folders{nullptr};
    for (int i = 0; i < count; ++i) {
        TfcTreeNode* parent = folders[rng() % folders.size()];
        switch (rng() % 6) {
        case 0:
            separator(tree, parent, text());
            break;
        case 1:
        case 2: {
            TfcTreeNode* f = rng() % 2 ? lockedFolder(tree, parent, text()) : folder(tree, parent, text());
            f->Description = text();
            if (f->Level() < 4)
                folders.push_back(f);
            break;
        }
        default: {
            TfcTreeNode* l = link(tree, parent, text(), text());
            l->Description = text();
            l->Login = text();
            l->Password = text();
        }
        }
    }
    for (TfcTreeNode* f : folders)
        if (f && rng() % 2)
            tree.Expand(f, false);
}

} // namespace tarnlink::testing
