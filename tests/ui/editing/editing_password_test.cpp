#include "editing_support.h"

#include "model/folder_password.h"
#include "ui/editing/folder_protection.h"
#include "ui/editing/form_password.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QLineEdit>
#include <QTest>

#include <algorithm>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// Types into the password dialog and closes it with OK.
DialogPrompts::Action typed(const char* current, const char* fresh, const char* again)
{
    return [=](QDialog& d) {
        auto& dialog = static_cast<TPasswordDlg&>(d);
        dialog.EditPasCur()->setText(QString::fromUtf8(current));
        dialog.EditPasNew()->setText(QString::fromUtf8(fresh));
        dialog.EditPasNew2()->setText(QString::fromUtf8(again));
        return int(QDialog::Accepted);
    };
}

class FolderPasswordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        folder = addFolder(tree, nullptr, "Private");
        inside = addFolder(tree, folder, "Inner");
        addLink(tree, inside, "Bank", "http://bank.example.com/");
        open = addFolder(tree, nullptr, "Open");
        addLink(tree, open, "News", "http://news.example.com/");
        tree.OnExpanding = protection.guard();
        protection.setModified = [this] { ++modified; };
    }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }
    void protect(TfcTreeNode* node, const char* password)
    {
        node->FolderPassword = EncodeFolderPassword(password);
        SetFolderIcons(*node, true);
    }

    TfcTreeNodes tree;
    DialogPrompts prompts;
    FolderProtection protection{tree, FixedPrompts(prompts)};
    TfcTreeNode* folder = nullptr;
    TfcTreeNode* inside = nullptr;
    TfcTreeNode* open = nullptr;
    int modified = 0;
};

TEST_F(FolderPasswordTest, SettingStoresTheEncodingAndProtectedIcons)
{
    tree.Expand(folder, false);
    tree.Select(folder);
    prompts.dialog([](QDialog& d) {
        auto& dialog = static_cast<TPasswordDlg&>(d);
        EXPECT_FALSE(dialog.EditPasCur()->isEnabled()); // nothing to prove yet
        EXPECT_TRUE(dialog.EditPasNew()->isEnabled());
        EXPECT_EQ(dialog.windowTitle(), "Password protection");
        return typed("", "abc", "abc")(d);
    });
    protection.BtnSecurClick();
    EXPECT_EQ(folder->FolderPassword.size(), 6u);
    EXPECT_EQ(folder->FolderPassword, EncodeFolderPassword("abc"));
    EXPECT_EQ(folder->FolderPassword.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(folder->ImageIndex, 4);
    EXPECT_EQ(folder->SelectedIndex, 5);
    EXPECT_TRUE(folder->Expanded()); // protection does not shut an open folder
    EXPECT_EQ(modified, 1);
}

TEST_F(FolderPasswordTest, WrongOrMismatchedPasswordsChangeNothing)
{
    struct Case {
        const char* stored; // "" for an unprotected folder
        const char *current, *fresh, *again;
        const char* warning;
    };
    const Case cases[] = {
        {"", "", "abc", "abd", "warn: Password is not set!"},
        {"abc", "abd", "new", "new", "warn: Password is not changed!"},
        {"abc", "ABC", "", "", "warn: Password is not changed!"}, // letter case counts
        {"abc", "abc", "new", "neW", "warn: Password is not changed!"},
    };
    tree.Select(folder);
    for (const Case& c : cases) {
        folder->FolderPassword = *c.stored ? EncodeFolderPassword(c.stored) : std::string();
        SetFolderIcons(*folder, *c.stored);
        const std::string before = folder->FolderPassword;
        prompts.dialog(typed(c.current, c.fresh, c.again));
        protection.BtnSecurClick();
        EXPECT_EQ(prompts.take(), QStringList{c.warning}) << c.current << "/" << c.fresh;
        EXPECT_EQ(folder->FolderPassword, before);
        EXPECT_EQ(folder->ImageIndex, *c.stored ? 4 : 2);
    }
    EXPECT_EQ(modified, 0);
}

TEST_F(FolderPasswordTest, ChangingRemovingAndCancelling)
{
    protect(folder, "abc");
    tree.Select(folder);

    prompts.dialog(cancel);
    protection.BtnSecurClick();
    EXPECT_EQ(folder->FolderPassword, EncodeFolderPassword("abc"));
    EXPECT_EQ(modified, 0);

    prompts.dialog([](QDialog& d) {
        auto& dialog = static_cast<TPasswordDlg&>(d);
        EXPECT_TRUE(dialog.EditPasCur()->isEnabled());
        EXPECT_TRUE(dialog.EditPasNew2()->isEnabled());
        return typed("abc", "xyz", "xyz")(d);
    });
    protection.BtnSecurClick();
    EXPECT_EQ(DecodeFolderPassword(folder->FolderPassword), "xyz");
    EXPECT_EQ(folder->ImageIndex, 4);

    prompts.dialog(typed("xyz", "", ""));
    protection.BtnSecurClick();
    EXPECT_EQ(folder->FolderPassword, "");
    EXPECT_EQ(folder->ImageIndex, 2);
    EXPECT_EQ(folder->SelectedIndex, 3);
    EXPECT_EQ(modified, 2);

    // Both new fields empty on an unprotected folder: nothing is set, yet the document is modified.
    prompts.dialog(typed("", "", ""));
    protection.BtnSecurClick();
    EXPECT_EQ(folder->FolderPassword, "");
    EXPECT_EQ(modified, 3);

    // Anything but a folder is left alone without a dialog.
    tree.Select(inside->FirstChild());
    protection.BtnSecurClick();
    tree.Select(nullptr);
    protection.BtnSecurClick();
}

TEST_F(FolderPasswordTest, ExpandingAsksEveryTime)
{
    protect(folder, "abc");
    auto prove = [](const char* password) {
        return [password](QDialog& d) {
            auto& dialog = static_cast<TPasswordDlg&>(d);
            EXPECT_TRUE(dialog.EditPasCur()->isEnabled());
            EXPECT_FALSE(dialog.EditPasNew()->isEnabled());
            EXPECT_FALSE(dialog.EditPasNew2()->isEnabled());
            dialog.EditPasCur()->setText(QString::fromUtf8(password));
            return int(QDialog::Accepted);
        };
    };
    prompts.dialog(cancel);
    EXPECT_FALSE(tree.Expand(folder, false));
    EXPECT_FALSE(folder->Expanded());

    prompts.dialog(prove("abd"));
    EXPECT_FALSE(tree.Expand(folder, false));
    EXPECT_FALSE(folder->Expanded());
    EXPECT_TRUE(prompts.log().isEmpty()); // a wrong password is silent

    prompts.dialog(prove("abc"));
    EXPECT_TRUE(tree.Expand(folder, false));
    EXPECT_TRUE(folder->Expanded());

    tree.Collapse(folder, false);
    prompts.dialog(cancel);
    EXPECT_FALSE(tree.Expand(folder, false));

    // Showing a node inside asks too.
    prompts.dialog(cancel);
    EXPECT_FALSE(tree.MakeVisible(inside->FirstChild()));
    EXPECT_EQ(prompts.dialogs.size(), 5);

    // Unprotected folders never ask.
    EXPECT_TRUE(tree.Expand(open, false));
}

TEST_F(FolderPasswordTest, ExpandAllLeavesProtectedFoldersShutWithoutADialog)
{
    protect(folder, "abc");
    TfcTreeNode* nested = addFolder(tree, open, "Nested");
    addLink(tree, nested, "Deep", "http://deep.example.com/");
    TfcTreeNode* lockedInside = addFolder(tree, nested, "Locked inside");
    addLink(tree, lockedInside, "Hidden", "http://hidden.example.com/");
    protect(lockedInside, "x");

    protection.ExpandAll();
    EXPECT_FALSE(folder->Expanded());
    EXPECT_FALSE(inside->Expanded());
    EXPECT_TRUE(open->Expanded());
    EXPECT_TRUE(nested->Expanded());
    EXPECT_FALSE(lockedInside->Expanded());
    EXPECT_TRUE(prompts.dialogs.isEmpty());

    // Afterwards the guard asks again.
    prompts.dialog(cancel);
    EXPECT_FALSE(tree.Expand(folder, false));
}

TEST_F(FolderPasswordTest, TheViewShowsNoRowsOfARefusedFolder)
{
    protect(folder, "abc");
    TreeItemModel model(tree);
    TreeInetView view;
    view.setTreeModel(&model);
    const QModelIndex index = model.indexOf(folder);
    ASSERT_TRUE(index.isValid());

    prompts.dialog(cancel);
    view.expand(index); // the mouse on the branch, Right, + and double click all come here
    EXPECT_FALSE(view.isExpanded(index));
    EXPECT_FALSE(folder->Expanded());
    EXPECT_EQ(model.rowCount(index), 0);

    tree.Select(folder);
    prompts.dialog(cancel);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Asterisk);
    EXPECT_EQ(model.rowCount(index), 0);

    prompts.dialog([](QDialog& d) {
        static_cast<TPasswordDlg&>(d).EditPasCur()->setText("abc");
        return int(QDialog::Accepted);
    });
    view.expand(index);
    EXPECT_TRUE(folder->Expanded());
    EXPECT_EQ(model.rowCount(index), 1);
}

TEST(PasswordDialog, KeysAndMask)
{
    ensureApp();
    TPasswordDlg dialog(TPasswordDlg::Mode::Change, true);
    EXPECT_EQ(dialog.EditPasCur()->echoMode(), QLineEdit::Password);
    // As designed, but wide enough for the whole title beside the title bar's icon and buttons.
    EXPECT_EQ(dialog.height(), 181);
    QFont bold = dialog.font();
    bold.setBold(true);
    EXPECT_GE(dialog.width(), std::max(236, QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    dialog.EditPasNew()->setFocus();
    QTest::keyClick(dialog.EditPasNew(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()); // Enter in the first new field goes on to the second
    EXPECT_TRUE(dialog.EditPasNew2()->hasFocus());

    QTest::keyClick(dialog.EditPasNew2(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.show();
    QTest::keyClick(dialog.EditPasCur(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.show();
    QTest::keyClick(dialog.EditPasCur(), Qt::Key_Enter);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    TPasswordDlg plain(TPasswordDlg::Mode::Prove, false);
    EXPECT_EQ(plain.EditPasCur()->echoMode(), QLineEdit::Normal);
}

} // namespace
