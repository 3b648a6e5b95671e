#pragma once

// The one view of the main window that a feature gets: the document and its tree, the commands,
// the prompts, the settings, the window-wide steps every command shares, and the window's named
// places. Features take a Workbench&, never the window's own class.

#include "ui/kit/prompts_source.h"

class QLabel;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class QWidget;

namespace tarnlink {

class CommandMap;
class Document;
class LanguageSwitchWindows;
class Launcher;
class Prompts;
class TfcTreeNode;
class TfcTreeNodes;
class TrayIcon;
class TreeInetView;
class TreeItemModel;
class ZIREdozudurOdozed;
struct Settings;
struct TreeEdit;

// The pages of the upper page control (PageControlEditor) and of the lower one (PageControlView).
enum class EditorPage { List, Properties };
enum class ViewPage { Description, Screenshot };
// The status bar's panels: "Total folders:" or "Clicks:", "Total links:" or "Visited:", free.
enum class StatusPanel { FoldersOrClicks, LinksOrVisited, Message };
// The small buttons above the tree, left to right.
enum class HeaderButton { Password, OpenUrl, FindNext, Up, Down, Collapse, Expand };
// Menus whose items a feature fills itself.
enum class MenuPlace {
    FavoritesLaunch, // Favorites > "L&aunch"
    TrayFavorites,   // the tray menu's "&Favorites links"
    TreePopup,       // the tree's pop-up menu
    Tray,            // the tray menu
};

class Workbench {
public:
    virtual ~Workbench() = default;

    // The main window: parent of dialogs and of the windows that live for the whole run.
    virtual QMainWindow& mainWindow() = 0;
    virtual TfcTreeNodes& tree() = 0;
    virtual Document& document() = 0;
    virtual CommandMap& commands() = 0;
    // The prompts in use now; tests swap them, so keep the source rather than the reference.
    virtual Prompts& prompts() = 0;
    PromptsSource promptsSource()
    {
        return [this]() -> Prompts& { return prompts(); };
    }
    virtual Launcher& launcher() = 0;
    // Every setting, in memory from the start to the close.
    virtual Settings& settings() = 0;
    // The loaded language file, and the long-lived windows a change of language translates.
    virtual const ZIREdozudurOdozed& language() = 0;
    virtual LanguageSwitchWindows& languageWindows() = 0;

    // Marks the document modified.
    virtual void SetModified() = 0;
    // "Total folders:" and "Total links:" in the status bar.
    virtual void ShowTotals() = 0;
    // The one step after a command changed the tree: the counters follow the edit, the document
    // is marked modified, and every feature hears of it.
    virtual void treeEdited(const TreeEdit& edit) = 0;
    // Writes every feature's pending edits into the tree; false when one refused.
    virtual bool commitEdits() = 0;
    // Empties the tree for a new document and tells every feature.
    virtual void clearDocument() = 0;
    // Makes the node the only selected one, focused and in view: its ancestors expand, and a
    // locked one asks for its password.
    virtual void selectNode(TfcTreeNode* node) = 0;
    // The editors, the status bar and the list page show the selected node again, as after a
    // change of the selection (a command changed the tree in one bracket, which tells nobody).
    virtual void showSelection() = 0;
    // The settings in memory changed: the window and every feature apply what acts at once.
    virtual void applySettings() = 0;

    // Named places of the window.
    virtual TreeInetView& treeView() = 0;
    virtual TreeItemModel& treeModel() = 0;
    virtual QTabWidget& editorPages() = 0;
    virtual QWidget& editorPage(EditorPage page) = 0;
    virtual QTabWidget& viewPages() = 0;
    virtual QWidget& viewPage(ViewPage page) = 0;
    // Memo1 on the "Description" page and Image1 on the "Screenshot" page.
    virtual QPlainTextEdit& descriptionBox() = 0;
    virtual QLabel& screenshot() = 0;
    virtual QLabel& statusPanel(StatusPanel panel) = 0;
    virtual QToolButton& headerButton(HeaderButton button) = 0;
    virtual QMenu& menu(MenuPlace place) = 0;
    // Panel3, the right side holding both page controls.
    virtual QWidget& rightPanel() = 0;
    virtual TrayIcon& tray() = 0;
};

} // namespace tarnlink
