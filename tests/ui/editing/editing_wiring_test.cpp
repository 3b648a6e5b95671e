// The editing features of the real main window, driven through its commands and its tree control.

#include "editing_support.h"

#include "document/collection_file.h"
#include "model/folder_password.h"
#include "platform/clock.h"
#include "settings/settings.h"
#include "ui/editing/add_operations.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/editing/editing_feature.h"
#include "ui/editing/editing_settings.h"
#include "ui/editing/folder_combo.h"
#include "ui/editing/folder_protection.h"
#include "ui/editing/form_add.h"
#include "ui/shell/document_commands.h"
#include "ui/shell/form_main.h"
#include "ui/editing/form_password.h"
#include "ui/editing/properties_editor.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class WiringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        form.setPrompts(&prompts);
        form.setSelectionDelay(0);
        folder = addFolder(form.tree(), nullptr, "Work");
        link = addLink(form.tree(), folder, "Mail", "http://mail.example.com/");
        other = addLink(form.tree(), nullptr, "Home", "http://home.example.com/");
        form.document().counts = {1, 2};
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }
    // Selects a node the way a click does.
    void click(TfcTreeNode* node)
    {
        const QModelIndex index = form.treeModel().indexOf(node);
        ASSERT_TRUE(index.isValid());
        form.TreeInet()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    // Types into one of the properties editor's line editors.
    static void type(QLineEdit* editor, const QString& text)
    {
        editor->setText(text);
        emit editor->textEdited(text);
    }
    // Lets the window's delay after a selection change run out.
    static void settle() { QTest::qWait(kSelectionDelay + 100); }
    QList<QWidget*> editors() const
    {
        PropertiesEditor& e = *editing.editor();
        return {e.EditName(), e.EditUrl(), e.EditUrl2(), e.EditLogin(), e.EditPas(),
                static_cast<QWidget*>(form.Memo1())};
    }

    static constexpr int kSelectionDelay = 150; // the window's own

    QApplication& app = ensureApp(); // before the window below
    DialogPrompts prompts;
    TFormMain form;
    EditingFeature& editing = *form.feature<EditingFeature>();
    TfcTreeNode* folder = nullptr;
    TfcTreeNode* link = nullptr;
    TfcTreeNode* other = nullptr;
};

TEST_F(WiringTest, EditsAreCommittedWhenTheSelectionMovesOn)
{
    form.tree().Expand(folder, false);
    click(link);
    EXPECT_EQ(editing.editor()->EditName()->text(), "Mail");
    EXPECT_EQ(form.StatusPanel(0)->text(), "Clicks: 0");
    EXPECT_FALSE(form.HeaderButton(0)->isEnabled()); // the password button follows its command's rule

    editing.editor()->EditName()->setText("Mailbox");
    emit editing.editor()->EditName()->textEdited("Mailbox");
    click(other);
    EXPECT_EQ(link->Name(), "Mailbox");
    EXPECT_TRUE(form.document().modified);
    EXPECT_EQ(editing.editor()->EditName()->text(), "Home");

    click(folder);
    EXPECT_EQ(form.StatusPanel(0)->text(), "Total folders: 1");
    EXPECT_TRUE(form.HeaderButton(0)->isEnabled());
}

// The editors follow the tree a moment after the selection moved. Moving on again, or saving,
// within that moment must not write the edits of the first node into the node passed on the way.
TEST_F(WiringTest, QuickMovesWriteEditsOnlyIntoTheNodeTheyWereTypedFor)
{
    form.setSelectionDelay(kSelectionDelay);
    form.tree().Expand(folder, false);
    click(other);
    settle();
    PropertiesEditor& editor = *editing.editor();
    type(editor.EditName(), "Homepage");
    type(editor.EditUrl(), "http://start.example.com/");
    click(link);
    click(folder); // the editors still show "Home"
    EXPECT_EQ(other->Name(), "Homepage");
    EXPECT_EQ(other->Link1, "http://start.example.com/");
    EXPECT_EQ(link->Name(), "Mail");
    EXPECT_EQ(link->Link1, "http://mail.example.com/");
    EXPECT_EQ(folder->Name(), "Work");
    settle();
    EXPECT_EQ(editor.EditName()->text(), "Work");

    type(editor.EditName(), "Projects");
    click(link);
    QTemporaryDir dir;
    prompts.reply(dir.filePath("quick.tlk"));
    form.commands().run(Cmd::Save); // before the editors show "Mail"
    prompts.take();
    EXPECT_EQ(folder->Name(), "Projects");
    EXPECT_EQ(link->Name(), "Mail");
    settle();
    EXPECT_EQ(editor.EditName()->text(), "Mail");
}

// Opening or closing a folder shows the selected node again; what is being typed stays.
TEST_F(WiringTest, ExpandingOrCollapsingKeepsWhatIsBeingTyped)
{
    click(other);
    PropertiesEditor& editor = *editing.editor();
    type(editor.EditName(), "Homepage");
    const QModelIndex work = form.treeModel().indexOf(folder);
    form.TreeInet()->expand(work); // a click on the expand arrow
    ASSERT_TRUE(folder->Expanded());
    EXPECT_EQ(editor.EditName()->text(), "Homepage");
    EXPECT_EQ(other->Name(), "Homepage");

    type(editor.EditName(), "Start");
    form.TreeInet()->collapse(work);
    ASSERT_FALSE(folder->Expanded());
    EXPECT_EQ(editor.EditName()->text(), "Start");
    EXPECT_EQ(other->Name(), "Start");
    EXPECT_TRUE(form.document().modified);
}

// A link added into a locked folder is selected without being shown in the tree; what is typed
// for it is stored when the next click in the tree leaves it.
TEST_F(WiringTest, EditsOfALinkAddedIntoALockedFolderAreKept)
{
    folder->FolderPassword = EncodeFolderPassword("pw");
    form.tree().NodeChanged(folder);
    click(other);
    form.TreeInet()->setFocus();
    prompts.dialog([this](QDialog& d) {
        editing.addDialog()->TreeCombo()->choose(0); // "Work", locked
        editing.addDialog()->EditName2()->setText("Stashed");
        return accept(d);
    });
    form.commands().run(Cmd::AddLink);
    TfcTreeNode* added = folder->LastChild();
    ASSERT_EQ(added->Name(), "Stashed");
    ASSERT_EQ(form.tree().Selected(), added);
    ASSERT_FALSE(folder->Expanded());

    type(editing.editor()->EditName(), "Stashed away");
    TreeInetView* view = form.TreeInet();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(form.treeModel().indexOf(other)).center());
    ASSERT_EQ(form.tree().Selected(), other);
    EXPECT_EQ(added->Name(), "Stashed away");
    EXPECT_EQ(editing.editor()->EditName()->text(), "Home");
}

// The editors show the node the tree selects, and with no node they take no typing.
TEST_F(WiringTest, TheEditorFollowsANewSeparatorAndIsShutWithoutANode)
{
    click(folder);
    form.commands().run(Cmd::AddSeparator);
    ASSERT_EQ(form.tree().Selected(), folder->NextSibling());
    EXPECT_EQ(editing.editor()->EditName()->text(), "");
    for (QWidget* e : editors())
        EXPECT_FALSE(e->isEnabled()) << e->objectName().toStdString();
    EXPECT_EQ(form.StatusPanel(0)->text(), "Clicks: 0");

    click(other);
    prompts.reply(Answer::No);
    form.commands().run(Cmd::New);
    prompts.take();
    for (QWidget* e : editors())
        EXPECT_FALSE(e->isEnabled()) << e->objectName().toStdString();
}

// Text typed but not yet left marks nothing by itself; Save and the save question still see it.
TEST_F(WiringTest, TextStillInTheEditorIsNotLostBySaveOrNew)
{
    click(other);
    auto type = [this](const QString& text) {
        editing.editor()->EditName()->setText(text);
        emit editing.editor()->EditName()->textEdited(text);
    };
    type("Homepage");
    ASSERT_FALSE(form.document().modified);
    QTemporaryDir dir;
    const QString target = dir.filePath("typed.tlk");
    prompts.reply(target);
    form.documents().MSaveClick();
    EXPECT_EQ(prompts.take(), QStringList{"save: Save Tarnlink file"});
    TfcTreeNodes reread;
    ReadCollection(target, reread);
    ASSERT_EQ(reread.TopLevelCount(), 2);
    EXPECT_EQ(reread.TopLevelItem(1)->Name(), "Homepage");
    EXPECT_EQ(other->Name(), "Homepage");
    EXPECT_FALSE(form.document().modified);

    type("Start page");
    prompts.reply(Answer::Cancel);
    form.documents().MNewClick();
    EXPECT_EQ(prompts.take(), QStringList{"ask: Save file?"});
    EXPECT_EQ(form.tree().Count(), 3);
    EXPECT_EQ(other->Name(), "Start page");
}

TEST_F(WiringTest, ABadVisitTextReachesTheErrorBoxEachTimeTheLinkIsShown)
{
    other->Visited = "not a time";
    const QString error = "error: 'not a time' is not a valid date and time";
    click(other);
    // With no delay the window refreshes once per selection signal; each refresh reports it.
    QStringList shown = prompts.take();
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.count(error), shown.size());
    EXPECT_EQ(editing.editor()->EditName()->text(), "Home");
    click(folder);
    prompts.take();
    click(other);
    EXPECT_TRUE(prompts.take().contains(error));
}

TEST_F(WiringTest, PasswordCommandAndExpandingThroughTheTree)
{
    click(folder);
    prompts.dialog([](QDialog& d) {
        auto& dialog = static_cast<TPasswordDlg&>(d);
        dialog.EditPasNew()->setText("pw");
        dialog.EditPasNew2()->setText("pw");
        return int(QDialog::Accepted);
    });
    form.commands().run(Cmd::Password);
    EXPECT_EQ(folder->FolderPassword, EncodeFolderPassword("pw"));

    // Expand all leaves it shut without a word; the mouse or a key asks for the password.
    form.commands().run(Cmd::Expand);
    EXPECT_FALSE(folder->Expanded());
    const QModelIndex index = form.treeModel().indexOf(folder);
    EXPECT_EQ(form.treeModel().rowCount(index), 0);
    prompts.dialog(cancel);
    form.TreeInet()->setFocus();
    QTest::keyClick(form.TreeInet(), Qt::Key_Right);
    EXPECT_FALSE(folder->Expanded());
    EXPECT_EQ(form.treeModel().rowCount(index), 0);
    EXPECT_EQ(prompts.dialogs, (QStringList{"PasswordDlg", "PasswordDlg"}));
}

TEST_F(WiringTest, TheAddDialogKeepsItsPlaceAndRatingInTheSettings)
{
    editing.addDialog()->setGeometry(40, 50, 300, 590);
    editing.addDialog()->stepRating(1);
    Settings stored;
    editing.storeSettings(stored);
    EXPECT_EQ(stored.options.linkColor, 1);
    EXPECT_EQ(stored.main.addWWidth, 300);
    EXPECT_EQ(stored.main.addWHeight, 590);
}

TEST_F(WiringTest, AddingALinkShowsItInTheEditorAndTheStatusBar)
{
    click(folder);
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(editing.addDialog()->TreeCombo()->chosenText(), "Work");
        editing.addDialog()->EditName2()->setText("News");
        editing.addDialog()->EditUrl2()->setText("http://NEWS.example.com/Today");
        return int(QDialog::Accepted);
    });
    form.commands().run(Cmd::AddLink);
    TfcTreeNode* added = folder->LastChild();
    ASSERT_EQ(added->Name(), "News");
    EXPECT_EQ(added->Link1, "http://news.example.com/Today");
    EXPECT_EQ(form.tree().Selected(), added);
    EXPECT_EQ(form.document().counts.LinkCount, 3);
    EXPECT_TRUE(form.document().modified);
    EXPECT_EQ(editing.editor()->EditName()->text(), "News");
    EXPECT_EQ(form.StatusPanel(1)->text(), "Visited: No");
}

} // namespace

namespace {

TEST(EditingSettings, TheFirstChosenUnitWinsAndTheRestIsCopied)
{
    OptionsSection options;
    EXPECT_EQ(VisitTimeOptionsOf(options).unit, VisitUnit::Auto);
    options.inHour = true; // AutoTime stays on as well: the earlier key wins
    EXPECT_EQ(VisitTimeOptionsOf(options).unit, VisitUnit::Hours);
    options = {};
    options.autoTime = false;
    options.noChange = true;
    options.date = false;
    options.time = true;
    const VisitTimeOptions visit = VisitTimeOptionsOf(options);
    EXPECT_EQ(visit.unit, VisitUnit::NoChange);
    EXPECT_FALSE(visit.date);
    EXPECT_TRUE(visit.time);
    options.autoTime = options.noChange = false;
    EXPECT_EQ(VisitTimeOptionsOf(options).unit, VisitUnit::Auto); // none chosen

    options.http = false;
    options.msnPopup = false;
    options.chkPOther = true;
    const AddOptions add = AddOptionsOf(options);
    EXPECT_FALSE(add.http);
    EXPECT_TRUE(add.uniqueUrl && add.selectAutoFolder);
    EXPECT_FALSE(add.msnPopup);
    EXPECT_TRUE(PasswordCharsetsOf(options).indications);
}

} // namespace
