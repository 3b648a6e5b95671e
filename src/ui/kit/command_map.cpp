#include "ui/kit/command_map.h"

#include "ui/kit/command_guard.h"
#include "ui/kit/icons.h"
#include "ui/kit/translate.h"

#include <QAction>

#include <algorithm>
#include <vector>

namespace tarnlink {

namespace {
namespace img = images::menu;
using K = QKeySequence;
constexpr auto Ctrl = Qt::CTRL;
constexpr auto Alt = Qt::ALT;
constexpr auto Shift = Qt::SHIFT;
// The command writes pending edits of the properties editor into the tree before it runs.
constexpr bool Commit = true;

const std::vector<CommandInfo>& commandTable()
{
    static const std::vector<CommandInfo> table = {
        {Cmd::New, "&New", K(Ctrl | Qt::Key_N), img::New, false, Commit},
        {Cmd::Open, "&Open...", K(Ctrl | Qt::Key_O), img::Open, false, Commit},
        {Cmd::Save, "&Save", K(Ctrl | Qt::Key_S), img::Save, false, Commit},
        {Cmd::SaveAs, "Save &as...", K(Ctrl | Alt | Qt::Key_S), img::SaveAs, false, Commit},
        {Cmd::ImportIE, "&IE Favorites", K(Ctrl | Alt | Qt::Key_I), img::Import, false, Commit},
        {Cmd::ImportOpera, "&Opera hotlinks", K(Ctrl | Alt | Qt::Key_O), img::Import, false, Commit},
        {Cmd::ImportText, "&Text file", K(Ctrl | Alt | Qt::Key_T), img::Import, false, Commit},
        {Cmd::ImportTarnlink, "&Tarnlink list", K(Ctrl | Alt | Qt::Key_U), img::Import, false, Commit},
        {Cmd::Export, "&Export...", K(Ctrl | Qt::Key_E), img::Export, false, Commit},
        {Cmd::Preferences, "Pre&ferences...", K(Ctrl | Qt::Key_T), img::Preferences},
        {Cmd::Print, "&Print...", K(Ctrl | Qt::Key_P), img::Print, false, Commit},
        {Cmd::SetupPrinter, "Se&tup printer...", K(), img::Print},
        {Cmd::Exit, "&Exit", K(Ctrl | Qt::Key_Q), img::Exit, false, Commit},
        {Cmd::LaunchLink1, "Launch link &1", K(Ctrl | Qt::Key_F1), img::LaunchLink, false, Commit},
        {Cmd::LaunchLink2, "Launch link &2", K(Ctrl | Qt::Key_F2), img::LaunchLink, false, Commit},
        {Cmd::LaunchLink, "&Launch link...", K(Shift | Qt::Key_F1), img::LaunchLink, false, Commit},
        {Cmd::CopyAsLink, "Text (only &link)", K(), img::CopyAs, false, Commit},
        {Cmd::CopyAsNameAndLink, "Text (&name and link)", K(), img::CopyAs, false, Commit},
        {Cmd::CopyAsHtml, "Html &tag link", K(), img::CopyAs, false, Commit},
        {Cmd::AddFromClipboard, "Add from &clipboard", K(Ctrl | Qt::Key_B), img::AddFromClipboard, false, Commit},
        {Cmd::AddFromBrowser, "Add from &browser", K(Ctrl | Qt::Key_U), img::AddFromBrowser, false, Commit},
        {Cmd::LinkMonitor, "Link &monitor", K(Ctrl | Qt::Key_L), img::LinkMonitor, true},
        {Cmd::Properties, "Pr&operties...", K(Ctrl | Qt::Key_M), img::Properties, false, Commit},
        {Cmd::AddLink, "L&ink", K(Ctrl | Qt::Key_A), img::AddLink, false, Commit},
        {Cmd::AddFolder, "&Folder", K(Ctrl | Qt::Key_G), img::AddFolder, false, Commit},
        {Cmd::AddSeparator, "&Separator", K(), img::AddSeparator, false, Commit},
        {Cmd::Find, "F&ind...", K(Ctrl | Qt::Key_F), img::Find, false, Commit},
        {Cmd::FindNext, "Find &next", K(Qt::Key_F3), img::FindNext, false, Commit},
        {Cmd::Password, "Pass&word protection...", K(Ctrl | Alt | Qt::Key_P), img::Password},
        {Cmd::Cut, "&Cut", K(Ctrl | Alt | Qt::Key_X), img::Cut, false, Commit},
        {Cmd::Copy, "C&opy", K(Ctrl | Alt | Qt::Key_C), img::Copy, false, Commit},
        {Cmd::Paste, "&Past", K(Ctrl | Alt | Qt::Key_V), img::Paste, false, Commit},
        {Cmd::Delete, "&Delete", K(Ctrl | Qt::Key_D), img::Delete, false, Commit},
        {Cmd::CheckLinks, "&Check links...", K(Ctrl | Qt::Key_R), img::CheckLinks},
        {Cmd::Sort, "&Sort...", K(Ctrl | Alt | Qt::Key_Z), img::Sort, false, Commit},
        {Cmd::Collapse, "Coll&apse", K(Qt::Key_F5), img::Collapse, false, Commit},
        {Cmd::Expand, "&Expand", K(Qt::Key_F6), img::Expand, false, Commit},
        {Cmd::LevelUp, "&Up", K(), img::LevelUp, false, Commit},
        {Cmd::LevelDown, "&Down", K(), img::LevelDown, false, Commit},
        {Cmd::FavoritesEdit, "&Edit...", K(Ctrl | Alt | Qt::Key_E), img::Favorites},
        {Cmd::FavoritesLaunchLink, "&Launch link...", K(Shift | Qt::Key_F2), img::LaunchLink},
        {Cmd::FavoritesAddSelected, "Add &selected", K(Ctrl | Alt | Qt::Key_F), img::Favorites, false, Commit},
        {Cmd::BarFile, "&File", K(), -1, true},
        {Cmd::BarExplorer, "&Explorer", K(), -1, true},
        {Cmd::BarOther, "&Other", K(), -1, true},
        {Cmd::BarLargeIcons, "&Large icons", K(), -1, true},
        {Cmd::PanelList, "&List", K(), -1, true},
        {Cmd::PanelProperties, "&Properties", K(), -1, true},
        {Cmd::PanelDescription, "&Description", K(), -1, true},
        {Cmd::PanelScreenshot, "&Screenshot", K(), -1, true},
        {Cmd::PanelShowIcons, "Show &icons", K(), -1, true},
        {Cmd::PanelExplorer, "Panel &explorer", K(), -1, true},
        {Cmd::StatusBar, "&Status bar", K(), -1, true},
        {Cmd::ListLargeIcons, "&Large icons", K(), -1, true},
        {Cmd::ListSmallIcons, "&Small icons", K(), -1, true},
        {Cmd::ListList, "&List", K(), -1, true},
        {Cmd::ListTable, "&Table", K(), -1, true},
        {Cmd::Refresh, "&Refresh", K(Qt::Key_F4), img::Refresh},
        {Cmd::HelpContents, "&Contents", K(Qt::Key_F1), img::Help},
        {Cmd::TipOfTheDay, "&Tip of the day", K(Qt::Key_F2), img::Tip},
        {Cmd::About, "&About...", K(), img::About},
        {Cmd::WebSite, "&Web site", K(), img::WebSite},
        {Cmd::FeedbackOffers, "&Offers", K(), img::Mail},
        {Cmd::FeedbackBugReport, "&Bug report", K(), img::Mail},
        {Cmd::FeedbackInformation, "&Information request", K(), img::Mail},
        {Cmd::FeedbackSubscribe, "&Subscribe to newslatter", K(), img::Mail},
        {Cmd::TellFriend, "T&ell to friend", K(), img::Mail},
        {Cmd::HelpTopic20, "Help topic", K(Ctrl | Qt::Key_K), img::Help},
        {Cmd::AddToFavorites, "Add to &favorites links", K(), img::Favorites, false, Commit},
        {Cmd::ShowHideWindow, "&Show/hide window", K(), -1},
        {Cmd::AddUrl, "&Add URL", K(), img::AddLink, false, Commit},
        {Cmd::FavoritesLinks, "&Favorites links", K(), img::Favorites},
        {Cmd::LaunchSelected, "&Launch link...", K(), img::LaunchLink, false, Commit},
        {Cmd::ImportBrowsers, "From installed &browsers...", K(Ctrl | Alt | Qt::Key_B), img::Import, false, Commit},
        {Cmd::ImportNetscape, "&HTML bookmark file", K(), img::Import, false, Commit},
        {Cmd::ImportFirefox, "&Firefox bookmark backup", K(), img::Import, false, Commit},
        {Cmd::ImportChromium, "&Chromium bookmarks", K(), img::Import, false, Commit},
        {Cmd::ImportXbel, "&XBEL bookmarks", K(), img::Import, false, Commit},
    };
    return table;
}
} // namespace

const CommandInfo& CommandMap::info(Cmd id)
{
    const auto& table = commandTable();
    const auto it = std::find_if(table.begin(), table.end(), [id](const CommandInfo& s) { return s.id == id; });
    Q_ASSERT(it != table.end());
    return *it;
}

CommandMap::CommandMap(QObject* owner, PromptsSource prompts) : QObject(owner), prompts_(std::move(prompts))
{
    for (const CommandInfo& s : commandTable()) {
        auto* action = new QAction(owner);
        setUp(action, s);
        action->setShortcut(s.shortcut);
        primary_.insert(s.id, action);
    }
}

int CommandMap::idOf(const QAction* action)
{
    return action->property("tarnlinkCommand").isValid() ? action->property("tarnlinkCommand").toInt() : -1;
}

void CommandMap::setUp(QAction* action, const CommandInfo& s)
{
    action->setProperty("tarnlinkCommand", int(s.id));
    action->setText(Translate(s.caption));
    if (s.image >= 0)
        action->setIcon(images::menuImage(s.image));
    action->setCheckable(s.checkable);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, id = s.id] { run(id); });
}

QAction* CommandMap::action(Cmd id) const
{
    return primary_.value(id);
}

QAction* CommandMap::alias(Cmd id, QObject* parent)
{
    auto* a = new QAction(parent);
    setUp(a, info(id));
    QAction* main = action(id);
    a->setEnabled(main->isEnabled());
    a->setChecked(main->isChecked());
    aliases_[id].append(a);
    connect(a, &QObject::destroyed, this, [this, id, a] { aliases_[id].removeOne(a); });
    return a;
}

QAction* CommandMap::button(Cmd id, QObject* parent, ButtonState state)
{
    auto* a = new QAction(parent);
    setUp(a, info(id));
    a->setChecked(action(id)->isChecked());
    if (state == ButtonState::FollowsRule) {
        a->setEnabled(action(id)->isEnabled());
        aliases_[id].append(a);
        connect(a, &QObject::destroyed, this, [this, id, a] { aliases_[id].removeOne(a); });
    } else {
        a->setEnabled(available(id));
        buttons_[id].append(a);
        connect(a, &QObject::destroyed, this, [this, id, a] { buttons_[id].removeOne(a); });
    }
    return a;
}

void CommandMap::setHandler(Cmd id, std::function<void()> handler, EnablingRule rule)
{
    if (handler)
        handlers_.insert(id, Handler{std::move(handler), std::move(rule)});
    else
        handlers_.remove(id);
    setEnabled(id, allowed(id, facts()));
    for (QAction* a : buttons_.value(id))
        a->setEnabled(available(id));
}

bool CommandMap::allowed(Cmd id, const SelectionFacts& facts) const
{
    const auto it = handlers_.constFind(id);
    return it != handlers_.constEnd() && (!it->rule || it->rule(facts));
}

SelectionFacts CommandMap::facts() const
{
    return facts_ ? facts_() : SelectionFacts{};
}

void CommandMap::updateStates()
{
    updateStates(facts());
}

void CommandMap::updateStates(const SelectionFacts& facts)
{
    for (auto it = primary_.cbegin(); it != primary_.cend(); ++it)
        setEnabled(it.key(), allowed(it.key(), facts));
}

void CommandMap::setEnabled(Cmd id, bool enabled)
{
    action(id)->setEnabled(enabled);
    for (QAction* a : aliases_.value(id))
        a->setEnabled(enabled);
}

void CommandMap::setChecked(Cmd id, bool checked)
{
    action(id)->setChecked(checked);
    for (QAction* a : aliases_.value(id))
        a->setChecked(checked);
    for (QAction* a : buttons_.value(id))
        a->setChecked(checked);
}

bool CommandMap::isChecked(Cmd id) const
{
    return action(id)->isChecked();
}

void CommandMap::run(Cmd id)
{
    const Handler handler = handlers_.value(id);
    if (!handler.run)
        return;
    RunGuarded(prompts_(), [&] {
        if (handler.rule && !handler.rule(facts()))
            return;
        if (info(id).commitsEdits && commitEdits_ && !commitEdits_())
            return;
        handler.run();
    });
}

QString CommandMap::caption(Cmd id) const
{
    return action(id)->text();
}

void CommandMap::retranslate(const Translator& windowText)
{
    for (auto it = primary_.begin(); it != primary_.end(); ++it) {
        const QString text = windowText(QString::fromUtf8(info(it.key()).caption));
        it.value()->setText(text);
        for (QAction* a : aliases_.value(it.key()) + buttons_.value(it.key()))
            a->setText(text);
    }
}

} // namespace tarnlink
