#include "ui/tree/tree_edit_commands.h"

#include "model/node_icons.h"
#include "model/tree_node.h"
#include "platform/codepage.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/tree/favorite_files.h"

#include <unordered_set>

namespace tarnlink {

namespace {

// One command's changes: one update bracket, and no password dialog while it is open (the view
// waits for its reset and must not be painted meanwhile). A protected folder stays shut unless
// its password was given for this command.
class EditBracket {
public:
    explicit EditBracket(TfcTreeNodes& tree, const TfcTreeNode* opened = nullptr)
        : tree_(tree), guard_(std::move(tree.OnExpanding)), update_(tree)
    {
        tree_.OnExpanding = [opened](TfcTreeNode* node) {
            return node == opened || !node->IsFolder() || node->FolderPassword.empty();
        };
    }
    ~EditBracket() { tree_.OnExpanding = std::move(guard_); }
    EditBracket(const EditBracket&) = delete;
    EditBracket& operator=(const EditBracket&) = delete;

private:
    TfcTreeNodes& tree_;
    std::function<bool(TfcTreeNode*)> guard_;
    UpdateGuard update_;
};

// Nodes chosen to leave the tree; what lies inside one of them goes with it.
class Leaving {
public:
    bool covers(const TfcTreeNode* node) const
    {
        if (chosen_.empty())
            return false;
        for (const TfcTreeNode* n = node; n; n = n->Parent())
            if (chosen_.count(n))
                return true;
        return false;
    }
    void add(TfcTreeNode* node)
    {
        chosen_.insert(node);
        order_.push_back(node);
    }
    const std::vector<TfcTreeNode*>& nodes() const { return order_; }

private:
    std::unordered_set<const TfcTreeNode*> chosen_;
    std::vector<TfcTreeNode*> order_;
};

// The translated verb, a quotation mark, the name, a question mark and a quotation mark.
QString question(const char* verb, const TfcTreeNode& node)
{
    return Translate(verb) + QLatin1Char('"') + codepage::toDisplay(node.Name()) + QStringLiteral("?\"");
}

bool sameLevel(const std::vector<TfcTreeNode*>& nodes)
{
    const int level = nodes.front()->Level();
    for (const TfcTreeNode* n : nodes)
        if (n->Level() != level)
            return false;
    return true;
}

// Where the selection goes when the node holding it is taken away: a sibling, else an ancestor.
std::vector<NodeHandle> placesAfter(TfcTreeNode* node)
{
    std::vector<NodeHandle> places;
    for (TfcTreeNode* n : {node->NextSibling(), node->PrevSibling()})
        if (n)
            places.push_back(n->Handle());
    for (TfcTreeNode* p = node->Parent(); p; p = p->Parent())
        places.push_back(p->Handle());
    return places;
}

} // namespace

TreeEditCommands::TreeEditCommands(TfcTreeNodes& tree, PromptsSource prompts) : tree_(tree), prompts_(std::move(prompts))
{
}

std::vector<TfcTreeNode*> TreeEditCommands::selection() const
{
    std::vector<TfcTreeNode*> nodes;
    nodes.reserve(size_t(tree_.SelectionCount()));
    for (int i = 0; i < tree_.SelectionCount(); ++i)
        nodes.push_back(tree_.Selection(i));
    return nodes;
}

bool TreeEditCommands::passwordGiven(TfcTreeNode* folder)
{
    return !tree_.OnExpanding || tree_.OnExpanding(folder);
}

TreeCounts TreeEditCommands::removeNodes(const std::vector<TfcTreeNode*>& nodes, const QString& favorites)
{
    TfcTreeNode* selected = tree_.Selected();
    std::vector<NodeHandle> successors;
    TreeCounts removed;
    for (TfcTreeNode* node : nodes) {
        if (selected && (selected == node || selected->HasAsParent(node))) {
            successors = placesAfter(node);
            selected = nullptr;
        }
        if (!favorites.isEmpty())
            DeleteFavoriteOf(*node, favorites);
        removed += CountSubtree(*node);
        tree_.Delete(node);
    }
    if (!tree_.Selected())
        for (const NodeHandle& place : successors)
            if (TfcTreeNode* n = place.get()) {
                tree_.AddToSelection(n);
                n->Focused = true;
                break;
            }
    return removed;
}

void TreeEditCommands::MDelete2Click()
{
    const std::vector<TfcTreeNode*> pending = selection();
    if (pending.empty())
        return;
    // Every question comes first; a node inside one already chosen goes with it unasked.
    Leaving leaving;
    size_t next = 0;
    for (; next < pending.size(); ++next) {
        TfcTreeNode* node = pending[next];
        if (leaving.covers(node))
            continue;
        if (node->SelectedIndex == icon::FolderProtectedSelected && !node->Expanded() && !passwordGiven(node))
            break; // the rest, this folder included, stays as it was
        if (options_.confirmDelete && prompts_().ask(question("Delete", *node), AskButtons::YesNo) != Answer::Yes)
            continue; // out of the selection, still in the tree
        leaving.add(node);
    }
    std::vector<TfcTreeNode*> staying; // what a refused password leaves selected
    for (size_t i = next; i < pending.size(); ++i)
        if (!leaving.covers(pending[i]))
            staying.push_back(pending[i]);
    const QString favorites = options_.deleteFavorites ? hooks_.favoritesFolder() : QString();
    TreeCounts removed;
    {
        EditBracket bracket(tree_);
        // Rebuilt rather than shrunk node by node: a long selection would be shifted once per node.
        tree_.ClearSelection();
        removed = removeNodes(leaving.nodes(), favorites);
        TfcTreeNode* selected = tree_.Selected();
        for (TfcTreeNode* node : staying)
            tree_.AddToSelection(node);
        if (selected && !staying.empty())
            tree_.AddToSelection(selected);
    }
    hooks_.treeEdited({TreeChange::Deleted, {}, removed});
    hooks_.showSelection();
}

void TreeEditCommands::MCopyNodeClick()
{
    if (tree_.SelectionCount() == 0)
        return;
    clipboard_.Copy(selection());
    hooks_.clipboardChanged();
}

void TreeEditCommands::MCutNodeClick()
{
    const std::vector<TfcTreeNode*> nodes = selection();
    if (nodes.empty())
        return;
    clipboard_.Copy(nodes);
    hooks_.clipboardChanged();
    Leaving leaving;
    for (TfcTreeNode* node : nodes)
        if (node->FolderPassword.empty() && !leaving.covers(node))
            leaving.add(node);
    std::vector<TfcTreeNode*> staying; // protected folders stay, and stay selected
    for (TfcTreeNode* node : nodes)
        if (!leaving.covers(node))
            staying.push_back(node);
    TreeCounts removed;
    {
        EditBracket bracket(tree_);
        tree_.ClearSelection();
        removed = removeNodes(leaving.nodes(), QString());
        for (TfcTreeNode* node : staying)
            tree_.AddToSelection(node);
    }
    hooks_.treeEdited({TreeChange::Cut, {}, removed});
    hooks_.showSelection();
}

void TreeEditCommands::MPasteNodeClick()
{
    if (clipboard_.Empty())
        return;
    TfcTreeNode* selected = tree_.Selected();
    TfcTreeNode* parent = nullptr;
    TfcTreeNode* after = nullptr;
    if (selected && selected->Focused) {
        if (!selected->IsFolder()) {
            after = selected;
        } else {
            // A protected folder is opened first, which asks for its password; the copies go in
            // whether or not it was given.
            if (selected->ImageIndex == icon::FolderProtected)
                tree_.Expand(selected, false);
            parent = selected;
        }
    }
    const TreeCounts added = clipboard_.PasteInto(tree_, parent, after);
    hooks_.treeEdited({TreeChange::Pasted, added, {}});
    hooks_.showSelection();
}

void TreeEditCommands::moveUp(const std::vector<TfcTreeNode*>& nodes)
{
    for (TfcTreeNode* node : nodes) {
        TfcTreeNode* previous = node->PrevSibling();
        if (!previous)
            return;
        tree_.MoveTo(node, previous, 4);
    }
}

void TreeEditCommands::moveDown(const std::vector<TfcTreeNode*>& nodes)
{
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        TfcTreeNode* next = (*it)->NextSibling();
        if (!next)
            return;
        if (TfcTreeNode* afterNext = next->NextSibling())
            tree_.MoveTo(*it, afterNext, 4);
        else
            tree_.MoveTo(*it, *it, 0); // the last sibling
    }
}

void TreeEditCommands::ButUpClick(int tag)
{
    std::vector<TfcTreeNode*> nodes = selection();
    if (nodes.empty())
        return;
    const bool down = tag < 0;
    if (nodes.size() < 2 || !sameLevel(nodes)) {
        TfcTreeNode* selected = tree_.Selected();
        if (!selected || !(down ? selected->NextSibling() : selected->PrevSibling()))
            return; // a node at the end of its level stays, and nothing changes
        nodes = {selected};
    }
    {
        EditBracket bracket(tree_);
        if (down)
            moveDown(nodes);
        else
            moveUp(nodes);
    }
    hooks_.treeEdited({TreeChange::Moved});
}

void TreeEditCommands::BtnCollapseClick()
{
    if (!tree_.GetFirstNode())
        return;
    {
        UpdateGuard update(tree_);
        tree_.FullCollapse();
    }
    if (tree_.Selected())
        hooks_.showSelection();
}

void TreeEditCommands::TreeInetDragDrop(const NodeDrop& drop)
{
    std::vector<TfcTreeNode*> dragged = selection();
    if (dragged.size() < 2) {
        dragged.clear();
        if (TfcTreeNode* selected = tree_.Selected())
            dragged.push_back(selected);
    }
    TfcTreeNode* target = drop.target;
    int mode = 0;
    if (target)
        mode = !target->IsFolder() || drop.ctrl ? 4 : 2;
    else if (dragged.size() > 1)
        target = drop.lastHighlighted;

    // A locked folder that receives nodes asks for its password once; refused, nothing moves
    // into it, so nothing disappears into a folder the user cannot open.
    const bool intoLocked = mode == 2 && target->IsLocked();
    if (intoLocked && !passwordGiven(target))
        dragged.clear();
    std::vector<TfcTreeNode*> moving;
    for (TfcTreeNode* node : dragged) {
        if (target && (target == node ? mode != 0 : target->HasAsParent(node)))
            continue; // nowhere to go: onto itself, or a folder into its own subtree
        if (options_.confirmMove && prompts_().ask(question("Move", *node), AskButtons::YesNo) != Answer::Yes)
            continue;
        moving.push_back(node);
    }
    if (!moving.empty()) {
        EditBracket bracket(tree_, intoLocked ? target : nullptr);
        for (TfcTreeNode* node : moving)
            tree_.MoveTo(node, target, mode);
    }
    hooks_.treeEdited({TreeChange::Moved});
}

} // namespace tarnlink
