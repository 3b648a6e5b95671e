#include "editing_support.h"

#include "model/errors.h"
#include "platform/clock.h"
#include "ui/editing/folder_combo.h"
#include "ui/editing/form_add.h"
#include "ui/editing/properties_editor.h"
#include "ui/kit/visit_time.h"

#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTemporaryDir>
#include <QToolButton>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

const QDateTime kNow(QDate(2026, 3, 10), QTime(11, 0, 0));

class PropertiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tab.resize(300, 150);
        Clock::install(&clock);
        editor.setAddDialog(&dialog);
        auto& h = editor.hooks();
        h.setModified = [this] { ++modified; };
        h.showTotals = [this] {
            clicks.setText("totals");
            visited.setText("totals");
        };
        link = addLink(tree, nullptr, "Site", "http://site.example.com/", "http://mirror.example.com/");
        link->Login = "me";
        link->Password = "pw";
        link->Clicks = 4;
        folder = addFolder(tree, nullptr, "Folder");
        separator = addSeparator(tree, nullptr);
    }
    void TearDown() override
    {
        Clock::install(nullptr);
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }
    void show(TfcTreeNode* node)
    {
        tree.Select(node);
        editor.RefreshEditors();
    }
    QString writeJpeg(const char* name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_TRUE(image.save(path, "JPG"));
        return path;
    }

    QApplication& app = ensureApp(); // before every widget below
    QTemporaryDir dir;
    FixedClock clock{kNow};
    TfcTreeNodes tree;
    DialogPrompts prompts;
    QPlainTextEdit memo;
    QWidget tab;
    QLabel* image = new QLabel(&tab);
    QLabel clicks, visited;
    PropertiesEditor editor{tree, FixedPrompts(prompts), {&memo, image, &tab, &clicks, &visited}};
    TFormAdd dialog{FixedPrompts(prompts), QRect(), 0};
    TfcTreeNode* link = nullptr;
    TfcTreeNode* folder = nullptr;
    TfcTreeNode* separator = nullptr;
    int modified = 0;
};

TEST_F(PropertiesTest, UsableEditorsFollowTheKind)
{
    show(link);
    EXPECT_EQ(editor.EditUrl()->text(), "http://site.example.com/");
    EXPECT_EQ(editor.EditPas()->text(), "pw");
    for (QWidget* e : {(QWidget*)editor.EditName(), (QWidget*)editor.EditUrl(), (QWidget*)editor.EditUrl2(),
                       (QWidget*)editor.EditLogin(), (QWidget*)editor.EditPas(), (QWidget*)&memo})
        EXPECT_TRUE(e->isEnabled());
    EXPECT_EQ(clicks.text(), "Clicks: 4");
    EXPECT_EQ(visited.text(), "Visited: No");

    show(folder);
    EXPECT_EQ(editor.EditName()->text(), "Folder");
    EXPECT_TRUE(editor.EditName()->isEnabled() && memo.isEnabled());
    EXPECT_FALSE(editor.EditUrl()->isEnabled() || editor.EditLogin()->isEnabled() || editor.EditPas()->isEnabled());
    EXPECT_EQ(editor.EditUrl()->text(), "");
    EXPECT_EQ(clicks.text(), "totals");

    show(separator);
    EXPECT_FALSE(editor.EditName()->isEnabled() || memo.isEnabled() || editor.EditUrl2()->isEnabled());
    EXPECT_EQ(editor.EditName()->text(), "");
    EXPECT_EQ(clicks.text(), "Clicks: 0");
    EXPECT_EQ(visited.text(), "Visited: No");

    // No node: emptied and unusable, so nothing can be typed for no node; totals shown.
    show(link);
    show(nullptr);
    for (QWidget* e : {(QWidget*)editor.EditName(), (QWidget*)editor.EditUrl(), (QWidget*)editor.EditUrl2(),
                       (QWidget*)editor.EditLogin(), (QWidget*)editor.EditPas(), (QWidget*)&memo})
        EXPECT_FALSE(e->isEnabled()) << e->objectName().toStdString();
    EXPECT_EQ(editor.EditName()->text(), "");
    EXPECT_EQ(clicks.text(), "totals");
    EXPECT_FALSE(editor.anyChanged());
}

TEST_F(PropertiesTest, DescriptionRoundTripAndCommit)
{
    show(link);
    memo.setPlainText("a\n\nb");
    editor.EditName()->setText("Renamed");
    editor.EditUrl()->setText("http://Other.example.com/X");
    editor.CommitEditors();
    EXPECT_EQ(link->Description, "a\r\rb\r");
    EXPECT_EQ(link->Name(), "Renamed");
    EXPECT_EQ(link->Link1, "http://Other.example.com/X"); // as typed here
    EXPECT_EQ(modified, 1);
    show(folder);
    show(link);
    EXPECT_EQ(memo.toPlainText(), "a\n\nb");

    memo.setPlainText("abc");
    editor.CommitEditors();
    EXPECT_EQ(link->Description, "abc");
    memo.clear();
    editor.CommitEditors();
    EXPECT_EQ(link->Description, "");

    // A folder keeps its empty address fields whatever the hidden editors hold.
    show(folder);
    editor.EditUrl()->setText("http://x/");
    editor.CommitEditors();
    EXPECT_EQ(folder->Link1, "");
}

// Any commit, even of a name alone, writes the description back as it was stored, empty last
// lines included.
TEST_F(PropertiesTest, ACommitKeepsTheDescriptionsLines)
{
    for (const char* stored : {"a\r\r", "\r\r", "a\r\rb\r", "a\r\r\r", "a\rb\r", "one line", ""}) {
        link->Description = stored;
        show(link);
        editor.EditName()->setText("Renamed");
        editor.CommitEditors();
        EXPECT_EQ(link->Description, stored);
    }
}

// The tree may move on before the editors are filled again (the window waits a moment after a
// selection change): edits still go only into the node they were typed for, once.
TEST_F(PropertiesTest, EditsGoOnlyIntoTheNodeTheEditorsWereFilledFrom)
{
    show(link);
    editor.EditName()->setText("Typed");
    emit editor.EditName()->textEdited("Typed");
    editor.EditUrl()->setText("http://typed.example.com/");
    tree.Select(folder); // not shown yet
    EXPECT_TRUE(editor.CommitIfChanged());
    EXPECT_EQ(link->Name(), "Typed");
    EXPECT_EQ(link->Link1, "http://typed.example.com/");
    EXPECT_EQ(folder->Name(), "Folder");
    EXPECT_FALSE(editor.anyChanged()); // stored: the next move writes nothing
    tree.Select(separator);
    editor.CommitEditors();
    EXPECT_EQ(folder->Name(), "Folder");
    EXPECT_EQ(link->Name(), "Typed");

    // Edits of a node deleted before they were stored go nowhere.
    show(folder);
    editor.EditName()->setText("Gone");
    emit editor.EditName()->textEdited("Gone");
    tree.Delete(folder);
    tree.Select(link);
    editor.CommitIfChanged();
    EXPECT_EQ(link->Name(), "Typed");
}

TEST_F(PropertiesTest, ChangedMarksLeavingAnEditorAndKeys)
{
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    show(link);
    EXPECT_FALSE(editor.anyChanged());
    EXPECT_TRUE(editor.CommitIfChanged());
    EXPECT_EQ(modified, 0); // nothing changed, nothing written

    editor.EditName()->setFocus();
    QTest::keyClicks(editor.EditName(), "X");
    EXPECT_TRUE(editor.isChanged(editor.EditName()));
    QTest::keyClick(editor.EditName(), Qt::Key_Return); // Enter moves on to Link 1
    EXPECT_TRUE(editor.EditUrl()->hasFocus());
    EXPECT_EQ(modified, 1);                              // leaving a changed editor
    EXPECT_EQ(link->Name(), "Site");                     // the node waits for the commit
    EXPECT_TRUE(editor.CommitIfChanged());
    EXPECT_EQ(link->Name(), "SiteX");
    show(link);
    EXPECT_FALSE(editor.anyChanged());

    // Typing in the description marks it; the window emptying the box does not.
    memo.show();
    memo.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&memo));
    memo.setFocus();
    QTest::keyClicks(&memo, "note");
    EXPECT_TRUE(editor.isChanged(&memo));
    show(link);
    memo.clearFocus();
    memo.clear();
    EXPECT_FALSE(editor.anyChanged());
}

TEST_F(PropertiesTest, VisitTimeUnits)
{
    show(link);
    struct Case {
        QDateTime visit;
        VisitUnit unit;
        const char* text;
    };
    const QDateTime secondBefore = kNow.addSecs(-1); // 10:59:59
    const Case cases[] = {
        {secondBefore, VisitUnit::Auto, "1 sec back"},
        {secondBefore, VisitUnit::Hours, "1 h back"},   // boundaries passed, not a rounded duration
        {secondBefore, VisitUnit::Minutes, "1 min back"},
        {secondBefore, VisitUnit::Days, "0 d back"},
        {kNow.addSecs(-59 * 60), VisitUnit::Auto, "59 min back"},
        {kNow.addSecs(-5 * 3600), VisitUnit::Auto, "5 h back"},
        {kNow.addDays(-3), VisitUnit::Auto, "3 d back"},
        {kNow.addDays(-3), VisitUnit::Seconds, "259200 sec back"},
        {QDateTime(QDate(2025, 12, 31), QTime(23, 0)), VisitUnit::Months, "3 m back"},
        {QDateTime(QDate(2024, 2, 28), QTime(12, 0)), VisitUnit::Auto, "25 m back"},
        {QDateTime(QDate(2026, 2, 8), QTime(12, 0)), VisitUnit::Auto, "30 d back"}, // 2026 is no leap year
    };
    EXPECT_EQ(FormatVisitTime(secondBefore), "2026-03-10 10:59:59");
    for (const Case& c : cases) {
        link->Visited = FormatVisitTime(c.visit);
        editor.setVisitTimeOptions({c.unit, true, false});
        editor.ShowNodeStatus(link);
        EXPECT_EQ(visited.text(), QStringLiteral("Visited: ") + c.text) << link->Visited;
    }
}

TEST_F(PropertiesTest, DoNotChangeShowsTheStoredText)
{
    link->Visited = "10.03.2026 10:59:59";
    struct Case {
        bool date, time;
        const char* text;
    };
    const Case cases[] = {
        {true, true, "10.03.2026 10:59:59"},
        {true, false, "10.03.2026 "}, // the date with its blank
        {false, true, " 10:59:59"},
        {false, false, ""},
    };
    for (const Case& c : cases) {
        editor.setVisitTimeOptions({VisitUnit::NoChange, c.date, c.time});
        editor.ShowNodeStatus(link);
        EXPECT_EQ(visited.text(), QStringLiteral("Visited: ") + c.text);
    }
    // A text written by a Windows build in a German locale is understood too.
    editor.setVisitTimeOptions({VisitUnit::Auto, true, false});
    editor.ShowNodeStatus(link);
    EXPECT_EQ(visited.text(), "Visited: 1 sec back");
}

TEST_F(PropertiesTest, AVisitTextThatIsNoDateFailsAfterTheEditorsAreFilled)
{
    link->Visited = "yesterday-ish";
    tree.Select(link);
    EXPECT_THROW(editor.RefreshEditors(), ConversionError);
    EXPECT_EQ(editor.EditName()->text(), "Site");
    EXPECT_EQ(clicks.text(), "Clicks: 4");
    EXPECT_FALSE(editor.anyChanged());
}

TEST_F(PropertiesTest, PicturesMissingFilesAndDamagedOnes)
{
    struct Case {
        int width, height;
        QSize bitmap;
    };
    for (const Case& c : {Case{640, 480, {320, 240}}, Case{480, 640, {180, 240}}}) {
        link->PicturePath = writeJpeg("shot.jpg", c.width, c.height).toStdString();
        show(link);
        EXPECT_FALSE(image->isHidden());
        EXPECT_EQ(image->pixmap().size(), c.bitmap);
        EXPECT_TRUE(editor.LabFileError()->isHidden());
    }

    const QString missing = dir.filePath("gone.jpg");
    link->PicturePath = missing.toStdString();
    show(link);
    EXPECT_TRUE(image->isHidden());
    EXPECT_TRUE(image->pixmap().isNull());
    QLabel* error = editor.LabFileError();
    EXPECT_FALSE(error->isHidden());
    EXPECT_EQ(error->text(), "File not found!\n\r" + missing);
    EXPECT_EQ(error->x(), (tab.width() - error->width()) / 2);
    EXPECT_EQ(error->y(), (tab.height() - error->height()) / 2);
    EXPECT_EQ(link->PicturePath, missing.toStdString()); // the path stays

    link->PicturePath = writeJpeg("good.jpg", 640, 480).toStdString();
    show(link);
    const QString damaged = dir.filePath("damaged.jpg");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no picture here");
    file.close();
    folder->PicturePath = damaged.toStdString();
    tree.Select(folder);
    EXPECT_THROW(editor.RefreshEditors(), ImageError);
    EXPECT_TRUE(image->isHidden()); // never the previous node's picture
    EXPECT_EQ(editor.EditName()->text(), "Folder");
    EXPECT_EQ(clicks.text(), "totals"); // the status bar is still brought up to date

    show(separator);
    EXPECT_TRUE(image->isHidden());
    EXPECT_TRUE(error->isHidden());
}

TEST_F(PropertiesTest, PictureCommands)
{
    show(link);
    const QString path = writeJpeg("load.jpg", 64, 48);
    prompts.reply(path);
    editor.MLoadScreenshotClick();
    EXPECT_EQ(prompts.lastFileDialog().defaultSuffix, "jpg");
    EXPECT_EQ(link->PicturePath, path.toStdString());
    EXPECT_EQ(image->pixmap().size(), QSize(320, 240));
    prompts.reply(QString()); // cancelled
    editor.MLoadScreenshotClick();
    EXPECT_EQ(modified, 1);
    editor.MClearScreenshotClick();
    EXPECT_EQ(link->PicturePath, "");
    EXPECT_TRUE(image->isHidden());
    EXPECT_EQ(modified, 2);
    prompts.take();

    // From the menu, a file that is no picture reaches the error box instead of the event loop.
    const QString damaged = dir.filePath("damaged.jpg");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no picture here");
    file.close();
    prompts.reply(damaged);
    QAction* load = editor.PictureMenu()->actions().value(0);
    ASSERT_NE(load, nullptr);
    EXPECT_NO_THROW(load->trigger());
    EXPECT_EQ(link->PicturePath, damaged.toStdString());
    const QStringList shown = prompts.take();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].startsWith("error: ")) << shown[1].toStdString();

    show(nullptr);
    emit editor.PictureMenu()->aboutToShow();
    for (QAction* action : editor.PictureMenu()->actions())
        EXPECT_FALSE(action->isEnabled());
}

TEST_F(PropertiesTest, CopyButtonsAndLoginRow)
{
    show(link);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");
    editor.BtnCopyLogin()->click();
    EXPECT_EQ(clipboard->text(), "me");
    editor.BtnCopyPas()->click();
    EXPECT_EQ(clipboard->text(), "pw");
    editor.EditLogin()->clear();
    editor.BtnCopyLogin()->click();
    EXPECT_EQ(clipboard->text(), "pw"); // an empty editor leaves the clipboard alone

    editor.resize(400, 200);
    editor.LayoutLoginRow(401);
    const int left = editor.EditName()->x();
    EXPECT_EQ(editor.EditLogin()->x(), left);
    EXPECT_EQ(editor.EditLogin()->width(), 200 / 2 + 20);
    EXPECT_EQ(editor.BtnCopyLogin()->x(), left + 120 + 1);
    EXPECT_EQ(editor.EditPas()->x(), editor.BtnCopyLogin()->geometry().right() + 1 + 6);
    EXPECT_EQ(editor.EditPas()->width(), 120);
    EXPECT_EQ(editor.LabPas()->x(), editor.EditPas()->x());
    EXPECT_EQ(editor.BtnCopyPas()->x(), editor.EditPas()->geometry().right() + 1 + 1);
}

TEST_F(PropertiesTest, PropertiesOfALink)
{
    SetLinkRating(*link, 3);
    link->Visited = FormatVisitTime(kNow.addDays(-1));
    show(link);
    memo.setPlainText("typed\nlines");
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.windowTitle(), "Link properties");
        EXPECT_EQ(dialog.rating(), 3);
        EXPECT_FALSE(dialog.TreeCombo()->isEnabled());
        EXPECT_TRUE(dialog.CheckResetUrl()->isEnabled());
        EXPECT_EQ(dialog.descriptionLines(), (QStringList{"typed", "lines"})); // from the editor, not the node
        EXPECT_EQ(dialog.EditUrl2a()->text(), "http://mirror.example.com/");
        dialog.setRating(0);
        dialog.EditName2()->setText("New name");
        dialog.EditUrl2()->setText("http://New.example.com/");
        dialog.CheckResetUrl()->setChecked(true);
        return accept(d);
    });
    editor.MEditorClick();
    EXPECT_EQ(link->ImageIndex, 0);
    EXPECT_EQ(link->SelectedIndex, 1);
    EXPECT_EQ(link->Name(), "New name");
    EXPECT_EQ(link->Link1, "http://New.example.com/");
    EXPECT_EQ(link->Description, "typed\rlines\r");
    EXPECT_EQ(link->Clicks, 0);
    EXPECT_EQ(link->Visited, "");
    EXPECT_EQ(editor.EditName()->text(), "New name");
    EXPECT_EQ(editor.EditUrl()->text(), "http://New.example.com/");
    EXPECT_EQ(visited.text(), "Visited: No");
    EXPECT_EQ(modified, 1);

    // An empty name, or Cancel, changes nothing.
    prompts.dialog([this](QDialog& d) {
        dialog.EditName2()->clear();
        return accept(d);
    });
    editor.MEditorClick();
    prompts.dialog(cancel);
    editor.MEditorClick();
    EXPECT_EQ(link->Name(), "New name");
    EXPECT_EQ(modified, 1);
}

TEST_F(PropertiesTest, PropertiesOfAFolderAndASeparator)
{
    show(folder);
    prompts.dialog([this](QDialog& d) {
        EXPECT_EQ(dialog.windowTitle(), "Folder properties");
        EXPECT_FALSE(dialog.BtnSecur()->isEnabled());
        EXPECT_FALSE(dialog.EditUrl2()->isEnabled());
        EXPECT_FALSE(dialog.EditLogin2()->isEnabled());
        EXPECT_TRUE(dialog.Memo2()->isEnabled());
        EXPECT_FALSE(dialog.CheckResetUrl()->isEnabled());
        EXPECT_EQ(dialog.EditUrl2()->text(), "");
        dialog.EditName2()->setText("Renamed folder");
        dialog.Memo2()->setPlainText("about it");
        return accept(d);
    });
    editor.MEditorClick();
    EXPECT_EQ(folder->Name(), "Renamed folder");
    EXPECT_EQ(folder->Description, "about it");
    EXPECT_EQ(folder->Link1, "");
    EXPECT_EQ(memo.toPlainText(), "about it");
    EXPECT_EQ(clicks.text(), "totals");

    show(separator);
    editor.MEditorClick(); // no dialog
    EXPECT_EQ(clicks.text(), "Clicks: 0");
    EXPECT_EQ(modified, 1);
}

// The unusable folder box of the properties dialog shows where the node lies, without taking
// that as the choice the next add starts from.
TEST_F(PropertiesTest, ThePropertiesDialogShowsTheNodesFolder)
{
    TfcTreeNode* news = addFolder(tree, nullptr, "News");
    TfcTreeNode* paper = addLink(tree, news, "Paper", "http://paper.example.com/");
    TfcTreeNode* section = addFolder(tree, news, "Sport");
    dialog.rebuildFolders(tree);
    dialog.TreeCombo()->choose(0); // "Folder", as an earlier add left it
    const struct {
        TfcTreeNode* node;
        const char* folder;
    } cases[] = {{paper, "News"}, {section, "News"}, {link, "Explorer"}};
    for (const auto& c : cases) {
        show(c.node);
        prompts.dialog([&](QDialog& d) {
            EXPECT_EQ(dialog.TreeCombo()->currentText(), c.folder);
            EXPECT_FALSE(dialog.TreeCombo()->isEnabled());
            return cancel(d);
        });
        editor.MEditorClick();
    }
    EXPECT_EQ(dialog.TreeCombo()->chosenText(), "Folder");
}

} // namespace
