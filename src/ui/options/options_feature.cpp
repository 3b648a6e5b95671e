#include "ui/options/options_feature.h"

#include "platform/desktop_integration.h"
#include "settings/settings.h"
#include "ui/kit/command_map.h"
#include "ui/kit/launcher.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/window_animation.h"
#include "ui/options/form_options.h"
#include "ui/options/general_page.h"
#include "ui/shell/workbench.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QScreen>
#include <QStandardPaths>

namespace tarnlink {

OptionsFeature::OptionsFeature(Workbench& bench) : bench_(bench)
{
    bench.commands().setHandler(Cmd::Preferences, [this] { MOptionsClick(); });
}

DesktopIntegration OptionsFeature::desktop()
{
    return DesktopIntegration(XdgFolders::fromEnvironment(), QCoreApplication::applicationFilePath());
}

std::unique_ptr<TFormOptions> OptionsFeature::newDialog()
{
    auto dialog = std::make_unique<TFormOptions>(bench_.promptsSource(), &bench_.mainWindow());
    dialog->setWindowTitle(CaptionFromMenu(bench_.commands().caption(Cmd::Preferences)));
    TranslateForm(dialog.get(), bench_.language());
    Settings& settings = bench_.settings();
    AnimateWindow(*dialog, AnimatedWindow::Options, settings.options);
    bench_.storeWindowSettings();
    // Where no Opera is set, the one on the PATH is offered; it stays even when cancelled.
    if (settings.options.fullPathNetScape.isEmpty())
        settings.options.fullPathNetScape = QStandardPaths::findExecutable(QStringLiteral("opera"));
    dialog->load(settings);
    dialog->TabOther()->setAutostart(desktop().autostartEnabled());
    dialog->adjustSize();
    if (const QScreen* screen = bench_.mainWindow().screen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    return dialog;
}

void OptionsFeature::MOptionsClick()
{
    const std::unique_ptr<TFormOptions> dialog = newDialog();
    if (bench_.prompts().runDialog(*dialog) != QDialog::Accepted)
        return;
    Settings& settings = bench_.settings();
    dialog->store(settings);
    applyDesktop(dialog->TabOther()->autostart(), settings.options.associate);
    bench_.applySettings();
}

void OptionsFeature::applyDesktop(bool autostart, bool associate)
{
    const DesktopIntegration entries = desktop();
    DesktopChange change = entries.setAutostart(autostart);
    // The association is written again at every OK while it is wanted, so it follows the program.
    const DesktopChange association = associate ? entries.associate() : entries.dissociate();
    change.unwritable += association.unwritable;
    change.tools += association.tools;

    Prompts& prompts = bench_.prompts();
    for (const QString& path : change.unwritable)
        prompts.error(Translate("Unable to write to %s").replace(QLatin1String("%s"), path));
    // A missing tool is named once a run, not at every OK while the association is wanted.
    QStringList notStarted;
    for (const DesktopTool& tool : change.tools)
        if (!bench_.launcher().startProgram(tool.program, tool.arguments) && !missingTools_.contains(tool.program)) {
            missingTools_.insert(tool.program);
            notStarted << tool.program;
        }
    if (!notStarted.isEmpty())
        prompts.warn(Translate("Unable to start %s: the desktop does not know of the change yet.")
                         .replace(QLatin1String("%s"), notStarted.join(QLatin1String(", "))));
}

} // namespace tarnlink
