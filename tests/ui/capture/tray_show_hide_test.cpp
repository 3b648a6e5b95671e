// Showing and hiding the main window from the tray keeps its maximised state.

#include "gui_test_support.h"

#include "settings/ini_file.h"
#include "ui/kit/command_map.h"
#include "ui/shell/form_main.h"
#include "ui/shell/tray.h"
#include "ui/testing/scripted_prompts.h"

#include <QTemporaryDir>

#include <memory>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

TEST(TrayShowHide, TheWindowComesBackAsItWas)
{
    ensureApp();
    TrayIcon::setAvailabilityProbe([] { return true; });
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tarnlink.ini"));
    Settings settings = quietSettings();
    settings.form.setBoolean(QStringLiteral("Tray.IconVisible"), true);
    settings.main.mainWStateNormal = false;
    SettingsFile(ini).save(settings);
    ScriptedPrompts prompts;
    TFormMain form(ini);
    form.setPrompts(&prompts);
    ASSERT_TRUE(form.StartsHidden());
    auto showHide = [&] { form.commands().run(Cmd::ShowHideWindow); };
    auto shownMaximised = [&] {
        return form.isVisible() && form.isMaximized() && !form.isMinimized();
    };

    showHide();
    EXPECT_TRUE(shownMaximised());
    showHide();
    EXPECT_FALSE(form.isVisible());
    showHide();
    EXPECT_TRUE(shownMaximised());

    // Minimised from maximised, hidden into the tray and shown again.
    form.setWindowState(form.windowState() | Qt::WindowMinimized);
    showHide();
    EXPECT_FALSE(form.isVisible());
    showHide();
    EXPECT_TRUE(shownMaximised());

    // Closed into the tray: one double click brings it back.
    form.close();
    EXPECT_FALSE(form.isVisible());
    showHide();
    EXPECT_TRUE(shownMaximised());

    // A window minimised from maximised is still stored as maximised.
    form.setWindowState(form.windowState() | Qt::WindowMinimized);
    form.MExitClick();
    EXPECT_EQ(IniFile::load(ini).readString("Main", "MainWStateNormal", {}), QStringLiteral("0"));
    TrayIcon::setAvailabilityProbe({});
}

} // namespace
