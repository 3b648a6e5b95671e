// Sort in the real main window: the dialog, its stored choices and the sorted tree.

#include "language_coverage.h"
#include "window_support.h"

#include "ui/kit/command_map.h"
#include "ui/shell/form_main.h"
#include "ui/sort/form_sort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class SortTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        TfcTreeNodes& tree = form.tree();
        TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
        for (auto [name, visited] : {std::pair{"Zoo", "31.12.2023 10:00:00"}, {"apple", ""}, {"Apple", "01.02.2024 09:00:00"}})
            addLink(tree, folder, name)->Visited = visited;
        addLink(tree, nullptr, "Top");
    }
    QStringList namesIn(const TfcTreeNode* folder) const
    {
        QStringList names;
        for (const TfcTreeNode* n = folder->FirstChild(); n; n = n->NextSibling())
            names << QString::fromStdString(n->Name());
        return names;
    }
};

TEST_F(SortTest, OkSortsEveryLevelAndStoresTheChoices)
{
    form.settings().sort = {1, false, true};
    prompts.dialog([](QDialog& d) {
        auto& dialog = static_cast<TFormSort&>(d);
        EXPECT_EQ(dialog.windowTitle(), "Sort");
        EXPECT_FALSE(dialog.ComboBoxSort()->isEditable());
        EXPECT_EQ(dialog.ComboBoxSort()->count(), 4);
        EXPECT_EQ(dialog.ComboBoxSort()->currentText(), "Date");
        EXPECT_TRUE(dialog.RadioBtnUp()->isChecked());
        dialog.RadioBtnDown()->setChecked(true);
        return accept(d);
    });
    form.commands().run(Cmd::Sort);
    EXPECT_EQ(namesIn(form.tree().GetFirstNode()), (QStringList{"apple", "Apple", "Zoo"}))
        << "never launched first, then by the text of the date";
    EXPECT_EQ(form.settings().sort, (SortSection{1, false, false}));
    EXPECT_TRUE(form.document().modified);

    prompts.dialog([](QDialog& d) {
        auto& dialog = static_cast<TFormSort&>(d);
        dialog.ComboBoxSort()->setCurrentIndex(0);
        dialog.CheckOnlyLinks()->setChecked(true);
        return accept(d);
    });
    form.commands().run(Cmd::Sort);
    EXPECT_EQ(namesIn(form.tree().GetFirstNode()), (QStringList{"Apple", "Zoo", "apple"}));
    EXPECT_EQ(form.tree().GetFirstNode()->Name(), "Folder") << "only links: the folder keeps its place";
}

TEST_F(SortTest, CancelChangesNothing)
{
    form.settings().main.sortWLeft = 25;
    prompts.dialog([](QDialog& d) {
        static_cast<TFormSort&>(d).RadioBtnDown()->setChecked(true);
        d.move(60, 70);
        return cancel(d);
    });
    form.commands().run(Cmd::Sort);
    EXPECT_EQ(namesIn(form.tree().GetFirstNode()), (QStringList{"Zoo", "apple", "Apple"}));
    EXPECT_FALSE(form.document().modified);
    EXPECT_TRUE(form.settings().sort.directionUp);
    EXPECT_EQ(form.settings().main.sortWLeft, 60) << "the position is taken from the dialog in every case";
}

TEST(SortLanguage, TheSortDialogIsTranslated)
{
    ensureApp();
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        auto* dialog = new TFormSort(form.commands().caption(Cmd::Sort), &form);
        return QList<QWidget*>{dialog};
    });
}

} // namespace
