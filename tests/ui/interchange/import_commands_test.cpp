// The four File > Import commands of the main window: where the nodes land, the counters, the
// modified flag, one reset of the tree, and what failures and cancelling leave behind.

#include "interchange_support.h"

#include "document/collection_file.h"
#include "model/tree_counts.h"
#include "ui/interchange/import_progress.h"
#include "ui/kit/command_map.h"
#include "ui/tree/tree_model.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

const QString kFixtures = QStringLiteral(TARNLINK_FIXTURES "/interchange/");

// Counts the nodes the progress hears of and cancels at the given one.
struct ProgressScript {
    QStringList titles;
    int nodes = 0;
    int cancelAt = -1;
};

class ScriptedProgress final : public ImportProgress {
public:
    explicit ScriptedProgress(ProgressScript& script) : script_(script) {}
    bool carryOn(const TreeCounts&) override { return ++script_.nodes != script_.cancelAt; }

private:
    ProgressScript& script_;
};

class ImportCommandsTest : public InterchangeTest {
protected:
    void SetUp() override { fresh(); }
    // A new window whose imports report to the script.
    void fresh()
    {
        makeForm();
        progress = {};
        feature->imports().setProgress([this](const QString& title) {
            progress.titles << title;
            return std::make_unique<ScriptedProgress>(progress);
        });
    }

    // Runs the command with the file or folder the dialog answers; what the tree looked like.
    void import(Cmd command, const QString& chosen)
    {
        prompts.reply(chosen);
        form->commands().run(command);
    }
    QString status(int panel) const { return form->StatusPanel(panel)->text(); }

    // A favorites folder: "News" with one shortcut, and a shortcut at its top.
    QString favorites()
    {
        const QString root = path("fav");
        EXPECT_TRUE(QDir().mkpath(root + "/News"));
        write("fav/News/Daily Paper.url", "[InternetShortcut]\r\nURL=http://paper.example/\r\n");
        write("fav/search.url", "[InternetShortcut]\r\nURL=http://search.example/\r\n");
        return root;
    }

    ProgressScript progress;
};

TEST_F(ImportCommandsTest, EachFormatLandsInTheSelectedFolderAndCounts)
{
    TfcTreeNodes source;
    test::Build(source, {test::Link("first", "http://a/"), test::Folder("f", {test::Link("deep", "d")})});
    const QString collection = path("source.tlk");
    WriteCollection(collection, source, CountNodes(source));

    struct Case {
        Cmd command;
        QString chosen;
        std::string inside; // the target's contents after "inside"
        TreeCounts added;
        QString dialog;
    };
    const Case cases[] = {
        {Cmd::ImportText, kFixtures + "import.txt",
         "  L Start page http://example.com/Home?Q=A\n  F Work\n    L Intranet http://intra.example/Wiki\n"
         "    L  http://noname.example\n  F Folder3\n    L [Unclosed [unclosed\n    L Just Text just text\n  F Play\n",
         {3, 5}, "open: Import from text file"},
        {Cmd::ImportOpera, kFixtures + "hotlist.adr",
         "  F 1\n    L K\xC3\x96LN = CITY http://koeln.example/\n  F Empty\n", {2, 1}, "open: Import from Opera"},
        {Cmd::ImportTarnlink, collection, "  L first http://a/\n  F f\n    L deep d\n", {1, 2},
         "open: Import from Tarnlink List"},
        {Cmd::ImportIE, favorites(), "", {1, 2}, "folder: Select dir for links import"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog.toStdString());
        fresh();
        select(0);
        QSignalSpy resets(&form->treeModel(), &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&form->treeModel(), &QAbstractItemModel::rowsInserted);
        import(c.command, c.chosen);
        EXPECT_EQ(prompts.take(), QStringList{c.dialog});
        const std::string after = outline();
        if (c.command == Cmd::ImportIE) {
            // The file system lists entries in no set order.
            EXPECT_NE(after.find("  F News\n    L DAILY PAPER http://paper.example/\n"), std::string::npos) << after;
            EXPECT_NE(after.find("  L SEARCH http://search.example/\n"), std::string::npos) << after;
        } else {
            EXPECT_EQ(after, "F Target\n  L inside http://in/\n" + c.inside + "L top http://top/\nS line\n");
        }
        EXPECT_TRUE(after.ends_with("L top http://top/\nS line\n")) << after;
        EXPECT_EQ(form->document().counts, CountNodes(form->tree()));
        EXPECT_EQ(form->document().counts, (TreeCounts{1 + c.added.FolderCount, 2 + c.added.LinkCount}));
        EXPECT_TRUE(form->document().modified);
        EXPECT_EQ(status(0), "Total folders: " + QString::number(form->document().counts.FolderCount));
        EXPECT_EQ(resets.count(), 1);
        EXPECT_EQ(inserts.count(), 0);
        EXPECT_EQ(form->tree().Selected(), node(0)); // the selection does not move
    }
}

TEST_F(ImportCommandsTest, TargetFollowsTheSelection)
{
    write("one.txt", "one\thttp://one/\n");
    write("one.adr", "#URL\n\tNAME=one\n\tURL=http://one/\n\t\n\t\n\t\n\t\n-\n-\n");
    struct Case {
        int selected;
        std::string outline; // for either name case
    };
    // A link or nothing selected: the end of the top level; a folder or separator holds them.
    const Case cases[] = {
        {-1, "F Target\n  L inside http://in/\nL top http://top/\nS line\nL # http://one/\n"},
        {1, "F Target\n  L inside http://in/\nL top http://top/\nS line\nL # http://one/\n"},
        {0, "F Target\n  L inside http://in/\n  L # http://one/\nL top http://top/\nS line\n"},
        {3, "F Target\n  L inside http://in/\nL top http://top/\nS line\n  L # http://one/\n"},
    };
    for (const Case& c : cases) {
        for (const auto& [command, file, name] : {std::tuple(Cmd::ImportText, "one.txt", "one"), std::tuple(Cmd::ImportOpera, "one.adr", "ONE")}) {
            SCOPED_TRACE(std::to_string(c.selected) + " " + file);
            fresh();
            select(c.selected);
            import(command, path(file));
            prompts.take();
            std::string expected = c.outline;
            expected.replace(expected.find('#'), 1, name);
            EXPECT_EQ(outline(), expected);
        }
    }
}

TEST_F(ImportCommandsTest, CancelledDialogChangesNothing)
{
    for (Cmd command : {Cmd::ImportIE, Cmd::ImportOpera, Cmd::ImportText, Cmd::ImportTarnlink}) {
        import(command, QString());
        EXPECT_EQ(prompts.take().size(), 1);
    }
    EXPECT_EQ(form->tree().Count(), 4);
    EXPECT_FALSE(form->document().modified);
    EXPECT_TRUE(progress.titles.isEmpty());
}

TEST_F(ImportCommandsTest, AnEmptyFavoritesFolderStillMarksTheDocument)
{
    ASSERT_TRUE(QDir().mkpath(path("empty")));
    import(Cmd::ImportIE, path("empty"));
    prompts.take();
    EXPECT_EQ(form->tree().Count(), 4);
    EXPECT_TRUE(form->document().modified);
}

TEST_F(ImportCommandsTest, FailuresShowTheirErrorAndKeepOnlyWhatTheFormatKeeps)
{
    QFile::copy(kFixtures + "hotlist.adr", path("cut.adr"));
    QFile cut(path("cut.adr"));
    ASSERT_TRUE(cut.open(QIODevice::Append));
    cut.write("#URL\n\tNAME=cut short\n");
    cut.close();
    TfcTreeNodes source;
    test::Build(source, {test::Link("first", "http://a/"), test::Folder("f", {test::Link("deep", "d")})});
    WriteCollection(path("cut.tlk"), source, CountNodes(source));
    QFile collection(path("cut.tlk"));
    ASSERT_TRUE(collection.resize(collection.size() - 10));

    struct Case {
        Cmd command;
        QString chosen;
        QString error;      // how the error begins
        int nodesAdded;     // what stays of the file
    };
    const Case cases[] = {
        // A hotlist keeps the records read before the one cut short.
        {Cmd::ImportOpera, path("cut.adr"), "error: The hotlist record at line ", 3},
        {Cmd::ImportOpera, path("missing.adr"), "error: ", 0},
        {Cmd::ImportTarnlink, path("cut.tlk"), "error: Stream read error", 0},
        {Cmd::ImportText, path("missing.txt"), "error: ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        fresh();
        select(0);
        import(c.command, c.chosen);
        const QStringList shown = prompts.take();
        ASSERT_EQ(shown.size(), 2);
        EXPECT_TRUE(shown[1].startsWith(c.error)) << shown[1].toStdString();
        EXPECT_EQ(form->tree().Count(), 4 + c.nodesAdded);
        EXPECT_EQ(form->document().counts, CountNodes(form->tree()));
        EXPECT_EQ(form->document().modified, c.nodesAdded > 0);
        EXPECT_FALSE(form->tree().Updating());
    }
}

TEST_F(ImportCommandsTest, CancellingTheProgressLeavesTheTreeAsItWas)
{
    const QString folder = favorites();
    for (const auto& [command, chosen, title] : {std::tuple(Cmd::ImportIE, folder, "IE Favorites"),
                                                 std::tuple(Cmd::ImportOpera, kFixtures + "hotlist.adr", "Opera hotlinks")}) {
        SCOPED_TRACE(title);
        fresh();
        progress.cancelAt = 2;
        select(0);
        import(command, chosen);
        prompts.take();
        EXPECT_EQ(progress.titles, QStringList{title});
        EXPECT_EQ(progress.nodes, 2);
        EXPECT_EQ(outline(), "F Target\n  L inside http://in/\nL top http://top/\nS line\n");
        EXPECT_EQ(form->document().counts, (TreeCounts{1, 2}));
        EXPECT_FALSE(form->document().modified);
        EXPECT_TRUE(feature->mayClose());
    }
}

TEST_F(ImportCommandsTest, NothingNestsDeeperThanACollectionCanHold)
{
    // The target at the deepest level whose folders may still hold links.
    TfcTreeNode* target = node(0);
    {
        const UpdateGuard update(form->tree());
        for (int level = 1; level < kMaxNestingDepth - 1; ++level) {
            target = form->tree().AddChild(target, "f");
            target->Kind = KindFolder;
        }
    }
    ASSERT_EQ(target->Level(), kMaxNestingDepth - 2);
    form->document().counts = CountNodes(form->tree());
    const int before = form->tree().Count();
    write("deep.adr", "#FOLDER\n\tNAME=a\n\t\n\t\n\t\n\t\n#URL\n\tNAME=b\n\tURL=c\n\t\n\t\n\t\n\t\n");
    form->tree().Select(target);
    import(Cmd::ImportOpera, path("deep.adr"));
    EXPECT_EQ(prompts.take(), (QStringList{"open: Import from Opera", "error: Folders are nested too deeply to be imported"}));
    EXPECT_EQ(form->tree().Count(), before);
    EXPECT_FALSE(form->document().modified);

    write("flat.adr", "#URL\n\tNAME=b\n\tURL=c\n\t\n\t\n\t\n\t\n");
    import(Cmd::ImportOpera, path("flat.adr"));
    prompts.take();
    EXPECT_EQ(form->tree().Count(), before + 1);

    // A file that is itself too deep is refused whole at the top level too, whatever it read.
    QByteArray deeper;
    for (int level = 0; level <= kMaxNestingDepth; ++level)
        deeper += "#FOLDER\n\tNAME=a\n\t\n\t\n\t\n\t\n";
    write("deeper.adr", deeper);
    form->tree().Select(nullptr);
    import(Cmd::ImportOpera, path("deeper.adr"));
    EXPECT_EQ(prompts.take(),
              (QStringList{"open: Import from Opera", "error: Folders are nested too deeply to be imported\n" + path("deeper.adr")}));
    EXPECT_EQ(form->tree().Count(), before + 1);
}

} // namespace
