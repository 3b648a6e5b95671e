#pragma once

// Every command of the main window by id, with its caption, shortcut, image and check state.
// Each command has one primary action (in the main menu, carrying the shortcut) and any number
// of aliases (pop-up menus, tray menu, tool buttons) that run the same handler. A command
// without a handler is one whose feature is not wired yet: it stays visible and disabled.

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;

namespace tarnlink {

class Prompts;

enum class Cmd {
    // File
    New, Open, Save, SaveAs, ImportIE, ImportOpera, ImportText, ImportTarnlink, Export, Preferences, Print,
    SetupPrinter, Exit,
    // Link
    LaunchLink1, LaunchLink2, LaunchLink, CopyAsLink, CopyAsNameAndLink, CopyAsHtml, AddFromClipboard,
    AddFromBrowser, LinkMonitor, Properties,
    // Explorer
    AddLink, AddFolder, AddSeparator, Find, FindNext, Password, Cut, Copy, Paste, Delete, CheckLinks, Sort,
    Collapse, Expand, LevelUp, LevelDown,
    // Favorites
    FavoritesEdit, FavoritesLaunchLink, FavoritesAddSelected,
    // View
    BarFile, BarExplorer, BarOther, BarLargeIcons, PanelList, PanelProperties, PanelDescription,
    PanelScreenshot, PanelShowIcons, PanelExplorer, StatusBar, ListLargeIcons, ListSmallIcons, ListList,
    ListTable, Refresh,
    // Help
    HelpContents, TipOfTheDay, About, WebSite, FeedbackOffers, FeedbackBugReport, FeedbackInformation,
    FeedbackSubscribe, TellFriend, HelpTopic20,
    // Pop-up and tray only
    AddToFavorites, ShowHideWindow, AddUrl, FavoritesLinks,
    // The selected link, Link 1 first, else Link 2 (header button, double click)
    LaunchSelected,
};

struct CommandInfo {
    Cmd id;
    const char* caption; // English, with its accelerator "&"
    QKeySequence shortcut;
    int image = -1;      // menu image list index
    bool checkable = false;
};

class CommandMap : public QObject {
    Q_OBJECT
public:
    // Commands run inside the error boundary, whose errors prompts shows.
    CommandMap(QObject* owner, std::function<Prompts&()> prompts);

    static const CommandInfo& info(Cmd id);
    // The command an action of this map runs, as an int; -1 for another action.
    static int idOf(const QAction* action);

    QAction* action(Cmd id) const;
    // An action of its own for another menu or a tool button: same caption, image and check
    // state, no shortcut.
    QAction* alias(Cmd id, QObject* parent);
    // An action for a tool button: enabled whenever the command is available, whatever the
    // menus' rules say.
    QAction* button(Cmd id, QObject* parent);

    void setHandler(Cmd id, std::function<void()> handler);
    bool available(Cmd id) const { return handlers_.contains(id); }
    // Enables every action of the command when it is available and the rule holds.
    void setEnabled(Cmd id, bool rule);
    void setChecked(Cmd id, bool checked);
    bool isChecked(Cmd id) const;
    void run(Cmd id);

    // The caption in the current language, and again on every action.
    QString caption(Cmd id) const;
    void retranslate();

private:
    void setUp(QAction* action, const CommandInfo& info);

    std::function<Prompts&()> prompts_;
    QHash<Cmd, QAction*> primary_;
    QHash<Cmd, QList<QAction*>> aliases_;
    QHash<Cmd, QList<QAction*>> buttons_;
    QHash<Cmd, std::function<void()>> handlers_;
};

} // namespace tarnlink
