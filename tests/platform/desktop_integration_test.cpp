// The association and the autostart entry in a temporary home: the files written, read back,
// and removed again without touching what others wrote.

#include "platform/desktop_integration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DesktopIntegrationTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    XdgFolders folders{home.filePath("data"), home.filePath("config")};
    DesktopIntegration desktop{folders, "/opt/tarn link/tarnlink"};
};

TEST_F(DesktopIntegrationTest, AssociationWritesTheTypeAndTheEntryAndNamesTheTools)
{
    const DesktopChange change = desktop.associate();
    EXPECT_TRUE(change.unwritable.isEmpty());

    EXPECT_EQ(desktop.mimePackageFile(), folders.dataHome + "/mime/packages/tarnlink.xml");
    const QByteArray package = read(desktop.mimePackageFile());
    EXPECT_TRUE(package.startsWith("<?xml"));
    EXPECT_TRUE(package.contains(R"(<mime-type type="application/x-tarnlink-collection">)"));
    EXPECT_TRUE(package.contains(R"(<glob pattern="*.tlk"/>)"));
    EXPECT_TRUE(package.contains("<comment>Tarnlink document</comment>"));

    EXPECT_EQ(desktop.applicationFile(), folders.dataHome + "/applications/tarnlink.desktop");
    const QByteArrayList entry = read(desktop.applicationFile()).split('\n');
    EXPECT_TRUE(entry.contains(R"(Exec="/opt/tarn link/tarnlink" %f)"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-tarnlink-collection;"));
    EXPECT_TRUE(entry.contains("[Desktop Entry]"));
    EXPECT_EQ(entry.count("Exec=tarnlink %f"), 0);

    const QList<DesktopTool> tools{
        {"update-mime-database", {folders.dataHome + "/mime"}},
        {"xdg-mime", {"default", "tarnlink.desktop", "application/x-tarnlink-collection"}},
    };
    EXPECT_EQ(change.tools, tools);
    // Written again at every OK: the same files, the same tools.
    EXPECT_EQ(desktop.associate().tools, tools);
}

TEST_F(DesktopIntegrationTest, RemovingTheAssociationLeavesWhatOthersWrote)
{
    desktop.associate();
    const QString otherPackage = folders.dataHome + "/mime/packages/other.xml";
    const QString otherEntry = folders.dataHome + "/applications/other.desktop";
    write(otherPackage, "<mime-info/>");
    write(otherEntry, "[Desktop Entry]\n");
    // What xdg-mime default wrote, among the choices of other programs.
    write(desktop.mimeAppsFile(), "[Default Applications]\n"
                                  "text/html=firefox.desktop\n"
                                  "application/x-tarnlink-collection=tarnlink.desktop\n"
                                  "\n"
                                  "[Added Associations]\n"
                                  "application/x-tarnlink-collection=other.desktop;tarnlink.desktop;\n"
                                  "[Other Section]\n"
                                  "application/x-tarnlink-collection=tarnlink.desktop\n");

    const DesktopChange change = desktop.dissociate();
    EXPECT_TRUE(change.unwritable.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(desktop.mimePackageFile()));
    EXPECT_FALSE(QFileInfo::exists(desktop.applicationFile()));
    EXPECT_TRUE(QFileInfo::exists(otherPackage));
    EXPECT_TRUE(QFileInfo::exists(otherEntry));
    EXPECT_EQ(read(desktop.mimeAppsFile()), "[Default Applications]\n"
                                            "text/html=firefox.desktop\n"
                                            "\n"
                                            "[Added Associations]\n"
                                            "application/x-tarnlink-collection=other.desktop;\n"
                                            "[Other Section]\n"
                                            "application/x-tarnlink-collection=tarnlink.desktop\n");
    EXPECT_EQ(change.tools, (QList<DesktopTool>{{"update-mime-database", {folders.dataHome + "/mime"}}}));

    // Nothing of ours left: nothing to do, and a menu entry the user made under our name stays.
    write(desktop.applicationFile(), "[Desktop Entry]\nName=My own\n");
    const DesktopChange again = desktop.dissociate();
    EXPECT_TRUE(again.tools.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(desktop.applicationFile()));
}

TEST_F(DesktopIntegrationTest, AutostartEntryExistsExactlyWhileWanted)
{
    EXPECT_FALSE(desktop.autostartEnabled());
    EXPECT_TRUE(desktop.setAutostart(true).unwritable.isEmpty());
    EXPECT_EQ(desktop.autostartFile(), folders.configHome + "/autostart/tarnlink.desktop");
    EXPECT_TRUE(desktop.autostartEnabled());
    const QByteArrayList entry = read(desktop.autostartFile()).split('\n');
    EXPECT_TRUE(entry.contains(R"(Exec="/opt/tarn link/tarnlink")"));
    EXPECT_FALSE(read(desktop.autostartFile()).contains("MimeType"));

    EXPECT_TRUE(desktop.setAutostart(false).unwritable.isEmpty());
    EXPECT_FALSE(desktop.autostartEnabled());
    EXPECT_TRUE(desktop.setAutostart(false).unwritable.isEmpty()); // already gone
}

TEST_F(DesktopIntegrationTest, FoldersThatCannotBeWrittenAreReportedAndNoToolRuns)
{
    // A file where the folders should be: no one, not even root, writes below it.
    write(folders.dataHome, "not a folder");
    write(folders.configHome, "not a folder");
    const DesktopChange association = desktop.associate();
    EXPECT_EQ(association.unwritable, (QStringList{desktop.mimePackageFile(), desktop.applicationFile()}));
    EXPECT_TRUE(association.tools.isEmpty());
    EXPECT_EQ(desktop.setAutostart(true).unwritable, QStringList{desktop.autostartFile()});
}

// Sets an environment variable for the scope, putting back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name), was_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~ScopedVariable()
    {
        if (was_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool was_;
    QByteArray old_;
};

TEST(XdgFolders, VariablesOrTheirPlacesBelowHome)
{
    {
        const ScopedVariable data("XDG_DATA_HOME", "/srv/data/");
        const ScopedVariable config("XDG_CONFIG_HOME", "relative/config"); // not absolute: ignored
        const XdgFolders folders = XdgFolders::fromEnvironment();
        EXPECT_EQ(folders.dataHome, "/srv/data");
        EXPECT_EQ(folders.configHome, QDir::homePath() + "/.config");
    }
    const ScopedVariable data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(XdgFolders::fromEnvironment().dataHome, QDir::homePath() + "/.local/share");
}

TEST(DesktopExecArgument, QuotedAndEscapedAsTheEntryFormatWants)
{
    const std::pair<QString, QString> cases[] = {
        {"/usr/bin/tarnlink", R"("/usr/bin/tarnlink")"},
        {"/opt/my apps/tarnlink", R"("/opt/my apps/tarnlink")"},
        {"/opt/$HOME/tarnlink", R"("/opt/\\$HOME/tarnlink")"},
        {R"(/opt/"q"/t)", R"("/opt/\\"q\\"/t")"},
        {R"(/opt/back\slash)", R"("/opt/back\\\\slash")"},
        {"/opt/100%/tarnlink", R"("/opt/100%%/tarnlink")"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(DesktopExecArgument(path), expected) << path.toStdString();
}

} // namespace
