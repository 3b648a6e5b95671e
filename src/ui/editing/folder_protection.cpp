#include "ui/editing/folder_protection.h"

#include "ui/editing/form_password.h"
#include "model/folder_password.h"
#include "model/node_icons.h"
#include "model/tree_node.h"
#include "platform/codepage.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"

#include <QLineEdit>

namespace tarnlink {

namespace {

std::string bytesOf(const QLineEdit* edit)
{
    return codepage::fromDisplay(edit->text());
}

bool isProtectedFolder(const TfcTreeNode& node)
{
    return node.IsFolder() && !node.FolderPassword.empty();
}

} // namespace

FolderProtection::FolderProtection(TfcTreeNodes& tree, PromptsSource prompts) : tree_(tree), prompts_(std::move(prompts)) {}

void FolderProtection::BtnSecurClick()
{
    TfcTreeNode* folder = tree_.Selected();
    if (!folder || !folder->IsFolder())
        return;
    const bool wasProtected = !folder->FolderPassword.empty();
    TPasswordDlg dialog(wasProtected ? TPasswordDlg::Mode::Change : TPasswordDlg::Mode::Set, stars_, dialogParent_);
    if (prompts_().runDialog(dialog) != QDialog::Accepted)
        return;

    const std::string current = bytesOf(dialog.EditPasCur());
    const std::string fresh = bytesOf(dialog.EditPasNew());
    const bool confirmed = fresh == bytesOf(dialog.EditPasNew2());
    if (!wasProtected && !confirmed) {
        prompts_().warn(Translate("Password is not set!"));
        return;
    }
    if (wasProtected && (current != DecodeFolderPassword(folder->FolderPassword) || !confirmed)) {
        prompts_().warn(Translate("Password is not changed!"));
        return;
    }
    if (!fresh.empty()) {
        folder->FolderPassword = EncodeFolderPassword(fresh);
        SetFolderIcons(*folder, true);
    } else if (wasProtected) {
        folder->FolderPassword.clear();
        SetFolderIcons(*folder, false);
    }
    tree_.NodeChanged(folder);
    setModified();
}

bool FolderProtection::TreeInetExpanding(TfcTreeNode* node)
{
    if (!node || !isProtectedFolder(*node))
        return true;
    if (silent_)
        return false;
    TPasswordDlg dialog(TPasswordDlg::Mode::Prove, stars_, dialogParent_);
    if (prompts_().runDialog(dialog) != QDialog::Accepted)
        return false;
    return bytesOf(dialog.EditPasCur()) == DecodeFolderPassword(node->FolderPassword);
}

void FolderProtection::ExpandAll()
{
    SilentScope silent(*this);
    UpdateGuard update(tree_);
    tree_.FullExpand();
}

} // namespace tarnlink
