#include "ui/help/help_page.h"

#include "ui/kit/command_map.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"

#include <QFileInfo>

namespace tarnlink {

namespace {

void openHelp(const PromptsSource& prompts, const QString& pagePath, const UrlOpener& open, const QString& anchor)
{
    QUrl url = QUrl::fromLocalFile(pagePath);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    if (!QFileInfo(pagePath).isFile() || !open(url))
        prompts().error(Translate("File not found!") + QStringLiteral("\n") + pagePath);
}

} // namespace

void AttachHelpCommands(CommandMap& commands, PromptsSource prompts, const QString& pagePath, UrlOpener open)
{
    commands.setHandler(Cmd::HelpContents, [=] { openHelp(prompts, pagePath, open, {}); });
    commands.setHandler(Cmd::HelpTopic20, [=] { openHelp(prompts, pagePath, open, QString::fromLatin1(kHelpTopic20)); });
}

} // namespace tarnlink
