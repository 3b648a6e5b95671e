#pragma once

// The bookmark tree: nodes (links, folders, separators) and the collection that owns them with
// every structural operation and walk. No Qt here; a view follows the tree through TreeObserver.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarnlink {

class TfcTreeNodes;
class PreorderIndex;
class ByteReader;
class ByteWriter;

enum NodeKind : int32_t {
    KindLink = 0,
    KindFolder = 1,
    KindSeparator = 7,
};

class TfcTreeNode;

// A reference to a node that outlives it safely: get() returns null once the node is deleted.
// Handles may be copied on any thread; get() is meaningful only on the thread that edits the tree.
class NodeHandle {
public:
    NodeHandle() = default;
    TfcTreeNode* get() const { return slot_ ? slot_->load(std::memory_order_acquire) : nullptr; }
    explicit operator bool() const { return get() != nullptr; }
    bool operator==(const NodeHandle& other) const { return slot_ == other.slot_; }

private:
    friend class TfcTreeNode;
    explicit NodeHandle(std::shared_ptr<std::atomic<TfcTreeNode*>> slot) : slot_(std::move(slot)) {}
    std::shared_ptr<std::atomic<TfcTreeNode*>> slot_;
};

class TfcTreeNode {
public:
    ~TfcTreeNode();
    TfcTreeNode(const TfcTreeNode&) = delete;
    TfcTreeNode& operator=(const TfcTreeNode&) = delete;

    // Stored fields. Whoever changes them also fixes the icons and calls TfcTreeNodes::NodeChanged.
    std::string Link1;
    std::string Link2;
    std::string Description;
    std::string Login;
    std::string Password;
    std::string Visited;
    std::string FolderPassword;
    std::string PicturePath;
    int32_t Clicks = 0;
    int32_t Kind = KindLink;
    int32_t ImageIndex = 0;
    int32_t SelectedIndex = 0;
    int32_t StateIndex = -1;
    int32_t OverlayIndex = -1;
    int32_t Data = 0;
    uint8_t CheckboxType = 0;
    bool Checked = false;
    bool Grayed = false;

    // Display states kept for the view; never stored.
    bool Focused = false;
    bool Cut = false;
    bool DropTarget = false;

    const std::string& Name() const { return name_; }
    void SetName(std::string name);

    bool IsLink() const { return Kind == KindLink; }
    bool IsFolder() const { return Kind == KindFolder; }
    bool IsSeparator() const { return Kind == KindSeparator; }

    // Structure. Parent() is null for a top-level node.
    TfcTreeNodes* Owner() const { return owner_; }
    TfcTreeNode* Parent() const;
    TfcTreeNode* FirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TfcTreeNode* LastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TfcTreeNode* NextSibling() const;
    TfcTreeNode* PrevSibling() const;
    int ChildCount() const { return static_cast<int>(children_.size()); }
    TfcTreeNode* Item(int i) const;
    int IndexOf(const TfcTreeNode* child) const;
    int Index() const { return index_; }
    bool HasChildren() const { return !children_.empty(); }
    bool HasAsParent(const TfcTreeNode* ancestor) const;
    int Level() const;
    int AbsoluteIndex() const;

    // Pre-order walks over the whole tree.
    TfcTreeNode* GetNext() const;
    TfcTreeNode* GetPrev() const;
    // The node that follows this node's whole subtree in pre-order.
    TfcTreeNode* GetNextAfterSubtree() const;

    // A folder with a password that has not been opened: walks that respect protection skip
    // its contents.
    bool IsLocked() const { return !FolderPassword.empty() && !expanded_; }
    TfcTreeNode* GetNextUnlocked() const;
    TfcTreeNode* GetPrevUnlocked() const;

    bool Expanded() const { return expanded_; }
    bool Expand(bool recursive);
    void Collapse(bool recursive);
    bool Selected() const;
    void MoveTo(TfcTreeNode* target, int mode);
    void Delete();

    // Copies every stored field but Grayed, and the focused, drop-target and cut states.
    void Assign(const TfcTreeNode& source);

    NodeHandle Handle();

private:
    friend class TfcTreeNodes;
    friend class PreorderIndex;
    explicit TfcTreeNode(TfcTreeNodes* owner) : owner_(owner) {}

    TfcTreeNodes* owner_;
    TfcTreeNode* parent_ = nullptr; // the hidden root for top-level nodes
    std::vector<std::unique_ptr<TfcTreeNode>> children_;
    std::shared_ptr<std::atomic<TfcTreeNode*>> handle_;
    std::string name_;
    int index_ = 0;
    bool expanded_ = false;
    bool inSelection_ = false;
};

// What a view needs to follow the tree. Parent null means the top level. Rows in a move follow
// Qt's convention: dstRow is counted in the destination before the node is taken out.
// Between aboutToReset and resetDone (a BeginUpdate/EndUpdate bracket) no other call comes.
class TreeObserver {
public:
    virtual ~TreeObserver() = default;
    virtual void nodesAboutToBeInserted(TfcTreeNode* parent, int first, int last) {}
    virtual void nodesInserted() {}
    virtual void nodesAboutToBeRemoved(TfcTreeNode* parent, int first, int last) {}
    virtual void nodesRemoved() {}
    virtual void nodeAboutToBeMoved(TfcTreeNode* srcParent, int srcRow, TfcTreeNode* dstParent, int dstRow) {}
    virtual void nodeMoved() {}
    virtual void nodeChanged(TfcTreeNode* node) {}
    virtual void expandedAboutToChange(TfcTreeNode* node) {}
    virtual void expandedChanged(TfcTreeNode* node) {}
    virtual void selectionChanged() {}
    virtual void aboutToReset() {}
    virtual void resetDone() {}
};

// Deepest nesting the tree accepts from a stream; deeper data is treated as damage.
inline constexpr int kMaxNestingDepth = 1000;

class TfcTreeNodes {
public:
    TfcTreeNodes();
    ~TfcTreeNodes();
    TfcTreeNodes(const TfcTreeNodes&) = delete;
    TfcTreeNodes& operator=(const TfcTreeNodes&) = delete;

    // Creating nodes. A null parent or sibling means the top level.
    TfcTreeNode* AddChild(TfcTreeNode* parent, std::string name);
    TfcTreeNode* AddChildFirst(TfcTreeNode* parent, std::string name);
    TfcTreeNode* Add(TfcTreeNode* sibling, std::string name);
    TfcTreeNode* Insert(TfcTreeNode* sibling, std::string name);

    void Delete(TfcTreeNode* node);
    void Clear();
    // Puts the children of parent (null: the top level) into the given order, which must hold
    // each of them once; otherwise nothing changes. No node changes its parent or its expanded
    // state, and the view hears one reset.
    void ReorderChildren(TfcTreeNode* parent, const std::vector<TfcTreeNode*>& order);
    // Modes: 0 last child of target's parent, 1 first child of target's parent, 2 last child of
    // target, 3 first child of target, 4 just before target, 5 just after target.
    void MoveTo(TfcTreeNode* node, TfcTreeNode* target, int mode);

    TfcTreeNode* GetFirstNode() const;
    int TopLevelCount() const { return root_->ChildCount(); }
    TfcTreeNode* TopLevelItem(int i) const { return root_->Item(i); }
    int Count() const { return count_; }
    // Throws InvalidIndexError outside 0..Count()-1.
    TfcTreeNode* NodeAt(int absoluteIndex);

    // Expansion goes through OnExpanding, which may refuse (the folder password guard).
    std::function<bool(TfcTreeNode*)> OnExpanding;
    bool Expand(TfcTreeNode* node, bool recursive);
    void Collapse(TfcTreeNode* node, bool recursive);
    void FullExpand();
    void FullCollapse();

    // The current node and the multi-selection list, in the order nodes were selected.
    TfcTreeNode* Selected() const { return selected_; }
    void Select(TfcTreeNode* node);          // current node and the only member of the list
    void AddToSelection(TfcTreeNode* node);  // current node, appended to the list
    void RemoveFromSelection(TfcTreeNode* node);
    void ClearSelection();
    int SelectionCount() const { return static_cast<int>(selection_.size()); }
    TfcTreeNode* Selection(int i) const;
    // Expands every ancestor (through the guard); false when one stayed shut.
    bool MakeVisible(TfcTreeNode* node);

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    void SaveToStream(ByteWriter& stream);
    void LoadFromStream(ByteReader& stream);
    // 0 until the tree was first saved or loaded, then 1; it decides how oversized records are read.
    int StreamVersion() const { return streamVersion_; }

    // Changes with every insertion, deletion, move and clear, so that a walk paused between two
    // turns of the event loop can tell whether the positions it counted still hold.
    uint64_t StructureStamp() const { return structureStamp_; }
    // The nodes in pre-order for walks over the whole tree: kept from call to call, started over
    // after a structural change.
    PreorderIndex& Preorder() const;

    void SetObserver(TreeObserver* observer) { observer_ = observer; }
    // Tells the view that a node's stored fields changed.
    void NodeChanged(TfcTreeNode* node);

private:
    friend class TfcTreeNode;
    TfcTreeNode* insertNode(TfcTreeNode* parent, int row, std::string name);
    void detachSubtree(TfcTreeNode* node);
    void setExpanded(TfcTreeNode* node, bool expanded);
    static void renumber(TfcTreeNode* parent, int from);
    TfcTreeNode* parentOf(TfcTreeNode* node) const; // null for the root's children
    TfcTreeNode* rootOr(TfcTreeNode* node) const { return node ? node : root_.get(); }
    void forget()
    {
        cacheNode_ = nullptr;
        ++structureStamp_;
    }
    bool notifying() const { return observer_ && updateCount_ == 0; }
    void destroyChildren(TfcTreeNode* node);

    std::unique_ptr<TfcTreeNode> root_;
    TreeObserver* observer_ = nullptr;
    TfcTreeNode* selected_ = nullptr;
    std::vector<TfcTreeNode*> selection_;
    TfcTreeNode* cacheNode_ = nullptr;
    int cacheIndex_ = 0;
    int count_ = 0;
    int updateCount_ = 0;
    int streamVersion_ = 0;
    uint64_t structureStamp_ = 0;
    mutable std::unique_ptr<PreorderIndex> preorder_;
};

// Ends an update bracket on every path out of a scope, exceptions included.
class UpdateGuard {
public:
    explicit UpdateGuard(TfcTreeNodes& tree) : tree_(tree) { tree_.BeginUpdate(); }
    ~UpdateGuard() { tree_.EndUpdate(); }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

private:
    TfcTreeNodes& tree_;
};

// Copies source's subtree into dst as the last child of dstParent, or just before `before` when
// one is given: one node per source node with Name, the eight strings, Clicks, Kind, ImageIndex,
// SelectedIndex and Data. Returns the copy.
TfcTreeNode* CopySubtree(const TfcTreeNode& source, TfcTreeNodes& dst, TfcTreeNode* dstParent,
                         TfcTreeNode* before = nullptr);

} // namespace tarnlink
