#include "ui/shell/menu_layout.h"

#include "ui/kit/command_map.h"
#include "ui/kit/translate.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace tarnlink {

struct MenuLayout::Item {
    enum class Kind { Command, Separator, Submenu };
    // How a submenu's own usable state is decided.
    enum class State { Own, FollowsItems, Disabled };

    Kind kind = Kind::Command;
    Cmd cmd = Cmd::New;
    const char* caption = nullptr; // a submenu's title, or a command's own caption in this menu
    std::vector<Item> items = {};
    MenuRole role = MenuRole::None;
    State state = State::Own;
    bool exclusive = false; // the items are radio items
};

namespace {

using Item = MenuLayout::Item;

Item command(Cmd cmd, const char* ownCaption = nullptr)
{
    return {Item::Kind::Command, cmd, ownCaption};
}

const Item separator{Item::Kind::Separator};

Item submenu(const char* caption, std::vector<Item> items, Item::State state = Item::State::Own,
             MenuRole role = MenuRole::None)
{
    return {Item::Kind::Submenu, Cmd::New, caption, std::move(items), role, state};
}

// "Copy as..." appears in the Link menu and in the tree's pop-up menu.
Item copyAs()
{
    return submenu("Copy &as...", {command(Cmd::CopyAsLink), command(Cmd::CopyAsNameAndLink), command(Cmd::CopyAsHtml)},
                   Item::State::FollowsItems);
}

Item addMenu()
{
    return submenu("&Add", {command(Cmd::AddLink), command(Cmd::AddFolder), command(Cmd::AddSeparator)});
}

const std::vector<Item>& mainMenu()
{
    using C = Cmd;
    static const std::vector<Item> table = [] {
        Item listView = submenu("List &view", {command(C::ListLargeIcons), command(C::ListSmallIcons),
                                               command(C::ListList), command(C::ListTable)});
        listView.exclusive = true;
        return std::vector<Item>{
            submenu("&File",
                    {command(C::New), command(C::Open), command(C::Save), command(C::SaveAs),
                     submenu("&Recent files", {}, Item::State::Own, MenuRole::RecentFiles), separator,
                     submenu("&Import...", {command(C::ImportIE), command(C::ImportOpera), command(C::ImportText),
                                            command(C::ImportTarnlink), separator, command(C::ImportBrowsers),
                                            command(C::ImportNetscape), command(C::ImportFirefox),
                                            command(C::ImportChromium), command(C::ImportXbel)}),
                     command(C::Export), separator, command(C::Preferences), separator, command(C::Print),
                     command(C::SetupPrinter), separator, command(C::Exit)}),
            submenu("&Link", {command(C::LaunchLink1), command(C::LaunchLink2), command(C::LaunchLink), copyAs(),
                              separator, command(C::AddFromClipboard), command(C::AddFromBrowser),
                              command(C::LinkMonitor), separator, command(C::Properties)}),
            submenu("&Explorer", {addMenu(), command(C::Find), command(C::FindNext), command(C::Password), separator,
                                  command(C::Cut), command(C::Copy), command(C::Paste), command(C::Delete), separator,
                                  command(C::CheckLinks), command(C::Sort), separator, command(C::Collapse),
                                  command(C::Expand),
                                  submenu("&On level", {command(C::LevelUp), command(C::LevelDown)})}),
            submenu("&Favorites", {command(C::FavoritesEdit), command(C::FavoritesLaunchLink),
                                   command(C::FavoritesAddSelected),
                                   submenu("L&aunch", {}, Item::State::Disabled, MenuRole::FavoritesLaunch)}),
            submenu("&View",
                    {submenu("&Button bar", {command(C::BarFile), command(C::BarExplorer), command(C::BarOther),
                                             separator, command(C::BarLargeIcons)}),
                     submenu("Panel &right", {command(C::PanelList), command(C::PanelProperties),
                                              command(C::PanelDescription), command(C::PanelScreenshot), separator,
                                              command(C::PanelShowIcons)}),
                     command(C::PanelExplorer), command(C::StatusBar), listView, separator, command(C::Refresh),
                     separator, submenu("&Language", {}, Item::State::Disabled, MenuRole::Language)}),
            submenu("&Help", {command(C::HelpContents), command(C::TipOfTheDay), separator, command(C::About),
                              separator, command(C::WebSite),
                              submenu("&Feedback", {command(C::FeedbackOffers), command(C::FeedbackBugReport),
                                                    command(C::FeedbackInformation), command(C::FeedbackSubscribe)}),
                              command(C::TellFriend)}),
        };
    }();
    return table;
}

const std::vector<Item>& treePopupMenu()
{
    using C = Cmd;
    static const std::vector<Item> table = {
        addMenu(),          command(C::Properties), separator,           command(C::LaunchLink1),
        command(C::LaunchLink2), copyAs(),          command(C::AddToFavorites), separator,
        command(C::Sort),   command(C::CheckLinks), command(C::Password), separator,
        command(C::Cut),    command(C::Copy),       command(C::Paste),    command(C::Delete),
    };
    return table;
}

const std::vector<Item>& trayMenuTable()
{
    using C = Cmd;
    static const std::vector<Item> table = {
        command(C::Exit),
        command(C::HelpContents, "&Help"),
        command(C::About),
        command(C::TellFriend),
        command(C::Preferences),
        command(C::LinkMonitor),
        submenu("&Favorites links", {}, Item::State::Disabled, MenuRole::TrayFavorites),
        command(C::LaunchLink),
        command(C::AddFromClipboard),
        command(C::AddFromBrowser),
        command(C::AddUrl),
        command(C::ShowHideWindow),
    };
    return table;
}

} // namespace

MenuLayout::MenuLayout(QMainWindow& window, CommandMap& commands) : window_(window), commands_(commands)
{
    for (const Item& top : mainMenu())
        build(newMenu(nullptr, top), top.items, false);
    treePopup_ = build(new QMenu(&window_), treePopupMenu(), true);
    treePopup_->setObjectName(QStringLiteral("MenuTree"));
    trayMenu_ = build(new QMenu(&window_), trayMenuTable(), true);
    trayMenu_->setObjectName(QStringLiteral("MenuTray"));
    for (QMenu* menu : {treePopup_, trayMenu_})
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { if (opening_) opening_(); });
}

QMenu* MenuLayout::newMenu(QMenu* parent, const Item& item)
{
    QMenu* menu = parent ? parent->addMenu(QString()) : window_.menuBar()->addMenu(QString());
    titles_.emplace_back(menu, item.caption);
    if (item.role != MenuRole::None)
        roles_.emplace_back(menu, item.role);
    if (item.state == Item::State::Disabled)
        menu->setEnabled(false);
    if (item.state == Item::State::FollowsItems)
        followers_.append(menu);
    if (!parent)
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { if (opening_) opening_(); });
    return menu;
}

QMenu* MenuLayout::build(QMenu* menu, const std::vector<Item>& items, bool aliases)
{
    for (const Item& item : items) {
        switch (item.kind) {
        case Item::Kind::Separator:
            menu->addSeparator();
            break;
        case Item::Kind::Submenu: {
            QMenu* sub = build(newMenu(menu, item), item.items, aliases);
            if (item.exclusive) {
                auto* group = new QActionGroup(sub);
                for (QAction* action : sub->actions())
                    group->addAction(action);
            }
            break;
        }
        case Item::Kind::Command: {
            QAction* action = aliases ? commands_.alias(item.cmd, menu) : commands_.action(item.cmd);
            if (item.caption)
                ownCaptions_.emplace_back(action, item.caption);
            menu->addAction(action);
            break;
        }
        }
    }
    return menu;
}

QMenu* MenuLayout::menu(MenuRole role) const
{
    for (const auto& [menu, r] : roles_)
        if (r == role)
            return menu;
    return nullptr;
}

QMenu* MenuLayout::menu(const char* caption) const
{
    for (const auto& [menu, english] : titles_)
        if (qstrcmp(english, caption) == 0)
            return menu;
    return nullptr;
}

void MenuLayout::updateSubmenus()
{
    for (QMenu* menu : followers_) {
        const QList<QAction*> actions = menu->actions();
        menu->setEnabled(std::any_of(actions.begin(), actions.end(), [](QAction* a) { return a->isEnabled(); }));
    }
}

void MenuLayout::retranslate(const Translator& windowText)
{
    for (const auto& [menu, english] : titles_)
        menu->setTitle(windowText(QString::fromUtf8(english)));
    for (const auto& [action, english] : ownCaptions_)
        action->setText(windowText(QString::fromUtf8(english)));
}

} // namespace tarnlink
