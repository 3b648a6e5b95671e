#include "check_plan.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tarnlink {

namespace {

bool isLocalPath(const std::string& link)
{
    return link.find(":\\") != std::string::npos;
}

// Big enough that a million addresses take some hundred blocks.
constexpr size_t kTextBlock = size_t(1) << 18;

bool entersUnlocked(const TfcTreeNode& node)
{
    return !node.IsLocked();
}

bool entersAll(const TfcTreeNode&)
{
    return true;
}

// The children walk of a selected folder goes into folders without a password only.
bool entersOpenFolder(const TfcTreeNode& node)
{
    return node.IsFolder() && node.FolderPassword.empty() && node.HasChildren();
}

class WholeTreeWalk final : public CheckWalk {
public:
    explicit WholeTreeWalk(TfcTreeNodes& tree) { place_.keep(tree.GetFirstNode(), nullptr, 0, nullptr); }

    bool advance(SliceBudget budget) override
    {
        int index = 0;
        TfcTreeNode* node = place_.resume(nullptr, index);
        TfcTreeNode* last = nullptr;
        while (node) {
            if (!node->IsLocked() && node->IsLink() && !node->Link1.empty() && !isLocalPath(node->Link1))
                addRequest(*node, index, index);
            last = node;
            node = place_.step(node, index, nullptr);
            if (budget.spent())
                break;
        }
        place_.keep(node, last, index, nullptr);
        return node != nullptr;
    }

private:
    WalkPlace place_{entersUnlocked};
};

// First one pre-order pass finds the AbsoluteIndex of every selected node, then the selection
// list is gone through.
class SelectedNodesWalk final : public CheckWalk {
public:
    explicit SelectedNodesWalk(TfcTreeNodes& tree)
    {
        selection_.reserve(tree.SelectionCount());
        indexes_.reserve(tree.SelectionCount());
        for (int i = 0; i < tree.SelectionCount(); ++i) {
            TfcTreeNode* node = tree.Selection(i);
            selection_.push_back(node->Handle());
            indexes_.emplace(node, -1);
        }
        unindexed_ = tree.SelectionCount();
        indexPlace_.keep(unindexed_ > 0 ? tree.GetFirstNode() : nullptr, nullptr, 0, nullptr);
    }

    bool advance(SliceBudget budget) override
    {
        if (!findIndexes(budget))
            return true;
        while (place_ < static_cast<int>(selection_.size())) {
            if (inFolder_) {
                if (!walkFolder(budget))
                    return true;
                continue;
            }
            if (TfcTreeNode* node = selection_[place_].get(); node && !node->IsLocked()) {
                if (node->IsFolder()) {
                    beginFolder(*node);
                    continue;
                }
                if (node->IsLink() && !node->Link1.empty())
                    addRequest(*node, indexOf(*node), place_);
                else
                    addPace(indexOf(*node), place_);
            }
            ++place_;
            if (budget.spent())
                break;
        }
        return place_ < static_cast<int>(selection_.size());
    }

private:
    // True once every selected node's index is known or the tree has been walked through.
    bool findIndexes(SliceBudget& budget)
    {
        if (unindexed_ == 0)
            return true;
        int index = 0;
        TfcTreeNode* node = indexPlace_.resume(nullptr, index);
        TfcTreeNode* last = nullptr;
        while (node && unindexed_ > 0) {
            if (auto found = indexes_.find(node); found != indexes_.end() && found->second < 0) {
                found->second = index;
                --unindexed_;
            }
            last = node;
            node = indexPlace_.step(node, index, nullptr);
            if (budget.spent())
                break;
        }
        if (!node)
            unindexed_ = 0;
        indexPlace_.keep(unindexed_ > 0 ? node : nullptr, last, index, nullptr);
        return unindexed_ == 0;
    }

    // A node moved in behind the index pass was not seen by it.
    int indexOf(const TfcTreeNode& node) const
    {
        const auto found = indexes_.find(&node);
        return found != indexes_.end() && found->second >= 0 ? found->second : node.AbsoluteIndex();
    }

    void beginFolder(TfcTreeNode& folder)
    {
        inFolder_ = true;
        folder_ = folder.Handle();
        entered_.assign(1, {folder_, indexOf(folder)});
        folderPlace_.keep(folder.FirstChild(), nullptr, entered_.front().second + 1, &folder);
    }

    // True once the selected folder's walk is done, its own pause included.
    bool walkFolder(SliceBudget& budget)
    {
        TfcTreeNode* folder = folder_.get();
        int index = 0;
        TfcTreeNode* node = folder ? folderPlace_.resume(folder, index) : nullptr;
        const TfcTreeNode* end = folder ? folder->GetNextAfterSubtree() : nullptr;
        TfcTreeNode* last = nullptr;
        while (node) {
            leaveFoldersAbove(node);
            if (entersOpenFolder(*node))
                entered_.emplace_back(node->Handle(), index);
            else if (node->IsLink() && !node->Link1.empty())
                addRequest(*node, index, place_);
            else
                addPace(index, place_);
            last = node;
            node = folderPlace_.step(node, index, end);
            if (node && budget.spent()) {
                folderPlace_.keep(node, last, index, folder);
                return false;
            }
        }
        leaveFoldersAbove(nullptr);
        inFolder_ = false;
        ++place_;
        return true;
    }

    // An entered folder paces once the walk has left it; a deleted one does not.
    void leaveFoldersAbove(const TfcTreeNode* node)
    {
        while (!entered_.empty()) {
            const auto& [handle, index] = entered_.back();
            const TfcTreeNode* folder = handle.get();
            if (node && folder && node->HasAsParent(folder))
                return;
            if (folder)
                addPace(index, place_);
            entered_.pop_back();
        }
    }

    std::vector<NodeHandle> selection_;
    std::unordered_map<const TfcTreeNode*, int> indexes_;
    int unindexed_ = 0;
    WalkPlace indexPlace_{entersAll};
    int place_ = 0; // in the selection list
    bool inFolder_ = false;
    NodeHandle folder_;
    std::vector<std::pair<NodeHandle, int>> entered_; // folders the walk is inside, with their index
    WalkPlace folderPlace_{entersOpenFolder};
};

CheckPlan planAtOnce(CheckWalk& walk)
{
    while (walk.advance(SliceBudget(INT_MAX))) {
    }
    return walk.takePlan();
}

} // namespace

std::string_view TextStore::keep(std::string_view text)
{
    if (blocks_.empty() || text.size() > size_ - used_) {
        size_ = std::max(kTextBlock, text.size());
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size_));
        used_ = 0;
    }
    char* at = blocks_.back().get() + used_;
    std::copy(text.begin(), text.end(), at);
    used_ += text.size();
    return {at, text.size()};
}

void CheckWalk::addRequest(TfcTreeNode& node, int nodeIndex, int progress)
{
    plan_.steps.push_back({true, node.Handle(), plan_.links.keep(node.Link1), nodeIndex, progress});
}

void CheckWalk::addPace(int nodeIndex, int progress)
{
    plan_.steps.push_back({false, {}, {}, nodeIndex, progress});
}

std::unique_ptr<CheckWalk> WalkWholeTree(TfcTreeNodes& tree)
{
    return std::make_unique<WholeTreeWalk>(tree);
}

std::unique_ptr<CheckWalk> WalkSelectedNodes(TfcTreeNodes& tree)
{
    return std::make_unique<SelectedNodesWalk>(tree);
}

CheckPlan PlanWholeTree(TfcTreeNodes& tree)
{
    return planAtOnce(*WalkWholeTree(tree));
}

CheckPlan PlanSelectedNodes(TfcTreeNodes& tree)
{
    return planAtOnce(*WalkSelectedNodes(tree));
}

} // namespace tarnlink
