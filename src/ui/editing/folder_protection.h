#pragma once

// Folder passwords in use: setting, changing and removing them, and the guard that keeps a
// protected folder shut until its password is given.

#include "ui/kit/prompts_source.h"

#include <functional>

class QWidget;

namespace tarnlink {

class Prompts;
class TfcTreeNode;
class TfcTreeNodes;

class FolderProtection {
public:
    FolderProtection(TfcTreeNodes& tree, PromptsSource prompts);

    // Marks the document modified.
    std::function<void()> setModified = [] {};
    void setShowPasswordStars(bool stars) { stars_ = stars; }
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // Sets, changes or removes the selected folder's password.
    void BtnSecurClick();

    // For TfcTreeNodes::OnExpanding: true lets the node expand. A protected folder asks for its
    // password every time, except while expanding all, when it stays shut without a word.
    bool TreeInetExpanding(TfcTreeNode* node);
    std::function<bool(TfcTreeNode*)> guard()
    {
        return [this](TfcTreeNode* node) { return TreeInetExpanding(node); };
    }

    // Expands the whole tree but every protected folder.
    void ExpandAll();

    // While one lives, protected folders refuse to expand silently.
    class SilentScope {
    public:
        explicit SilentScope(FolderProtection& protection) : protection_(protection), was_(protection.silent_)
        {
            protection_.silent_ = true;
        }
        ~SilentScope() { protection_.silent_ = was_; }
        SilentScope(const SilentScope&) = delete;
        SilentScope& operator=(const SilentScope&) = delete;

    private:
        FolderProtection& protection_;
        bool was_;
    };

private:
    TfcTreeNodes& tree_;
    PromptsSource prompts_;
    QWidget* dialogParent_ = nullptr;
    bool stars_ = true;
    bool silent_ = false;
};

} // namespace tarnlink
