#include "editing_support.h"

#include "model/folder_password.h"
#include "model/password_generator.h"
#include "model/tree_counts.h"
#include "ui/kit/windows_color.h"
#include "ui/editing/add_operations.h"
#include "ui/editing/folder_combo.h"
#include "ui/editing/form_add.h"
#include "ui/kit/link_notice.h"
#include "ui/tree/tree_delegate.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <set>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class AddTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        commands.hooks().treeEdited = [this](const TreeEdit& edit) {
            ++modified;
            counts.FolderCount += edit.added.FolderCount;
            counts.LinkCount += edit.added.LinkCount;
            edits << edit.change;
        };
        commands.hooks().showNotice = [this](const QString& address) { notices << address; };
        commands.hooks().showTotals = [this] { ++totalsShown; };
    }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }
    // Fills the add dialog's fields (null leaves one as prefilled) and presses OK.
    DialogPrompts::Action fill(const char* name, const char* link1 = nullptr, const char* link2 = nullptr,
                               std::function<void(TFormAdd&)> more = {})
    {
        return [=](QDialog& d) {
            auto& form = static_cast<TFormAdd&>(d);
            if (name)
                form.EditName2()->setText(QString::fromUtf8(name));
            if (link1)
                form.EditUrl2()->setText(QString::fromUtf8(link1));
            if (link2)
                form.EditUrl2a()->setText(QString::fromUtf8(link2));
            if (more)
                more(form);
            return int(QDialog::Accepted);
        };
    }
    QStringList pickerTexts() const
    {
        QStringList texts{"Explorer"};
        for (const PickerFolder& f : dialog.TreeCombo()->folders())
            texts << QString::fromStdString(f.name);
        return texts;
    }

    QApplication& app = ensureApp(); // before the dialog below
    TfcTreeNodes tree;
    TreeCounts counts;
    DialogPrompts prompts;
    TFormAdd dialog{FixedPrompts(prompts), QRect(), 0};
    AddCommands commands{tree, FixedPrompts(prompts), dialog};
    int modified = 0;
    QList<TreeChange> edits;
    int totalsShown = 0;
    QStringList notices;
};

TEST_F(AddTest, HttpPrefixAndAnOkWithoutName)
{
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.EditUrl2()->text(), "http://");
        EXPECT_EQ(dialog.EditUrl2a()->text(), "http://");
        EXPECT_EQ(dialog.windowTitle(), "Link");
        EXPECT_TRUE(dialog.BtnSecur()->isEnabled());
        EXPECT_FALSE(dialog.CheckResetUrl()->isChecked());
        return accept(d);
    });
    commands.AddUrl(QString(), QString());
    ASSERT_EQ(tree.Count(), 1);
    const TfcTreeNode* link = tree.GetFirstNode();
    EXPECT_EQ(link->Name(), "http://");
    EXPECT_EQ(link->Link1, "http://");
    EXPECT_EQ(link->Link2, "");
    EXPECT_EQ(link->Kind, KindLink);
    EXPECT_EQ(tree.Selected(), link);
    EXPECT_EQ(counts.LinkCount, 1);
    EXPECT_EQ(edits, QList<TreeChange>{TreeChange::AddedThroughDialog});

    // An address with a scheme of its own keeps it; a host with a port gets the prefix; without
    // Http nothing is added in front.
    for (auto [address, shown] : {std::pair{"ftp://files.example.com/", "ftp://files.example.com/"},
                                  {"HTTPS://Secure.example.com/", "HTTPS://Secure.example.com/"},
                                  {"localhost:8080/app", "http://localhost:8080/app"}}) {
        prompts.dialog([this, shown = QString(shown)](QDialog& d) {
            EXPECT_EQ(dialog.EditUrl2()->text(), shown);
            return cancel(d);
        });
        commands.AddUrl("Files", address);
    }
    commands.options().http = false;
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.EditUrl2()->text(), "ftp://files.example.com/");
        EXPECT_EQ(dialog.EditUrl2a()->text(), "");
        return cancel(d);
    });
    commands.AddUrl("Files", "ftp://files.example.com/");
    EXPECT_EQ(tree.Count(), 1); // Cancel adds nothing and changes nothing
    EXPECT_EQ(modified, 1);
}

TEST_F(AddTest, StoredFieldsOfANewLink)
{
    prompts.dialog(fill("  Video  ", " HTTP://Media.Example.COM/Watch?v=AbC ", "https://Mirror.Example.com/Q",
                        [](TFormAdd& form) {
                            form.EditLogin2()->setText(" me ");
                            form.EditPas2()->setText(" secret ");
                            form.EditPicPath()->setText("/tmp/shot.jpg");
                            form.Memo2()->setPlainText("a\n\nb");
                            form.stepRating(1);
                            form.stepRating(1);
                            form.stepRating(1);
                        }));
    commands.AddUrl(QString(), QString());
    const TfcTreeNode* link = tree.GetFirstNode();
    EXPECT_EQ(link->Name(), "Video");
    // Scheme and host lose their capitals; the path keeps them.
    EXPECT_EQ(link->Link1, "http://media.example.com/Watch?v=AbC");
    EXPECT_EQ(link->Link2, "https://mirror.example.com/Q");
    EXPECT_EQ(link->Login, "me");
    EXPECT_EQ(link->Password, " secret ");
    EXPECT_EQ(link->PicturePath, "/tmp/shot.jpg");
    EXPECT_EQ(link->Description, "a\r\rb\r");
    EXPECT_EQ(link->ImageIndex, 10);
    EXPECT_EQ(link->SelectedIndex, 15);
}

TEST_F(AddTest, LinksGoLastFoldersFirstAndSeparatorsBeside)
{
    TfcTreeNode* work = addFolder(tree, nullptr, "Work");
    addLink(tree, work, "Old", "http://old.example.com/");
    tree.Select(work);

    prompts.dialog(fill("New link", "http://new.example.com/"));
    commands.AddUrl(QString(), QString());
    EXPECT_EQ(work->LastChild()->Name(), "New link");

    tree.Select(work);
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.windowTitle(), "Folder");
        EXPECT_FALSE(dialog.BtnSecur()->isEnabled());
        EXPECT_FALSE(dialog.EditUrl2()->isEnabled());
        EXPECT_FALSE(dialog.EditPas2()->isEnabled());
        EXPECT_TRUE(dialog.Memo2()->isEnabled());
        EXPECT_FALSE(dialog.CheckResetUrl()->isEnabled());
        EXPECT_EQ(dialog.TreeCombo()->chosenText(), "Work");
        return fill("Sub")(d);
    });
    commands.MAddGroupClick();
    ASSERT_EQ(work->FirstChild()->Name(), "Sub");
    EXPECT_EQ(work->FirstChild()->Kind, KindFolder);
    EXPECT_EQ(work->FirstChild()->ImageIndex, 2);
    EXPECT_EQ(counts.FolderCount, 1);
    EXPECT_EQ(totalsShown, 1);

    // A folder name of blanks is not empty: a folder is added, with an empty name.
    tree.Select(nullptr);
    prompts.dialog(fill("   "));
    commands.MAddGroupClick();
    EXPECT_EQ(tree.TopLevelItem(1)->Name(), "");
    EXPECT_EQ(tree.TopLevelItem(1)->Kind, KindFolder);
    EXPECT_EQ(counts.FolderCount, 2);

    // Separators: beside the selected node, even a folder; named " " in the middle, "" at the end.
    tree.Select(work);
    commands.MAddSeparator2Click();
    ASSERT_EQ(tree.TopLevelItem(1)->Kind, KindSeparator);
    EXPECT_EQ(tree.TopLevelItem(1)->Name(), " ");
    EXPECT_EQ(tree.TopLevelItem(1)->ImageIndex, 7);
    tree.Select(tree.TopLevelItem(2));
    commands.MAddSeparator2Click();
    EXPECT_EQ(tree.TopLevelCount(), 4);
    EXPECT_EQ(tree.TopLevelItem(3)->Name(), "");
    EXPECT_EQ(tree.TopLevelItem(3)->SelectedIndex, 7);
    EXPECT_EQ(counts, (TreeCounts{2, 1}));
}

TEST_F(AddTest, PickerListsFoldersButNothingInsideALockedOne)
{
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.TreeCombo()->entryCount(), 1); // no folders: the root entry alone
        return fill("Top")(d);
    });
    commands.AddUrl(QString(), QString());

    TfcTreeNode* a = addFolder(tree, nullptr, "A");
    TfcTreeNode* locked = addFolder(tree, a, "Locked");
    addFolder(tree, locked, "Secret sub");
    addLink(tree, locked, "Inside", "http://inside.example.com/");
    locked->FolderPassword = EncodeFolderPassword("pw");
    SetFolderIcons(*locked, true);
    TfcTreeNode* sep = addSeparator(tree, nullptr);
    addFolder(tree, sep, "Under separator"); // only folders are entered
    addFolder(tree, nullptr, "B");
    tree.OnExpanding = [](TfcTreeNode*) {
        ADD_FAILURE() << "the password was asked";
        return false;
    };

    tree.Select(nullptr);
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(pickerTexts(), (QStringList{"Explorer", "A", "Locked", "B"}));
        EXPECT_EQ(dialog.TreeCombo()->folders()[1].imageIndex, 4);
        EXPECT_EQ(dialog.TreeCombo()->folders()[1].parent, 0);
        EXPECT_EQ(dialog.TreeCombo()->chosen(), FolderCombo::kRootEntry);
        dialog.TreeCombo()->choose(1);
        return fill("Stashed", "http://stashed.example.com/")(d);
    });
    commands.AddUrl(QString(), QString());
    EXPECT_EQ(locked->LastChild()->Name(), "Stashed");
    EXPECT_FALSE(locked->Expanded());
}

TEST_F(AddTest, PreselectionByNameTakesTheFirstFolderOfThatName)
{
    TfcTreeNode* first = addFolder(tree, nullptr, "Docs");
    TfcTreeNode* second = addFolder(tree, nullptr, "docs");
    TfcTreeNode* inSecond = addLink(tree, second, "Manual", "http://manual.example.com/");
    addFolder(tree, nullptr, "explorer");
    TfcTreeNode* top = addLink(tree, nullptr, "Top", "http://top.example.com/");
    TfcTreeNode* otherRoot = tree.GetFirstNode()->NextSibling()->NextSibling();

    struct Case {
        TfcTreeNode* selected;
        int entry;
    };
    const Case cases[] = {
        {inSecond, 0},            // the link lies in the second, the first of that name wins
        {second, 0},
        {top, FolderCombo::kRootEntry},
        {nullptr, FolderCombo::kRootEntry},
        {otherRoot, FolderCombo::kRootEntry}, // named like the root entry
    };
    for (const Case& c : cases) {
        tree.Select(c.selected);
        prompts.dialog([this, c](QDialog& d) {
            EXPECT_EQ(dialog.TreeCombo()->chosen(), c.entry);
            return cancel(d);
        });
        commands.AddUrl(QString(), QString());
    }

    // Without automatic selection the previous choice stays.
    commands.options().selectAutoFolder = false;
    tree.Select(nullptr);
    prompts.dialog([this](QDialog& d) {
        dialog.TreeCombo()->choose(2); // the entries are Docs, docs and explorer
        return cancel(d);
    });
    commands.AddUrl(QString(), QString());
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.TreeCombo()->chosen(), FolderCombo::kRootEntry); // "explorer" is the root's name
        dialog.TreeCombo()->choose(1);
        return cancel(d);
    });
    commands.AddUrl(QString(), QString());
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.TreeCombo()->chosen(), 0); // "docs" finds "Docs" first
        return cancel(d);
    });
    commands.AddUrl(QString(), QString());
    EXPECT_EQ(first->ChildCount(), 0);
}

TEST_F(AddTest, DuplicateCheck)
{
    TfcTreeNode* stored = addLink(tree, nullptr, "Stored", "https://www.example.com/Path/Deeper");
    addLink(tree, nullptr, "Second", "", "ftp://mirror.example.org/pub");
    TfcTreeNode* folder = addFolder(tree, nullptr, "Named like it");
    folder->Link1 = "http://folder.example.net/"; // folders never match
    TfcTreeNode* locked = addFolder(tree, nullptr, "Locked");
    addLink(tree, locked, "Hidden", "http://hidden.example.com/");
    locked->FolderPassword = EncodeFolderPassword("pw");

    struct Case {
        const char* address;
        const char* found; // null: none
    };
    const Case cases[] = {
        {"http://www.example.com/Path", "Stored"},      // http finds https with a longer path
        {"HTTP://WWW.EXAMPLE.COM/path", "Stored"},      // letter case does not matter
        {"mirror.example.org", "Second"},                // Link2, no scheme
        {"http://folder.example.net/", nullptr},
        {"http://hidden.example.com/", nullptr},         // a locked folder's contents are skipped
        {"http://", nullptr},                            // nothing but the scheme
        {"", nullptr},
        {"  http://www.example.com/path/deeper  ", "Stored"}, // the key is trimmed
    };
    for (const Case& c : cases) {
        const TfcTreeNode* found = commands.FindDuplicateLink(QString::fromUtf8(c.address));
        EXPECT_EQ(found ? found->Name() : "none", c.found ? c.found : "none") << c.address;
    }
    tree.Expand(locked, false);
    EXPECT_NE(commands.FindDuplicateLink("http://hidden.example.com/"), nullptr);
    commands.options().uniqueUrl = false;
    EXPECT_EQ(commands.FindDuplicateLink("http://www.example.com/Path"), nullptr);
    commands.options().uniqueUrl = true;

    // Yes shows the stored link and adds nothing; No adds the link all the same.
    int focused = 0;
    commands.hooks().focusNode = [&](TfcTreeNode* node) { focused += node == stored; };
    prompts.dialog(fill("Again", "http://www.example.com/path")).reply(Answer::Yes);
    commands.AddUrl(QString(), QString());
    EXPECT_EQ(prompts.take(), QStringList{"ask: Show duplicated link?"});
    EXPECT_EQ(tree.Selected(), stored);
    EXPECT_EQ(focused, 1);
    EXPECT_EQ(tree.TopLevelCount(), 4);
    prompts.dialog(fill("Again", "http://www.example.com/path")).reply(Answer::No);
    commands.AddUrl(QString(), QString());
    prompts.take();
    EXPECT_EQ(tree.TopLevelCount(), 5);
}

TEST_F(AddTest, QuickAddPlacesTheLinkAndShowsTheNotice)
{
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    TfcTreeNode* locked = addFolder(tree, nullptr, "Locked");
    locked->FolderPassword = EncodeFolderPassword("pw");
    TfcTreeNode* link = addLink(tree, nullptr, "Link", "http://link.example.com/");

    tree.Select(folder);
    TfcTreeNode* a = commands.QuickAddLink("http://Quick.example.com/A");
    EXPECT_EQ(a->Parent(), folder);
    EXPECT_EQ(a->Name(), "http://Quick.example.com/A");
    EXPECT_EQ(a->Link1, "http://Quick.example.com/A");
    EXPECT_EQ(a->ImageIndex, 0);
    EXPECT_EQ(a->SelectedIndex, 1);
    EXPECT_EQ(tree.Selected(), a);

    tree.Select(locked);
    TfcTreeNode* b = commands.QuickAddLink("http://b.example.com/");
    EXPECT_EQ(b->Parent(), nullptr); // never inside a protected folder
    EXPECT_EQ(tree.TopLevelItem(tree.TopLevelCount() - 1), b);

    tree.Select(link);
    commands.options().msnPopup = false;
    EXPECT_EQ(commands.QuickAddLink("http://c.example.com/")->Parent(), nullptr);
    EXPECT_EQ(notices, (QStringList{"http://Quick.example.com/A", "http://b.example.com/"}));
    EXPECT_EQ(counts.LinkCount, 3);
    EXPECT_EQ(modified, 3);
}

TEST(PasswordGenerator, DistinctCharactersFromTheChosenSets)
{
    std::mt19937 random(7);
    const PasswordCharsets digits{true, false, false, false};
    std::string ten = GeneratePassword(10, digits, random);
    std::sort(ten.begin(), ten.end());
    EXPECT_EQ(ten, "0123456789");
    const std::string nine = GeneratePassword(12, digits, random);
    EXPECT_EQ(nine.size(), 9u);
    EXPECT_EQ(std::set<char>(nine.begin(), nine.end()).size(), 9u);
    EXPECT_EQ(GeneratePassword(8, {false, false, false, false}, random), "");

    // "#" stands twice among the signs: asking for all 28 gives the 27 different ones, and ends.
    const PasswordCharsets signs{false, false, false, true};
    EXPECT_EQ(PasswordAlphabet(signs), "!#$%&/()=?@<>|{[]}\\*~+#;:.-_");
    EXPECT_EQ(GeneratePassword(28, signs, random).size(), 27u);
    const std::string mixed = GeneratePassword(8, {true, true, true, false}, random);
    EXPECT_EQ(mixed.size(), 8u);
    EXPECT_EQ(mixed.find_first_not_of(PasswordAlphabet({true, true, true, false})), std::string::npos);
}

TEST(AddDialog, RatingButtonsColoursKeysAndGenerator)
{
    ensureApp();
    DialogPrompts prompts;
    TFormAdd form(FixedPrompts(prompts), QRect(10, 20, 300, 460), 7);
    EXPECT_EQ(form.rating(), 5); // a stored rating is kept within 0 to 5
    EXPECT_EQ(form.bounds().size(), QSize(300, 460));
    const QColor first = FromWindowsColor(9282771);
    EXPECT_EQ(form.ratingColor(), first);
    form.SBtnUp()->click();
    EXPECT_EQ(form.rating(), 5);
    EXPECT_EQ(form.ratingColor(), FromWindowsColor(6674026));
    form.setRating(1);
    form.SBtnDown()->click();
    EXPECT_EQ(form.rating(), 0);
    EXPECT_EQ(form.ratingColor(), FromWindowsColor(6674026)); // 0 keeps the colour
    form.SBtnDown()->click();
    EXPECT_EQ(form.rating(), 0);
    form.SBtnUp()->click();
    EXPECT_EQ(form.ratingColor(), first);

    form.setPasswordOptions({true, false, false, false}, 4);
    form.BtnSecur()->click();
    EXPECT_EQ(form.EditPas2()->text().size(), 4);
    EXPECT_EQ(form.EditPas2()->text().toStdString().find_first_not_of("0123456789"), std::string::npos);

    prompts.reply(QStringLiteral("/pictures/site.jpg"));
    form.SpeedButton1()->click();
    EXPECT_EQ(form.EditPicPath()->text(), "/pictures/site.jpg");
    EXPECT_EQ(prompts.lastFileDialog().defaultSuffix, "jpg");
    prompts.take();

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.EditUrl2()->setFocus();
    QTest::keyClick(form.EditUrl2(), Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.EditUrl2a()->hasFocus());
    form.Memo2()->setFocus();
    QTest::keyClick(form.Memo2(), Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Memo2()->toPlainText(), "\n");
    QTest::keyClick(form.EditName2(), Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    form.show();
    QTest::keyClick(form.EditName2(), Qt::Key_Escape);
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(LinkNotice, TextLinkAndClosingByItself)
{
    ensureApp();
    QStringList launched;
    QPointer<LinkNotice> notice = new LinkNotice("Added new link", "http://a.example.com/",
                                                 [&](const QString& address) { launched << address; });
    EXPECT_EQ(notice->text(), "\rAdded new link\rhttp://a.example.com/");
    notice->popUp(10, 10);
    EXPECT_TRUE(notice->isVisible());
    notice->activateLink();
    EXPECT_EQ(launched, QStringList{"http://a.example.com/"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return notice.isNull(); }, 2000)); // closed and deleted

    QPointer<LinkNotice> idle = new LinkNotice("Added new link", "http://b.example.com/", {});
    idle->popUp(10, 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle.isNull(); }, 2000));
}

} // namespace
