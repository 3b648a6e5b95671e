#pragma once

// The main window: a frame that builds the layout, holds the document, the settings, the
// commands and the features, and hands the window's events to every feature. What the window
// does lives in the features (src/ui/<feature>/) and in the shell's own parts: the view
// commands, the document commands and the stored window state.

#include "document/document.h"
#include "model/tree_node.h"
#include "platform/home_folder.h"
#include "settings/language_table.h"
#include "settings/settings.h"
#include "ui/shell/main_layout.h"
#include "ui/shell/workbench.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QTimer;

namespace tarnlink {

class DocumentCommands;
class Feature;
class LanguageMenu;
class MenuLayout;
class ViewCommands;
class WindowState;

class TFormMain : public QMainWindow, public Workbench {
    Q_OBJECT
public:
    // Restores the settings from the file at settingsPath and writes them back when the program
    // ends.
    explicit TFormMain(const QString& settingsPath = settingsFilePath(), QWidget* parent = nullptr);
    ~TFormMain() override;

    // The real dialogs and launcher unless a test installs its own; the window does not take
    // ownership.
    void setPrompts(Prompts* prompts);
    void setLauncher(Launcher* launcher);
    // Delay of the selection-changed handling; 0 handles it at once.
    void setSelectionDelay(int milliseconds);

    // Adds a feature after those installed at start; it hears every event from now on.
    void addFeature(std::unique_ptr<Feature> feature);
    // The installed feature of that class, for tests; null when there is none.
    template <typename F>
    F* feature() const
    {
        for (const auto& f : features_)
            if (auto* found = dynamic_cast<F*>(f.get()))
                return found;
        return nullptr;
    }

    // The steps of start-up after the window is built: the files to open, then every feature's
    // own start (the tip of the day).
    void StartUp(const QStringList& arguments);
    // True when the window stays hidden at start (the tray icon is shown).
    bool StartsHidden() const;
    void MExitClick();
    // The end of the desktop session: exit without being refused by the tray.
    void SessionEnding();
    void ShowHideWindow();
    // Command and control states for the selection, as when a menu opens.
    void updateStates();
    // Captions and hints derived from menu captions; at start and after a change of language.
    void SetDerivedTexts();

    // Workbench
    QMainWindow& mainWindow() override { return *this; }
    TfcTreeNodes& tree() override { return tree_; }
    Document& document() override { return document_; }
    CommandMap& commands() override { return *commands_; }
    Prompts& prompts() override { return *prompts_; }
    Launcher& launcher() override { return *launcher_; }
    Settings& settings() override { return stored_; }
    const ZIREdozudurOdozed& language() override { return LanguageLoader; }
    LanguageSwitchWindows& languageWindows() override { return *languageWindows_; }
    void SetModified() override { document_.modified = true; }
    void ShowTotals() override;
    void treeEdited(const TreeEdit& edit) override;
    bool commitEdits() override;
    void clearDocument() override;
    void selectNode(TfcTreeNode* node) override;
    void showSelection() override { selectionChanged(); }
    void applySettings() override;
    TreeInetView& treeView() override { return *parts_.treeView; }
    TreeItemModel& treeModel() override { return *parts_.treeModel; }
    QTabWidget& editorPages() override { return *parts_.pageEditor; }
    QWidget& editorPage(EditorPage page) override;
    QTabWidget& viewPages() override { return *parts_.pageView; }
    QWidget& viewPage(ViewPage page) override;
    QPlainTextEdit& descriptionBox() override { return *parts_.memo; }
    QLabel& screenshot() override { return *parts_.image; }
    QLabel& statusPanel(StatusPanel panel) override { return *parts_.statusPanels.at(int(panel)); }
    QToolButton& headerButton(HeaderButton button) override { return *parts_.headerButtons.at(int(button)); }
    QMenu& menu(MenuPlace place) override;
    QWidget& rightPanel() override { return *parts_.panel3; }
    TrayIcon& tray() override { return *tray_; }

    // The shell's own parts.
    DocumentCommands& documents() const { return *documents_; }
    ViewCommands& view() const { return *view_; }
    RecentFiles& recentFiles() const;
    QTimer& AutoSaveTimer() const { return *autoSave_; }

    // The loaded language file; every text the program shows passes through it.
    ZIREdozudurOdozed LanguageLoader;

    // Widgets by their names.
    TreeInetView* TreeInet() const { return parts_.treeView; }
    QWidget* Panel1() const { return parts_.panel1; }
    QWidget* PanelExplorer() const { return parts_.panelExplorer; }
    QWidget* Panel3() const { return parts_.panel3; }
    QTabWidget* PageControlEditor() const { return parts_.pageEditor; }
    QTabWidget* PageControlView() const { return parts_.pageView; }
    QSplitter* SplitterVertical() const { return parts_.splitterV; }
    QSplitter* SplitterHorizontal() const { return parts_.splitterH; }
    QPlainTextEdit* Memo1() const { return parts_.memo; }
    QLabel* Image1() const { return parts_.image; }
    QLabel* StatusPanel(int i) const { return parts_.statusPanels.at(i); }
    QToolBar* ToolBar(int i) const { return parts_.toolBars.at(i); }
    QToolButton* HeaderButton(int i) const { return parts_.headerButtons.at(i); }
    QMenu* MenuRecent() const;
    QMenu* OpenButtonMenu() const { return parts_.openButtonMenu; }
    QMenu* MenuTree() const;
    QMenu* MenuTray() const;
    QMenu* MenuLanguage() const;
    QMenu* Menu(const char* caption) const;
    TrayIcon& Tray() const { return *tray_; }
    TreeDelegate& Delegate() const { return *parts_.delegate; }

signals:
    // The window closed for good; the program ends.
    void programEnds();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectTreeEvents();
    void buildLanguageMenu();
    void retranslate();
    // Copies the live values into the settings and writes the file; throws SettingsWriteError.
    void saveSettings();
    void selectionChanged();
    void showNode(TfcTreeNode* listed);
    void onNodeClicked(TfcTreeNode* node);
    template <typename Event>
    void forEachFeature(Event&& event);

    SettingsFile settingsFile_;
    Settings stored_;
    std::unique_ptr<LanguageMenu> languages_;
    std::unique_ptr<LanguageSwitchWindows> languageWindows_;
    TfcTreeNodes tree_;
    Document document_;
    std::unique_ptr<Prompts> ownPrompts_;
    Prompts* prompts_ = nullptr;
    std::unique_ptr<Launcher> ownLauncher_;
    Launcher* launcher_ = nullptr;
    CommandMap* commands_ = nullptr;
    TrayIcon* tray_ = nullptr;
    QTimer* autoSave_ = nullptr;
    QTimer* selectionTimer_ = nullptr;
    MainParts parts_;
    std::unique_ptr<MenuLayout> menus_;
    std::unique_ptr<WindowState> state_;
    std::vector<std::unique_ptr<Feature>> features_;
    ViewCommands* view_ = nullptr;           // one of the features
    DocumentCommands* documents_ = nullptr;  // one of the features

    bool exitRequested_ = false;
    int selectionDelay_ = 150;
};

} // namespace tarnlink
