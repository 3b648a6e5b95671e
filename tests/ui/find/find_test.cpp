// Find and Find next in the real main window, driven through their commands and the dialog.

#include "language_coverage.h"
#include "window_support.h"

#include "ui/editing/editing_feature.h"
#include "ui/editing/form_password.h"
#include "ui/editing/properties_editor.h"
#include "ui/find/find_search.h"
#include "ui/find/form_find.h"
#include "ui/kit/command_map.h"
#include "ui/shell/form_main.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// Work[Mail Wiki] Vault(protected)[Wiki archive] Home
class FindTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        TfcTreeNodes& tree = form.tree();
        work = addFolder(tree, nullptr, "Work");
        mail = addLink(tree, work, "Mail", "http://mail.example.com/");
        wiki = addLink(tree, work, "Wiki", "http://wiki.example.com/");
        vault = addProtectedFolder(tree, nullptr, "Vault", "pw");
        archive = addLink(tree, vault, "Wiki archive", "http://archive.example.com/");
        home = addLink(tree, nullptr, "Home", "http://home.example.com/");
        form.settings().findText = FindTextSection{};
    }
    // Types the text into the dialog, lets more set its controls, and presses OK.
    DialogPrompts::Action search(const QString& text, std::function<void(TFormFind&)> more = {})
    {
        return [text, more](QDialog& d) {
            auto& dialog = static_cast<TFormFind&>(d);
            dialog.EditFindText()->setText(text);
            if (more)
                more(dialog);
            return int(QDialog::Accepted);
        };
    }
    QString editedName() { return form.feature<EditingFeature>()->editor()->EditName()->text(); }

    TfcTreeNode *work, *mail, *wiki, *vault, *archive, *home;
};

TEST_F(FindTest, FindSelectsTheNodeAndRemembersTheChoices)
{
    form.settings().main.findWLeft = 40;
    form.settings().main.findWTop = 30;
    prompts.dialog([this](QDialog& d) {
        auto& dialog = static_cast<TFormFind&>(d);
        EXPECT_EQ(dialog.windowTitle(), "Search");
        EXPECT_EQ(dialog.pos(), QPoint(40, 30));
        EXPECT_TRUE(dialog.CheckFAll()->isChecked());
        EXPECT_TRUE(dialog.RadioBtnBegin()->isChecked());
        EXPECT_TRUE(dialog.RadioBtnNext()->isChecked());
        return search("wiki", [](TFormFind& f) {
            f.CheckFAll()->setChecked(false);
            f.CheckFSol()->setChecked(false);
            f.RadioBtnSelect()->setChecked(true);
        })(d);
    });
    form.commands().run(Cmd::Find);
    EXPECT_EQ(form.tree().Selected(), wiki);
    EXPECT_TRUE(work->Expanded());
    EXPECT_EQ(editedName(), "Wiki") << "the editors show the node found";
    const FindTextSection& state = form.settings().findText;
    EXPECT_EQ(state.text, "wiki");
    EXPECT_FALSE(state.findAll);
    EXPECT_FALSE(state.description);
    EXPECT_TRUE(state.name);
    EXPECT_FALSE(state.fromBegin);
    EXPECT_TRUE(state.findNext);

    // Reopened, the dialog shows what it was given.
    prompts.dialog([](QDialog& d) {
        auto& dialog = static_cast<TFormFind&>(d);
        EXPECT_EQ(dialog.EditFindText()->text(), "wiki");
        EXPECT_FALSE(dialog.CheckFSol()->isChecked());
        EXPECT_TRUE(dialog.RadioBtnSelect()->isChecked());
        return cancel(d);
    });
    form.commands().run(Cmd::Find);
    EXPECT_EQ(form.tree().Selected(), wiki);
}

TEST_F(FindTest, NotFoundLeavesTheSelectionAndFindNextNeverWraps)
{
    form.selectNode(mail);
    prompts.dialog(search("Nowhere"));
    form.commands().run(Cmd::Find);
    EXPECT_EQ(prompts.take(), QStringList{"acknowledge: Text not found! \r\"Nowhere\""});
    EXPECT_EQ(form.tree().Selected(), mail);

    form.settings().findText.text = "a";
    form.selectNode(wiki);
    form.commands().run(Cmd::FindNext);
    EXPECT_EQ(form.tree().Selected(), vault) << "the protected folder itself, not its contents";
    form.commands().run(Cmd::FindNext);
    EXPECT_EQ(form.tree().Selected(), home);
    form.commands().run(Cmd::FindNext);
    EXPECT_EQ(prompts.take(), QStringList{"acknowledge: Text not found! \r\"a\""});
    EXPECT_EQ(form.tree().Selected(), home);
}

TEST_F(FindTest, FindNextBackwardPassesTheLockedFolderAndFindsItOnceOpened)
{
    form.settings().findText.text = "wiki";
    form.settings().findText.findNext = false;
    form.selectNode(home);
    form.commands().run(Cmd::FindNext);
    EXPECT_EQ(form.tree().Selected(), wiki) << "the archive inside the locked folder is skipped";

    form.selectNode(home);
    prompts.dialog([](QDialog& d) {
        static_cast<TPasswordDlg&>(d).EditPasCur()->setText("pw");
        return accept(d);
    });
    form.tree().Expand(vault, false);
    form.commands().run(Cmd::FindNext);
    EXPECT_EQ(form.tree().Selected(), archive);
}

TEST_F(FindTest, FindNextWithoutATextRunsFindAndWithOneNodeNothing)
{
    prompts.dialog(search("HOME"));
    form.commands().run(Cmd::FindNext);
    EXPECT_EQ(form.tree().Selected(), home);

    form.tree().Clear();
    addLink(form.tree(), nullptr, "Only");
    form.settings().findText.text.clear();
    form.commands().run(Cmd::FindNext);
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(FindTest, SearchWithChoicesUpperCasesBothSides)
{
    home->Description = "Straße";
    mail->Description = "\xC4rger"; // Windows-1252, as files written on Windows hold it
    FindTextSection choices;
    EXPECT_EQ(SearchWithChoices(form.tree(), "STRASSE", choices, true, true, true), home);
    EXPECT_EQ(SearchWithChoices(form.tree(), QString::fromUtf8("ärger"), choices, true, true, true), mail);
    choices.findAll = false;
    choices.description = false;
    EXPECT_EQ(SearchWithChoices(form.tree(), "strasse", choices, true, true, true), nullptr);
}

TEST(FindLanguage, TheSearchDialogIsTranslated)
{
    ensureApp();
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        auto* dialog = new TFormFind(&form);
        return QList<QWidget*>{dialog};
    });
}

} // namespace
