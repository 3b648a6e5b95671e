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

const std::vector<CommandInfo>& commandTable()
{
    static const std::vector<CommandInfo> table = {
        {Cmd::New, "&New", K(Ctrl | Qt::Key_N), img::New},
        {Cmd::Open, "&Open...", K(Ctrl | Qt::Key_O), img::Open},
        {Cmd::Save, "&Save", K(Ctrl | Qt::Key_S), img::Save},
        {Cmd::SaveAs, "Save &as...", K(Ctrl | Alt | Qt::Key_S), img::SaveAs},
        {Cmd::ImportIE, "&IE Favorites", K(Ctrl | Alt | Qt::Key_I), img::Import},
        {Cmd::ImportOpera, "&Opera hotlinks", K(Ctrl | Alt | Qt::Key_O), img::Import},
        {Cmd::ImportText, "&Text file", K(Ctrl | Alt | Qt::Key_T), img::Import},
        {Cmd::ImportTarnlink, "&Tarnlink list", K(Ctrl | Alt | Qt::Key_U), img::Import},
        {Cmd::Export, "&Export...", K(Ctrl | Qt::Key_E), img::Export},
        {Cmd::Preferences, "Pre&ferences...", K(Ctrl | Qt::Key_T), img::Preferences},
        {Cmd::Print, "&Print...", K(Ctrl | Qt::Key_P), img::Print},
        {Cmd::SetupPrinter, "Se&tup printer...", K(), img::Print},
        {Cmd::Exit, "&Exit", K(Ctrl | Qt::Key_Q), img::Exit},
        {Cmd::LaunchLink1, "Launch link &1", K(Ctrl | Qt::Key_F1), img::LaunchLink},
        {Cmd::LaunchLink2, "Launch link &2", K(Ctrl | Qt::Key_F2), img::LaunchLink},
        {Cmd::LaunchLink, "&Launch link...", K(Shift | Qt::Key_F1), img::LaunchLink},
        {Cmd::CopyAsLink, "Text (only &link)", K(), img::CopyAs},
        {Cmd::CopyAsNameAndLink, "Text (&name and link)", K(), img::CopyAs},
        {Cmd::CopyAsHtml, "Html &tag link", K(), img::CopyAs},
        {Cmd::AddFromClipboard, "Add from &clipboard", K(Ctrl | Qt::Key_B), img::AddFromClipboard},
        {Cmd::AddFromBrowser, "Add from &browser", K(Ctrl | Qt::Key_U), img::AddFromBrowser},
        {Cmd::LinkMonitor, "Link &monitor", K(Ctrl | Qt::Key_L), img::LinkMonitor, true},
        {Cmd::Properties, "Pr&operties...", K(Ctrl | Qt::Key_M), img::Properties},
        {Cmd::AddLink, "L&ink", K(Ctrl | Qt::Key_A), img::AddLink},
        {Cmd::AddFolder, "&Folder", K(Ctrl | Qt::Key_G), img::AddFolder},
        {Cmd::AddSeparator, "&Separator", K(), img::AddSeparator},
        {Cmd::Find, "F&ind...", K(Ctrl | Qt::Key_F), img::Find},
        {Cmd::FindNext, "Find &next", K(Qt::Key_F3), img::FindNext},
        {Cmd::Password, "Pass&word protection...", K(Ctrl | Alt | Qt::Key_P), img::Password},
        {Cmd::Cut, "&Cut", K(Ctrl | Alt | Qt::Key_X), img::Cut},
        {Cmd::Copy, "C&opy", K(Ctrl | Alt | Qt::Key_C), img::Copy},
        {Cmd::Paste, "&Past", K(Ctrl | Alt | Qt::Key_V), img::Paste},
        {Cmd::Delete, "&Delete", K(Ctrl | Qt::Key_D), img::Delete},
        {Cmd::CheckLinks, "&Check links...", K(Ctrl | Qt::Key_R), img::CheckLinks},
        {Cmd::Sort, "&Sort...", K(Ctrl | Alt | Qt::Key_Z), img::Sort},
        {Cmd::Collapse, "Coll&apse", K(Qt::Key_F5), img::Collapse},
        {Cmd::Expand, "&Expand", K(Qt::Key_F6), img::Expand},
        {Cmd::LevelUp, "&Up", K(), img::LevelUp},
        {Cmd::LevelDown, "&Down", K(), img::LevelDown},
        {Cmd::FavoritesEdit, "&Edit...", K(Ctrl | Alt | Qt::Key_E), img::Favorites},
        {Cmd::FavoritesLaunchLink, "&Launch link...", K(Shift | Qt::Key_F2), img::LaunchLink},
        {Cmd::FavoritesAddSelected, "Add &selected", K(Ctrl | Alt | Qt::Key_F), img::Favorites},
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
        {Cmd::AddToFavorites, "Add to &favorites links", K(), img::Favorites},
        {Cmd::ShowHideWindow, "&Show/hide window", K(), -1},
        {Cmd::AddUrl, "&Add URL", K(), img::AddLink},
        {Cmd::FavoritesLinks, "&Favorites links", K(), img::Favorites},
        {Cmd::LaunchSelected, "&Launch link...", K(), img::LaunchLink},
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

CommandMap::CommandMap(QObject* owner, std::function<Prompts&()> prompts)
    : QObject(owner), prompts_(std::move(prompts))
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

QAction* CommandMap::button(Cmd id, QObject* parent)
{
    auto* a = new QAction(parent);
    setUp(a, info(id));
    a->setEnabled(available(id));
    a->setChecked(action(id)->isChecked());
    buttons_[id].append(a);
    connect(a, &QObject::destroyed, this, [this, id, a] { buttons_[id].removeOne(a); });
    return a;
}

void CommandMap::setHandler(Cmd id, std::function<void()> handler)
{
    if (handler)
        handlers_.insert(id, std::move(handler));
    else
        handlers_.remove(id);
    setEnabled(id, true);
    for (QAction* a : buttons_.value(id))
        a->setEnabled(available(id));
}

void CommandMap::setEnabled(Cmd id, bool rule)
{
    const bool on = rule && available(id);
    action(id)->setEnabled(on);
    for (QAction* a : aliases_.value(id))
        a->setEnabled(on);
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
    const auto handler = handlers_.value(id);
    if (!handler)
        return;
    RunGuarded(prompts_(), handler);
}

QString CommandMap::caption(Cmd id) const
{
    return Translate(info(id).caption);
}

void CommandMap::retranslate()
{
    for (auto it = primary_.begin(); it != primary_.end(); ++it) {
        const QString text = caption(it.key());
        it.value()->setText(text);
        for (QAction* a : aliases_.value(it.key()) + buttons_.value(it.key()))
            a->setText(text);
    }
}

} // namespace tarnlink
