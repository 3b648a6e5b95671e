// The pages of the preferences, each alone: their enabling rules and limits, and that the
// dialog stores back every value it was loaded with.

#include "gui_test_support.h"

#include "settings/ini_file.h"
#include "settings/settings.h"
#include "ui/options/form_options.h"
#include "ui/options/links_page.h"
#include "ui/options/link_monitor_page.h"
#include "ui/options/password_page.h"
#include "ui/testing/scripted_prompts.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

TEST(PasswordPage, AtLeastOneSetAndALengthWithinTheChosenSets)
{
    ensureApp();
    PasswordPage page;
    Settings settings;
    settings.options.chkPOther = true;
    page.load(settings);
    EXPECT_EQ(page.MemoPwd()->toPlainText(), "0123456789\nabcdefghijklmnopqrstuvwxyz\nABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
                                             "!#$%&/()=?@<>|{[]}\\*~+#;:.-_");
    EXPECT_EQ(page.SpinPLength()->maximum(), 10 + 26 + 26 + 28);

    // Unchecking all four leaves Numerals checked and the limit at 10.
    for (QCheckBox* box : {page.CheckPOther(), page.CheckPPro(), page.CheckPStr(), page.CheckPNum()})
        box->setChecked(false);
    EXPECT_TRUE(page.CheckPNum()->isChecked());
    EXPECT_EQ(page.MemoPwd()->toPlainText(), "0123456789");
    EXPECT_EQ(page.SpinPLength()->maximum(), 10);

    // A length of 15 comes down to 10 when only Numerals is left.
    page.CheckPStr()->setChecked(true);
    page.SpinPLength()->setValue(15);
    page.CheckPStr()->setChecked(false);
    EXPECT_EQ(page.SpinPLength()->value(), 10);
    Settings stored;
    page.store(stored);
    EXPECT_EQ(stored.options.spPLength, 10);
    EXPECT_TRUE(stored.options.chkPNum);
    EXPECT_FALSE(stored.options.chkPStr);

    // Stored choices without any set show Numerals; a stored length above the limit is lowered.
    Settings none;
    none.options.chkPNum = none.options.chkPStr = none.options.chkPPro = none.options.chkPOther = false;
    none.options.spPLength = 40;
    page.load(none);
    EXPECT_TRUE(page.CheckPNum()->isChecked());
    EXPECT_EQ(page.MemoPwd()->toPlainText(), "0123456789");
    EXPECT_EQ(page.SpinPLength()->value(), 10);
}

TEST(LinksPage, DateAndTimeOnlyWithDoNotChangeAndNeverBothOff)
{
    ensureApp();
    LinksPage page;
    page.load(Settings{});
    EXPECT_TRUE(page.unit(5)->isChecked()); // Autochange
    EXPECT_FALSE(page.CheckBDate()->isEnabled());
    EXPECT_FALSE(page.CheckBTime()->isEnabled());

    page.RadioBtnNoChange()->setChecked(true);
    EXPECT_TRUE(page.CheckBDate()->isEnabled());
    EXPECT_TRUE(page.CheckBTime()->isEnabled());
    ASSERT_TRUE(page.CheckBDate()->isChecked());
    ASSERT_FALSE(page.CheckBTime()->isChecked());
    page.CheckBDate()->setChecked(false);
    EXPECT_TRUE(page.CheckBTime()->isChecked());
    page.CheckBDate()->setChecked(true);
    page.CheckBTime()->setChecked(false);
    EXPECT_TRUE(page.CheckBDate()->isChecked());

    page.unit(2)->setChecked(true);
    EXPECT_FALSE(page.CheckBDate()->isEnabled());
    Settings stored;
    page.store(stored);
    const OptionsSection& o = stored.options;
    EXPECT_TRUE(o.inHour);
    EXPECT_FALSE(o.inSec || o.inMin || o.inDay || o.inMonth || o.autoTime || o.noChange);
}

TEST(LinkMonitorPage, ExclusionsAndAutomaticAddingFollowTheMonitor)
{
    ensureApp();
    LinkMonitorPage page;
    Settings settings;
    settings.clipBoardOut = {"ads.example", "tracker"};
    page.load(settings);
    EXPECT_TRUE(page.CheckAutoAddUrl()->isEnabled());
    EXPECT_EQ(page.MemoCBOut()->toPlainText(), "ads.example\ntracker");

    page.CheckClipBoard()->setChecked(false);
    EXPECT_FALSE(page.CheckAutoAddUrl()->isEnabled());
    EXPECT_FALSE(page.MemoCBOut()->isEnabled());
    EXPECT_TRUE(page.CheckMSNPopup()->isEnabled());

    page.MemoCBOut()->setPlainText("only.example\n");
    Settings stored;
    page.store(stored);
    EXPECT_FALSE(stored.options.clipBoard);
    EXPECT_EQ(stored.clipBoardOut, QStringList{"only.example"});
}

// Every key of the Options section the dialog edits, changed from its default in a file and
// read, comes back from the dialog unchanged; so do the window's properties it edits.
TEST(FormOptions, StoresBackEveryValueItLoaded)
{
    ensureApp();
    IniFile defaults;
    writeSettings(Settings{}, defaults);
    // Integers, strings and the choices of which exactly one is on get values of their own;
    // every other key is a boolean and is turned round.
    const QHash<QString, QString> chosen{
        {"ActPOption", "4"},       {"AutoSaveTime", "5"},      {"HotColor", "255"},
        {"InSec", "0"},            {"InMin", "0"},             {"InHour", "1"},
        {"InDay", "0"},            {"InMonth", "0"},           {"AutoTime", "0"},
        {"NoChange", "0"},         {"SpDelay", "3"},           {"SpFrame", "7"},
        {"SpStep", "42"},          {"SpPLength", "12"},        {"FullPathIE", "/usr/bin/ie"},
        {"FullPathNetScape", "/usr/bin/opera"},                {"FullPathOther", "/usr/bin/other"},
        {"ChkBtnDirIE", "0"},      {"ChkBtnDirNetScape", "0"}, {"ChkBtnDirOther", "1"},
        {"StateWindow", "2"},      {"LinkColor", "3"},
    };
    QByteArrayList lines = defaults.toBytes().split('\n');
    bool inOptions = false;
    int changed = 0;
    for (QByteArray& line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            inOptions = trimmed == "[Options]";
        const qsizetype at = trimmed.indexOf('=');
        if (!inOptions || at < 0)
            continue;
        const QString key = QString::fromLatin1(trimmed.left(at));
        const QByteArray value = trimmed.mid(at + 1);
        ASSERT_TRUE(chosen.contains(key) || value == "0" || value == "1") << key.toStdString();
        line = trimmed.left(at + 1) + (chosen.contains(key) ? chosen[key].toUtf8() : value == "0" ? "1" : "0");
        ++changed;
    }
    ASSERT_GE(changed, 60); // the whole section was found
    Settings loaded = readSettings(IniFile::fromBytes(lines.join('\n')), {});
    loaded.clipBoardOut = {"ads.example"};
    FormStorage& form = loaded.form;
    form.setBoolean("Tray.IconVisible", true);
    for (const char* font : {"TreeInet.Font", "ListView.Font", "Memo1.Font"})
        form.setText(font, QFont("DejaVu Sans", 13).toString());
    form.setInteger("TreeInet.Color", 0x102030);
    form.setInteger("TreeInet.LineColor", 0x405060);
    form.setInteger("TreeInet.InactiveFocusColor", 0x708090);
    form.setInteger("ListView.Color", int(0x80000005)); // a system colour stays one
    form.setInteger("Memo1.Color", 0xA0B0C0);
    form.setInteger("TreeInet.Indent", 33);

    ScriptedPrompts prompts;
    TFormOptions dialog([&prompts]() -> Prompts& { return prompts; });
    dialog.load(loaded);
    EXPECT_EQ(dialog.PageControl()->currentIndex(), 4);
    Settings stored;
    dialog.store(stored);
    stored.options.linkColor = loaded.options.linkColor; // the add dialog's, not edited here
    EXPECT_EQ(stored.options, loaded.options);
    EXPECT_EQ(stored.form, loaded.form);
    EXPECT_EQ(stored.clipBoardOut, loaded.clipBoardOut);
}

} // namespace
