#include "ui/shell/derived_texts.h"

#include "ui/kit/command_map.h"
#include "ui/kit/translate.h"
#include "ui/shell/main_layout.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace tarnlink {

void SetDerivedControlTexts(MainParts& parts, const CommandMap& c, const Translator& windowText)
{
    parts.labExplorer->setText(windowText(QStringLiteral("Explorer")));
    const Cmd barCommands[] = {Cmd::BarFile, Cmd::BarExplorer, Cmd::BarOther};
    for (int i = 0; i < 3; ++i)
        parts.toolBars[i]->setWindowTitle(StripAmpersands(c.caption(barCommands[i])));

    parts.pageEditor->setTabText(TabList, windowText(QStringLiteral("List")));
    parts.pageEditor->setTabText(TabProperties, StripAmpersands(c.caption(Cmd::PanelProperties)));
    parts.pageView->setTabText(TabDescription, windowText(QStringLiteral("Description")));
    parts.pageView->setTabText(TabScreenshot, StripAmpersands(c.caption(Cmd::PanelScreenshot)));

    // Tool and header button hints come from the menu captions.
    auto hint = [&c](Cmd cmd) { return StripAmpersands(c.caption(cmd)); };
    const QString add = StripAmpersands(windowText(QStringLiteral("&Add"))) + QLatin1Char(' ');
    const QString onLevel = StripAmpersands(windowText(QStringLiteral("&On level"))) + QLatin1Char(' ');
    QHash<int, QString> hints;
    for (Cmd cmd : {Cmd::New, Cmd::Open, Cmd::Save, Cmd::SaveAs, Cmd::Delete, Cmd::Properties, Cmd::Find, Cmd::Export,
                    Cmd::CheckLinks, Cmd::LinkMonitor, Cmd::Password, Cmd::FindNext, Cmd::Expand, Cmd::Collapse})
        hints.insert(int(cmd), hint(cmd));
    hints.insert(int(Cmd::FavoritesEdit), StripAmpersands(windowText(QStringLiteral("&Favorites"))));
    hints.insert(int(Cmd::AddLink), add + hint(Cmd::AddLink).toLower());
    hints.insert(int(Cmd::AddFolder), add + hint(Cmd::AddFolder).toLower());
    hints.insert(int(Cmd::LevelUp), onLevel + hint(Cmd::LevelUp).toLower());
    hints.insert(int(Cmd::LevelDown), onLevel + hint(Cmd::LevelDown).toLower());
    hints.insert(int(Cmd::LaunchSelected), CaptionFromMenu(c.caption(Cmd::LaunchLink)));
    QList<QToolButton*> buttons(parts.headerButtons.begin(), parts.headerButtons.end());
    for (QToolBar* bar : parts.toolBars)
        buttons += bar->findChildren<QToolButton*>();
    for (QToolButton* button : buttons)
        if (QAction* action = button->defaultAction(); action && hints.contains(CommandMap::idOf(action)))
            action->setToolTip(hints.value(CommandMap::idOf(action)));
    parts.importButton->setToolTip(StripAmpersands(windowText(QStringLiteral("&Import..."))));
}

} // namespace tarnlink
