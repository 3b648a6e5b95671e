#pragma once

// Every command of the main window by id, with its caption, shortcut, image and check state.
// Each command has one primary action (in the main menu, carrying the shortcut) and any number
// of aliases (pop-up menus, tray menu, tool buttons) that run the same handler. A command
// without a handler is one whose feature is not wired yet: it stays visible and disabled.
// A feature registers a command's handler together with its enabling rule; the rule decides the
// enabled state of the menu items and is checked again when the command runs, so a shortcut
// never runs a command whose menu item would be disabled.

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include "ui/kit/prompts_source.h"
#include "ui/kit/selection_facts.h"
#include "ui/kit/translate.h"

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
    // File > Import: today's browsers
    ImportBrowsers, ImportNetscape, ImportFirefox, ImportChromium, ImportXbel,
};

struct CommandInfo {
    Cmd id;
    const char* caption; // English, with its accelerator "&"
    QKeySequence shortcut;
    int image = -1;      // menu image list index
    bool checkable = false;
    // Edits still pending in the properties editor are written into the tree before it runs.
    bool commitsEdits = false;
};

// Whether a command may run for the selection; an empty rule always allows it.
using EnablingRule = std::function<bool(const SelectionFacts&)>;

// How a tool button follows its command.
enum class ButtonState {
    Available,   // enabled whenever the command has a handler, whatever its rule says
    FollowsRule, // enabled as the menu items are
};

class CommandMap : public QObject {
    Q_OBJECT
public:
    // Commands run inside the error boundary, whose errors prompts shows.
    CommandMap(QObject* owner, PromptsSource prompts);

    // Where the rules' facts come from, and the step that commits pending edits (false refuses
    // the command). Both are set by the main window.
    void setFactsSource(std::function<SelectionFacts()> facts) { facts_ = std::move(facts); }
    void setCommitEdits(std::function<bool()> commit) { commitEdits_ = std::move(commit); }

    static const CommandInfo& info(Cmd id);
    // The command an action of this map runs, as an int; -1 for another action.
    static int idOf(const QAction* action);

    QAction* action(Cmd id) const;
    // An action of its own for another menu or a tool button: same caption, image and check
    // state, no shortcut.
    QAction* alias(Cmd id, QObject* parent);
    // An action for a tool button.
    QAction* button(Cmd id, QObject* parent, ButtonState state = ButtonState::Available);

    // An empty handler takes the command away again.
    void setHandler(Cmd id, std::function<void()> handler, EnablingRule rule = {});
    bool available(Cmd id) const { return handlers_.contains(id); }
    // Available, and its rule holds for the facts.
    bool allowed(Cmd id, const SelectionFacts& facts) const;
    // Enables every action by its command's rule, for the facts of now or the given ones.
    void updateStates();
    void updateStates(const SelectionFacts& facts);
    void setChecked(Cmd id, bool checked);
    bool isChecked(Cmd id) const;
    // Runs the handler inside the error boundary when the rule holds, after committing pending
    // edits where the command's row asks for it.
    void run(Cmd id);

    // The caption as the menu shows it now.
    QString caption(Cmd id) const;
    // Every action's caption again, through the translation of window texts.
    void retranslate(const Translator& windowText);

private:
    struct Handler {
        std::function<void()> run;
        EnablingRule rule;
    };

    void setUp(QAction* action, const CommandInfo& info);
    SelectionFacts facts() const;
    void setEnabled(Cmd id, bool enabled);

    PromptsSource prompts_;
    std::function<SelectionFacts()> facts_;
    std::function<bool()> commitEdits_;
    QHash<Cmd, QAction*> primary_;
    QHash<Cmd, QList<QAction*>> aliases_;
    QHash<Cmd, QList<QAction*>> buttons_;
    QHash<Cmd, Handler> handlers_;
};

} // namespace tarnlink
