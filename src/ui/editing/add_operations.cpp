#include "ui/editing/add_operations.h"

#include "capture/duplicate_index.h"
#include "model/node_icons.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "platform/address_case.h"
#include "platform/codepage.h"
#include "ui/editing/folder_combo.h"
#include "ui/editing/form_add.h"
#include "ui/kit/command_map.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QToolButton>

#include <algorithm>
#include <string>

namespace tarnlink {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uint8_t(c) < 0x80; });
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// key is already lower case. Plain ASCII texts, nearly every address, are searched without
// copying them; others are lowered by Unicode rules first.
bool containsIgnoringCase(const std::string& text, const std::string& key)
{
    if (text.empty())
        return false;
    if (!isAscii(text))
        return codepage::lower(text).find(key) != std::string::npos;
    return std::search(text.begin(), text.end(), key.begin(), key.end(),
                       [](char a, char b) { return asciiLower(a) == b; })
           != text.end();
}

std::string bytesOf(const QString& text)
{
    return codepage::fromDisplay(text);
}

bool insideLockedFolder(const TfcTreeNode* node)
{
    for (const TfcTreeNode* p = node->Parent(); p; p = p->Parent())
        if (p->IsLocked())
            return true;
    return false;
}

// "https://x", "FTP://x", "file:/x", "mailto:x": a scheme, then ":" not followed by a digit (a
// host with a port, "localhost:8080", has no scheme).
bool hasScheme(const QString& address)
{
    static const QRegularExpression scheme(QStringLiteral("^\\s*[A-Za-z][A-Za-z0-9+.-]*:(?![0-9])"));
    return scheme.match(address).hasMatch();
}

QString captionOf(Cmd command)
{
    return StripAmpersands(Translate(CommandMap::info(command).caption));
}

} // namespace

TfcTreeNode* FindDuplicateLink(TfcTreeNodes& tree, std::string_view address)
{
    const std::string key = DuplicateKey(address);
    if (key.empty())
        return nullptr;
    for (TfcTreeNode* node = tree.GetFirstNode(); node; node = node->GetNextUnlocked()) {
        if (node->IsFolder())
            continue;
        if (containsIgnoringCase(node->Link1, key) || containsIgnoringCase(node->Link2, key))
            return node;
    }
    return nullptr;
}

AddCommands::AddCommands(TfcTreeNodes& tree, PromptsSource prompts, TFormAdd& dialog)
    : tree_(tree), prompts_(std::move(prompts)), dialog_(dialog)
{
}

TfcTreeNode* AddCommands::FindDuplicateLink(const QString& address)
{
    if (!options_.uniqueUrl)
        return nullptr;
    return tarnlink::FindDuplicateLink(tree_, bytesOf(address));
}

void AddCommands::prepareFolders()
{
    dialog_.rebuildFolders(tree_);
    FolderCombo& picker = *dialog_.TreeCombo();
    const std::string root = bytesOf(Translate("Explorer"));
    std::string wanted;
    if (options_.selectAutoFolder) {
        const TfcTreeNode* selected = tree_.Selected();
        if (selected && selected->IsFolder())
            wanted = selected->Name();
        else if (selected && selected->Parent())
            wanted = selected->Parent()->Name();
        else
            wanted = root;
    } else {
        wanted = bytesOf(picker.chosenText());
        if (wanted.empty())
            wanted = root;
    }
    picker.choose(FindPickerFolder(picker.folders(), wanted, root));
}

void AddCommands::selectNew(TfcTreeNode* node)
{
    tree_.ClearSelection();
    tree_.Select(node);
    node->Focused = true;
    // A link put into a locked folder through the picker stays out of sight: showing it must not
    // ask for the folder's password.
    if (!insideLockedFolder(node))
        tree_.MakeVisible(node);
    hooks_.focusNode(node);
}

TfcTreeNode* AddCommands::AddUrl(const QString& name, const QString& address)
{
    TFormAdd& d = dialog_;
    d.raise();
    d.BtnSecur()->setEnabled(true);
    d.setWindowTitle(captionOf(Cmd::AddLink));
    QString link1 = address;
    if (options_.http && !hasScheme(link1))
        link1.prepend(QLatin1String("http://"));
    d.clearFields();
    d.EditUrl2a()->setText(options_.http ? QStringLiteral("http://") : QString());
    d.EditName2()->setText(name);
    d.EditUrl2()->setText(link1);
    d.setLinkFieldsUsable(true);
    SetEditorUsable(d.Memo2(), true);
    d.CheckResetUrl()->setChecked(false);
    d.CheckResetUrl()->setEnabled(true);
    d.TreeCombo()->setEnabled(true);
    prepareFolders();
    d.EditName2()->setFocus();

    TfcTreeNode* added = nullptr;
    const bool accepted = prompts_().runDialog(d) == QDialog::Accepted;
    if (accepted) {
        if (d.EditName2()->text().isEmpty())
            d.EditName2()->setText(!d.EditUrl2()->text().isEmpty() ? d.EditUrl2()->text() : d.EditUrl2a()->text());
        const std::string trimmedName = codepage::trimmed(bytesOf(d.EditName2()->text()));
        TfcTreeNode* duplicate = nullptr;
        if (!trimmedName.empty())
            duplicate = FindDuplicateLink(d.EditUrl2()->text());
        if (duplicate && prompts_().ask(Translate("Show duplicated link?"), AskButtons::YesNo) == Answer::Yes) {
            hooks_.leaveSelected();
            tree_.Select(duplicate);
            tree_.MakeVisible(duplicate);
            hooks_.focusNode(duplicate);
        } else if (!trimmedName.empty()) {
            hooks_.leaveSelected();
            TfcTreeNode* node;
            {
                UpdateGuard update(tree_);
                node = tree_.AddChild(d.TreeCombo()->chosenFolder(), trimmedName);
                SetLinkRating(*node, d.rating());
                node->Kind = KindLink;
                node->Link1 = LowerSchemeAndHost(codepage::trimmed(bytesOf(d.EditUrl2()->text())));
                const QString link2 = d.EditUrl2a()->text();
                if (!link2.isEmpty() && link2 != QLatin1String("http://"))
                    node->Link2 = LowerSchemeAndHost(codepage::trimmed(bytesOf(link2)));
                node->Login = codepage::trimmed(bytesOf(d.EditLogin2()->text()));
                node->Password = bytesOf(d.EditPas2()->text());
                node->PicturePath = bytesOf(d.EditPicPath()->text());
                node->Description = DescriptionFromLines(d.descriptionLines());
            }
            selectNew(node);
            hooks_.showAdded(node, d);
            hooks_.treeEdited({TreeChange::AddedThroughDialog, {0, 1}, {}, node});
            hooks_.showNodeStatus(node);
            added = node;
        }
    }
    hooks_.repaintTree();
    return added;
}

void AddCommands::MAddGroupClick()
{
    TFormAdd& d = dialog_;
    d.BtnSecur()->setEnabled(false);
    d.setWindowTitle(captionOf(Cmd::AddFolder));
    d.clearFields();
    d.setLinkFieldsUsable(false);
    SetEditorUsable(d.Memo2(), true);
    d.TreeCombo()->setEnabled(true);
    d.CheckResetUrl()->setChecked(false);
    d.CheckResetUrl()->setEnabled(false);
    prepareFolders();
    d.EditName2()->setFocus();

    if (prompts_().runDialog(d) == QDialog::Accepted && !d.EditName2()->text().isEmpty()) {
        hooks_.leaveSelected();
        TfcTreeNode* node;
        {
            UpdateGuard update(tree_);
            const std::string name = codepage::trimmed(bytesOf(d.EditName2()->text()));
            TfcTreeNode* folder = d.TreeCombo()->chosenFolder();
            node = folder ? tree_.AddChildFirst(folder, name) : tree_.AddChild(nullptr, name);
            node->PicturePath = bytesOf(d.EditPicPath()->text());
            node->Kind = KindFolder;
            SetFolderIcons(*node, false);
            node->Description = DescriptionFromLines(d.descriptionLines());
        }
        selectNew(node);
        hooks_.showAdded(node, d);
        hooks_.treeEdited({TreeChange::AddedThroughDialog, {1, 0}, {}, node});
        hooks_.showTotals();
    }
    hooks_.repaintTree();
}

void AddCommands::MAddSeparator2Click()
{
    hooks_.leaveSelected();
    TfcTreeNode* node;
    {
        UpdateGuard update(tree_);
        TfcTreeNode* selected = tree_.Selected();
        TfcTreeNode* next = selected ? selected->NextSibling() : nullptr;
        node = next ? tree_.Insert(next, " ") : tree_.Add(selected, std::string());
        node->Kind = KindSeparator;
        node->ImageIndex = icon::Separator;
        node->SelectedIndex = icon::Separator;
    }
    // Selected after the update, so the window hears of it and shows the separator.
    tree_.Select(node);
    hooks_.treeEdited({TreeChange::AddedQuietly, {}, {}, node});
}

TfcTreeNode* AddCommands::QuickAddLink(const QString& address)
{
    hooks_.leaveSelected();
    TfcTreeNode* node;
    {
        UpdateGuard update(tree_);
        TfcTreeNode* selected = tree_.Selected();
        const std::string bytes = bytesOf(address);
        if (selected && !selected->IsLink() && selected->FolderPassword.empty())
            node = tree_.AddChild(selected, bytes);
        else
            node = tree_.Add(selected, bytes);
        node->Link1 = bytes;
        node->Kind = KindLink;
        node->SelectedIndex = icon::LinkSelected;
    }
    tree_.Select(node);
    hooks_.treeEdited({TreeChange::AddedQuietly, {0, 1}, {}, node});
    if (options_.msnPopup)
        hooks_.showNotice(address);
    return node;
}

} // namespace tarnlink
