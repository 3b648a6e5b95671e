#include "ui/help/help_feature.h"

#include "platform/data_folder.h"
#include "settings/language_folder.h"
#include "settings/language_menu.h"
#include "settings/settings.h"
#include "ui/help/form_tips.h"
#include "ui/help/help_page.h"
#include "ui/kit/command_map.h"
#include "ui/kit/launcher.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/shell/workbench.h"

#include <QApplication>
#include <QMainWindow>

namespace tarnlink {

HelpFeature::HelpFeature(Workbench& bench) : bench_(bench)
{
    CommandMap& c = bench.commands();
    AttachHelpCommands(c, bench.promptsSource(), shippedDataPath(QString::fromLatin1(kHelpPage)),
                       [&bench](const QUrl& url) { return bench.launcher().openUrl(url); });
    c.setHandler(Cmd::TipOfTheDay, [this] { MTips1Click(); });
    c.setHandler(Cmd::About, [&bench] {
        bench.prompts().inform(CaptionFromMenu(bench.commands().caption(Cmd::About)),
                               Translate("Tarnlink") + QStringLiteral(" ") + QApplication::applicationVersion());
    });
}

TFormTips* HelpFeature::MTips1Click()
{
    Settings& settings = bench_.settings();
    const QString& language = settings.main.language;
    const LanguageMenu languages(languageFolder(), language);
    return TFormTips::open(settings.tips, bench_.language(),
                           languages.hasFile(language) ? languages.filePath(language) : QString(),
                           bench_.commands().caption(Cmd::TipOfTheDay), &bench_.mainWindow());
}

void HelpFeature::started()
{
    if (bench_.settings().tips.chkShowTip)
        MTips1Click();
}

void HelpFeature::storeSettings(Settings&)
{
    for (TFormTips* tips : bench_.mainWindow().findChildren<TFormTips*>(Qt::FindDirectChildrenOnly))
        tips->close();
}

} // namespace tarnlink
