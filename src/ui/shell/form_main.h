#pragma once

// The main window: the tree, the editor pages, the tool bars, menus, status bar and tray icon,
// and the document's life (new, open, save, recent files, automatic save, exit).

#include "ui/kit/command_map.h"
#include "document/document.h"
#include "model/tree_node.h"
#include "platform/home_folder.h"
#include "settings/language_table.h"
#include "settings/settings.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;

namespace tarnlink {

class EditingFeatures;
class LanguageMenu;
class LanguageSwitchWindows;
class Prompts;
class TFormTips;
class TrayIcon;
class TreeDelegate;
class TreeInetView;
class TreeItemModel;

// Where later features plug into the window. Every hook has a harmless default.
struct FormMainHooks {
    // Writes the properties editor into the selected node; false when that failed.
    std::function<bool()> commitEditors;
    // Shows a node (or none) in the properties editor and the status bar.
    std::function<void(TfcTreeNode*)> showNode;
    // Gives the list page the node whose contents it should list.
    std::function<void(TfcTreeNode*)> showListPage;
    // Empties what belongs to the old document outside the tree (editors, list, check results).
    std::function<void()> clearDocumentViews;
    std::function<bool()> linkCheckRunning;
    std::function<bool()> clipboardTreeHasNodes;
    std::function<QString()> clipboardText;
    // Copies the live values of the features' windows into the settings just before they are
    // written at the close.
    std::function<void(Settings&)> storeSettings;
    // Runs once the window may really close and the settings are written (cut tree).
    std::function<void()> closing;
};

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // Restores the settings from the file at settingsPath and writes them back when the program
    // ends.
    explicit TFormMain(const QString& settingsPath = settingsFilePath(), QWidget* parent = nullptr);
    ~TFormMain() override;

    // The real dialogs unless a test installs its own; the window does not take ownership.
    void setPrompts(Prompts* prompts);
    Prompts& prompts();
    FormMainHooks& hooks() { return hooks_; }
    CommandMap& commands() { return *commands_; }
    // Every setting, in memory from the start to the close.
    Settings& settings() { return stored_; }
    // Delay of the selection-changed handling; 0 handles it at once.
    void setSelectionDelay(int milliseconds);

    TfcTreeNodes& tree() { return tree_; }
    TreeItemModel& treeModel() { return *treeModel_; }
    Document& document() { return document_; }
    RecentFiles& recentFiles() { return recent_; }
    // Every command that changes the tree or a node calls this.
    void SetModified() { document_.modified = true; }

    // The steps of start-up after the window is built: open the newest recent file (OpenFile),
    // then the file named by the first argument. Errors are shown, never thrown.
    void StartUp(const QStringList& arguments);
    // True when the window stays hidden at start (the tray icon is shown).
    bool StartsHidden() const;

    // Document commands and routines.
    void MNewClick();
    void MOpenClick();
    void MSaveClick();
    void MSaveAsClick();
    void MRUManagerClick(const QString& path);
    void MExitClick();
    void OpenDocument(const QString& path);
    void SaveDocument(const QString& path);
    // The "Save file?" question; false when the asking command must stop.
    bool AskSave();
    void ShowTotals();
    void autoSaveTick();
    void ShowHideWindow();
    // Windows of the desktop session ending: exit without being refused by the tray.
    void SessionEnding();

    // Derived captions and hints; run at start and after a change of language.
    void SetDerivedTexts();
    // Applies the options that act at once (autosave, hot colour, tree options, look) again after
    // they changed in memory.
    void ApplySettings();
    // The windows that live for the whole run register here to follow a change of language.
    LanguageSwitchWindows& languageWindows() { return *languageWindows_; }
    // The properties editor, the add dialog, folder protection and the add commands.
    EditingFeatures& editing() { return *editing_; }
    QMenu* MenuLanguage() const { return menuLanguage_; }
    // F2: a new, independent tip window.
    TFormTips* MTips1Click();

    // View state, for the settings layer and tests.
    void setTabShown(QTabWidget* pages, int tab, bool shown);
    void setLargeIcons(bool large);
    bool largeIcons() const { return largeIcons_; }
    void setTabIconsShown(bool shown);
    bool tabIconsShown() const { return tabIconsShown_; }
    int treeWidthTag() const { return panel1Tag_; }

    // Widgets by their names.
    TreeInetView* TreeInet() const { return treeView_; }
    QWidget* Panel1() const { return panel1_; }
    QWidget* PanelExplorer() const { return panelExplorer_; }
    QWidget* Panel3() const { return panel3_; }
    QTabWidget* PageControlEditor() const { return pageEditor_; }
    QTabWidget* PageControlView() const { return pageView_; }
    QSplitter* SplitterVertical() const { return splitterV_; }
    QSplitter* SplitterHorizontal() const { return splitterH_; }
    QPlainTextEdit* Memo1() const { return memo_; }
    QLabel* Image1() const { return image_; }
    QLabel* StatusPanel(int i) const { return statusPanels_.at(i); }
    QToolBar* ToolBar(int i) const { return toolBars_.at(i); }
    QToolButton* HeaderButton(int i) const { return headerButtons_.at(i); }
    QMenu* MenuRecent() const { return menuRecent_; }
    QMenu* OpenButtonMenu() const { return openButtonMenu_; }
    QMenu* MenuTree() const { return menuTree_; }
    QMenu* MenuTray() const { return menuTray_; }
    QMenu* Menu(const char* caption) const;
    TrayIcon& Tray() const { return *tray_; }
    TreeDelegate& Delegate() const { return *delegate_; }
    QTimer& AutoSaveTimer() const { return *autoSave_; }

    // The loaded language file; every text the program shows passes through it.
    ZIREdozudurOdozed LanguageLoader;

    // The menus' enabling rules, run when a menu opens.
    void UpdateLinkMenu();
    void UpdateExplorerMenu();
    void UpdateTreeMenu();
    void UpdateViewMenu();

signals:
    // The window closed for good; the program ends.
    void programEnds();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Restorer;

    void buildCommands();
    void buildLanguageMenu();
    // Copies the live values into the settings and writes the file; throws SettingsWriteError.
    void saveSettings();
    void buildLayout();
    void buildMenus();
    void buildToolBars();
    void buildTrayMenu();
    QMenu* addSubmenu(QMenu* parent, const char* caption);
    void updateRecentMenus();
    void fillRecentMenu(QMenu* menu);
    void updatePageControls();
    void clearDocument();
    void setTitle(const QString& title);
    QString hintText() const;
    bool commitEditors();
    // Commits the properties editor, then tells whether the document is modified.
    bool unsavedChanges();
    void treeChanged();
    void onExpandedOrCollapsed(TfcTreeNode* node);
    void onNodeClicked(TfcTreeNode* node);
    void onDoubleClicked(TfcTreeNode* node);

    SettingsFile settingsFile_;
    Settings stored_;
    std::unique_ptr<LanguageMenu> languages_;
    std::unique_ptr<LanguageSwitchWindows> languageWindows_;
    FormMainHooks hooks_;
    TfcTreeNodes tree_;
    Document document_;
    RecentFiles recent_;
    std::unique_ptr<EditingFeatures> editing_;
    std::unique_ptr<Prompts> ownPrompts_;
    Prompts* prompts_ = nullptr;
    CommandMap* commands_ = nullptr;
    TreeItemModel* treeModel_ = nullptr;
    TreeDelegate* delegate_ = nullptr;
    TreeInetView* treeView_ = nullptr;
    TrayIcon* tray_ = nullptr;
    QTimer* autoSave_ = nullptr;
    QTimer* selectionTimer_ = nullptr;

    QWidget* panel1_ = nullptr;
    QWidget* panelExplorer_ = nullptr;
    QLabel* labExplorer_ = nullptr;
    QWidget* panel3_ = nullptr;
    QSplitter* splitterV_ = nullptr;
    QSplitter* splitterH_ = nullptr;
    QTabWidget* pageEditor_ = nullptr;
    QTabWidget* pageView_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* image_ = nullptr;
    std::vector<QLabel*> statusPanels_;
    std::vector<QToolBar*> toolBars_;
    std::vector<QToolButton*> headerButtons_;
    QToolButton* openButton_ = nullptr;
    QToolButton* importButton_ = nullptr;
    QMenu* menuRecent_ = nullptr;
    QMenu* openButtonMenu_ = nullptr;
    QMenu* menuTree_ = nullptr;
    QMenu* menuTray_ = nullptr;
    QMenu* menuCopyAsPopup_ = nullptr;
    QMenu* menuLanguage_ = nullptr;
    // Menus with their English captions, for retranslation.
    std::vector<std::pair<QMenu*, const char*>> menus_;
    std::vector<std::pair<QAction*, const char*>> ownCaptions_;

    bool exitRequested_ = false;
    bool autoSaving_ = false;
    bool largeIcons_ = true;
    bool tabIconsShown_ = true;
    int panel1Tag_ = 250;     // the tree's width while the right side is hidden
    int lowerHeight_ = 155;   // the lower pages' height while the upper ones are hidden
    int selectionDelay_ = 150;
};

} // namespace tarnlink
