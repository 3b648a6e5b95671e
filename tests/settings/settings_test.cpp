#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

using namespace tarnlink;

namespace {

// Records what the restore asks the window to do, in order.
class RecordingActions : public RestoreActions {
public:
    QStringList calls;
    int autoSaveMs = -1;
    QString browser;

    void applyFormStorage(const FormStorage&) override { calls << "form"; }
    void showMaximised() override { calls << "maximised"; }
    void setLargeIconsBar(bool on) override { calls << QStringLiteral("largeIcons %1").arg(on); }
    void setShowTabIcons(bool on) override { calls << QStringLiteral("tabIcons %1").arg(on); }
    void setListViewColumnWidths(const std::array<int, 6>& w) override
    {
        calls << QStringLiteral("columns %1 %2").arg(w[0]).arg(w[5]);
    }
    void setXpStyle(bool on) override { calls << QStringLiteral("xp %1").arg(on); }
    void setAutoSaveInterval(int ms) override
    {
        autoSaveMs = ms;
        calls << "autosave";
    }
    void setHotColor(int c) override { calls << QStringLiteral("hot %1").arg(c); }
    void setBrowserWindowState(int s) override { calls << QStringLiteral("state %1").arg(s); }
    void setBrowserProgram(const QString& p) override
    {
        browser = p;
        calls << "browser";
    }
    void setTreeOptions(bool a, bool b, bool c, bool d) override
    {
        calls << QStringLiteral("tree %1%2%3%4").arg(a).arg(b).arg(c).arg(d);
    }
    void setLinkMonitor(bool on) override { calls << QStringLiteral("monitor %1").arg(on); }
};

const QSize kScreen(1920, 1080);
const QSize kMainWindow(567, 414);

// Every key of the settings file by section, as the program's documentation lists them.
const std::vector<std::pair<QString, QStringList>>& allKeys()
{
    static const std::vector<std::pair<QString, QStringList>> keys = {
        {"Main",
         {"FormVersion", "MainWStateNormal", "FavWLeft", "FavWTop", "FavWWidth", "FavWHeight",
          "AddWLeft", "AddWTop", "AddWWidth", "AddWHeight", "FindWLeft", "FindWTop", "ExpWLeft",
          "ExpWTop", "ChkWLeft", "ChkWTop", "ChkWWidth", "ChkWHeight", "SortWLeft", "SortWTop",
          "LVColumnWidth0", "LVColumnWidth1", "LVColumnWidth2", "LVColumnWidth3", "LVColumnWidth4",
          "LVColumnWidth5", "Language", "LargeIconsBar", "ShowTabIcons"}},
        {"Options",
         {"ActPOption", "OpenFile", "Http", "Password", "UniqueUrl", "Associate", "XPStyle",
          "AutoSaveTime", "HotColor", "InSec", "InMin", "InHour", "InDay", "InMonth", "AutoTime",
          "NoChange", "Date", "Time", "ChkMainW", "ChkOptionsW", "ChkAddW", "ChkExpW", "ChkFindW",
          "ChkFavW", "ChkCheckW", "ChkOnShow", "ChkOnHide", "SpDelay", "SpFrame", "SpStep",
          "ChkPNum", "ChkPStr", "ChkPPro", "ChkPOther", "SpPLength", "FullPathIE",
          "FullPathNetScape", "FullPathOther", "ChkBtnDirIE", "ChkBtnDirNetScape",
          "ChkBtnDirOther", "StateWindow", "ChkDelUrl", "ChkAutoExpand", "ChkHideSel",
          "ChkShowButs", "ChkShowRoots", "ChkShowHint", "ChkSelectAutoFoler", "ChkConfirmDelete",
          "ChkConfirmMove", "ClipBoard", "AutoAddUrl", "MSNPopup", "ClipBoardSelf",
          "ChkListViewAuto", "ChkListViewGrid", "ChkListViewLink2", "ChkListViewOpenGroup",
          "LinkColor"}},
        {"ClipBoardOut", {"Line"}},
        {"Tips", {"ChkShowTip", "TipNum"}},
        {"FindText",
         {"Name", "Description", "URL", "Login", "Password", "FindAll", "FindNext", "FromBegin", "Text"}},
        {"Export",
         {"ActP", "AllFile", "Groups", "DirIE", "FNameOpera", "FileNameHtm", "FileNameTxt",
          "BlankHtm", "DateHtm", "ChkWin", "Chk1", "Chk2", "Chk3", "Chk4", "Chk5", "Chk6", "Chk7",
          "FileNameNetscape", "FileNameChromium", "FileNameXbel"}},
        {"FavoritesLinks", {"VColW1", "VColW2"}},
        {"Sort", {"Index", "OnlyLinks", "DirectionUp"}},
        {"CheckLinks", {"ChkCheckSelected", "ChkUpdateMovedPages", "ThreadsAmount", "DelayThreads"}},
    };
    return keys;
}

struct TempSettings {
    QTemporaryDir dir;
    QString path() const { return dir.filePath("Tarnlink.ini"); }
    void write(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

} // namespace

TEST(Settings, FirstStartUsesDefaultsAndSaveCreatesEverySection)
{
    TempSettings temp;
    SettingsFile file(temp.path());
    RecordingActions actions;
    const Settings s = file.restore(kScreen, kMainWindow, actions);

    Settings expected;
    for (int* v : {&expected.main.favWLeft, &expected.main.addWLeft, &expected.main.findWLeft,
                   &expected.main.expWLeft, &expected.main.chkWLeft, &expected.main.sortWLeft})
        *v = 676;
    for (int* v : {&expected.main.favWTop, &expected.main.addWTop, &expected.main.findWTop,
                   &expected.main.expWTop, &expected.main.chkWTop, &expected.main.sortWTop})
        *v = 333;
    EXPECT_EQ(s, expected);
    EXPECT_EQ(s.options.hotColor, 16711680);
    EXPECT_EQ(s.main.language, "English");
    EXPECT_EQ(actions.calls, QStringList({"form", "largeIcons 1", "tabIcons 1", "columns 50 50", "xp 1",
                                          "autosave", "hot 16711680", "state 0", "browser",
                                          "tree 0111", "monitor 1"}));
    EXPECT_EQ(actions.autoSaveMs, 0);

    file.save(s);
    const IniFile written = IniFile::load(temp.path());
    for (const auto& [section, keys] : allKeys())
        for (const QString& key : keys)
            EXPECT_TRUE(written.value(section, key).has_value()) << section.toStdString() << "/" << key.toStdString();
    EXPECT_EQ(written.value("Main", "MainWStateNormal"), "1");
    EXPECT_EQ(written.value("Main", "FavWLeft"), "676");
    EXPECT_EQ(written.value("Options", "HotColor"), "16711680");
    EXPECT_EQ(written.value("CheckLinks", "DelayThreads"), "350");
    EXPECT_EQ(written.value("ClipBoardOut", "Line"), "0");
    EXPECT_EQ(written.value("Main", "FormVersion"), "0");

    // Sections appear in the documented order in a new file.
    QFile saved(temp.path());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    qsizetype last = -1;
    for (const auto& [section, keys] : allKeys()) {
        const qsizetype at = bytes.indexOf("[" + section.toUtf8() + "]");
        EXPECT_GT(at, last) << section.toStdString();
        last = at;
    }
}

TEST(Settings, EveryValueRoundTrips)
{
    Settings s = readSettings(IniFile(), {10, 20});
    s.form.formVersion = 3;
    s.form.showCmd = 3;
    s.form.normPos = PlacementRect{-5, 10, 600, 500};
    s.form.activeControl = "TreeInet";
    s.form.setText("TreeInet.Font", "DejaVu Sans,10,-1,5,700,0,0,0,0,0");
    s.form.setInteger("Panel1.Width", 300);
    s.form.setBoolean("Tray.IconVisible", true);
    s.main = {false, -100, -50, 400, 300, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, {1, 2, 3, 4, 5, 6},
              "Deutsch", false, false};
    s.options.autoSaveTime = 5;
    s.options.hotColor = -2147483640; // a system colour
    s.options.fullPathOther = "/usr/bin/firefox";
    s.options.chkBtnDirIE = false;
    s.options.chkBtnDirOther = true;
    s.options.linkColor = 4;
    s.options.chkListViewOpenGroup = false;
    s.clipBoardOut = {"ads.example", "  spaced  "};
    s.tips = {false, 7};
    s.findText.fromBegin = false;
    s.findText.text = "\"quoted\" text";
    s.exportDialog.chk[6] = false;
    s.exportDialog.fileNameHtm = "/tmp/out.html";
    s.favoritesLinks = {10, 20};
    s.sort = {3, true, false};
    s.checkLinks = {true, true, 50, 0};
    s.recentFiles = {"/a.tlk", "/b.tlk"};

    IniFile ini;
    writeSettings(s, ini);
    EXPECT_EQ(readSettings(IniFile::fromBytes(ini.toBytes()), {0, 0}), s);
    EXPECT_EQ(s.form.integer("Panel1.Width", 0), 300);
    EXPECT_TRUE(s.form.boolean("Tray.IconVisible", false));
    EXPECT_FALSE(s.form.text("ListView.Font").has_value());
}

TEST(Settings, RestoreActsOnTheStoredValues)
{
    TempSettings temp;
    temp.write("[Main]\nMainWStateNormal=0\nLVColumnWidth0=120\nShowTabIcons=0\n"
               "[Options]\nAutoSaveTime=5\nHotColor=$FF\nChkBtnDirIE=0\nChkBtnDirNetScape=1\n"
               "FullPathNetScape=/opt/opera\nChkBtnDirOther=1\nChkHideSel=1\nChkShowButs=0\n"
               "ClipBoard=0\nStateWindow=2\n"
               "[CheckLinks]\nThreadsAmount=0\nDelayThreads=99999\n");
    RecordingActions actions;
    const Settings s = SettingsFile(temp.path()).restore(kScreen, kMainWindow, actions);
    EXPECT_EQ(actions.calls, QStringList({"form", "maximised", "largeIcons 1", "tabIcons 0", "columns 120 50",
                                          "xp 1", "autosave", "hot 255", "state 2", "browser",
                                          "tree 1011", "monitor 0"}));
    EXPECT_EQ(actions.autoSaveMs, 300000);
    EXPECT_EQ(actions.browser, "/opt/opera"); // the first browser choice that is on
    EXPECT_EQ(s.checkLinks.threadsAmount, 1);
    EXPECT_EQ(s.checkLinks.delayThreads, 1000);

    IniFile ini;
    writeSettings(s, ini);
    EXPECT_EQ(ini.value("Options", "AutoSaveTime"), "5");
    EXPECT_EQ(ini.value("Main", "MainWStateNormal"), "0"); // the window was maximised
}

TEST(Settings, AutoSaveIntervalFromMinutes)
{
    OptionsSection o;
    const std::pair<int, int> cases[] = {{0, 0}, {1, 60000}, {5, 300000}, {-3, 0}, {100000, INT_MAX}};
    for (const auto& [minutes, ms] : cases) {
        o.autoSaveTime = minutes;
        EXPECT_EQ(o.autoSaveIntervalMs(), ms) << minutes;
    }
}

TEST(Settings, SaveKeepsForeignEntriesAndTheClipBoardOutLeftovers)
{
    TempSettings temp;
    temp.write("[Main]\nLanguage=German\nSomethingElse=kept\n\n"
               "[ClipBoardOut]\nLine=2\nLine0=first\nLine1=second\nLine2=old2\nLine3=old3\nLine4=old4\n\n"
               "[Export]\nHtmlBegin=1\nHtmlBegin0=<html>\n\n"
               "[Plugin]\nAnswer=42\n\n"
               "[RecentFiles]\nItem_0=/one.tlk\nItem_1=/two.tlk\nItem_2=/three.tlk\n\n"
               "[recentfiles]\nItem_0=/copy0.tlk\nItem_1=/copy1.tlk\n");
    SettingsFile file(temp.path());
    RecordingActions actions;
    Settings s = file.restore(kScreen, kMainWindow, actions);
    EXPECT_EQ(s.clipBoardOut, QStringList({"first", "second"}));
    EXPECT_EQ(s.recentFiles, QStringList({"/one.tlk", "/two.tlk", "/three.tlk"}));
    EXPECT_EQ(s.main.language, "German");

    s.clipBoardOut = {"only"};
    s.recentFiles = {"/two.tlk"};
    file.save(s);

    const IniFile back = IniFile::load(temp.path());
    EXPECT_EQ(back.value("ClipBoardOut", "Line"), "1");
    EXPECT_EQ(back.value("ClipBoardOut", "Line0"), "only");
    EXPECT_EQ(back.value("ClipBoardOut", "Line1"), "second");
    EXPECT_EQ(back.value("ClipBoardOut", "Line4"), "old4");
    EXPECT_EQ(back.value("Main", "SomethingElse"), "kept");
    EXPECT_EQ(back.value("Export", "HtmlBegin0"), "<html>");
    EXPECT_EQ(back.value("Plugin", "Answer"), "42");
    EXPECT_EQ(back.value("RecentFiles", "Item_0"), "/two.tlk");
    // A second [RecentFiles] section goes with the first: its entries must not come back.
    EXPECT_FALSE(back.value("RecentFiles", "Item_1").has_value());
    EXPECT_FALSE(back.toBytes().contains("copy"));
}

TEST(Settings, SortDirectionAndFindStartAreSeparateValues)
{
    Settings s = readSettings(IniFile(), {});
    s.sort.directionUp = false;
    IniFile ini;
    writeSettings(s, ini);
    const Settings back = readSettings(ini, {});
    EXPECT_FALSE(back.sort.directionUp);
    EXPECT_TRUE(back.findText.fromBegin);
}

TEST(Settings, CentredPosition)
{
    EXPECT_EQ(centredPosition(kScreen, kMainWindow), QPoint(676, 333));
    EXPECT_EQ(centredPosition({300, 200}, {567, 414}), QPoint(-133, -107));
}
