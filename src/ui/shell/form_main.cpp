#include "ui/shell/form_main.h"

#include "platform/data_folder.h"
#include "settings/language_folder.h"
#include "settings/language_menu.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/icons.h"
#include "ui/kit/language_actions.h"
#include "ui/kit/launcher.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/window_animation.h"
#include "ui/shell/derived_texts.h"
#include "ui/shell/document_commands.h"
#include "ui/shell/feature.h"
#include "ui/shell/installed_features.h"
#include "ui/shell/menu_layout.h"
#include "ui/shell/tray.h"
#include "ui/shell/view_commands.h"
#include "ui/shell/window_state.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace tarnlink {

namespace {
constexpr const char* kHint = "Tarnlink";

// The window whose language table Translate uses; a window going away clears only its own.
const TFormMain* translatingWindow = nullptr;
} // namespace

template <typename Event>
void TFormMain::forEachFeature(Event&& event)
{
    // A feature added while the event runs hears the next one.
    for (size_t i = 0, n = features_.size(); i < n; ++i)
        event(*features_[i]);
}

TFormMain::TFormMain(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), settingsFile_(settingsPath)
{
    // The table is empty until a language is loaded, so the window is built in English.
    SetTranslator([this](const QString& text) { return LanguageLoader.Translate(text); });
    translatingWindow = this;
    setObjectName(QStringLiteral("FormMain"));
    setMinimumSize(360, 132);
    resize(kDesignWidth, kDesignHeight);
    setWindowIcon(images::applicationIcon());

    ownPrompts_ = std::make_unique<WidgetPrompts>(this);
    prompts_ = ownPrompts_.get();
    ownLauncher_ = std::make_unique<DesktopLauncher>();
    launcher_ = ownLauncher_.get();
    commands_ = new CommandMap(this, promptsSource());
    commands_->setFactsSource([this] { return SelectionFacts::of(tree_); });
    commands_->setCommitEdits([this] { return commitEdits(); });
    tray_ = new TrayIcon(this);
    autoSave_ = new QTimer(this);
    selectionTimer_ = new QTimer(this);
    selectionTimer_->setSingleShot(true);
    connect(selectionTimer_, &QTimer::timeout, this, &TFormMain::selectionChanged);

    parts_ = BuildMainLayout(*this, tree_, *commands_);
    menus_ = std::make_unique<MenuLayout>(*this, *commands_);
    menus_->setOpening([this] { updateStates(); });
    tray_->setMenu(menus_->trayMenu());
    auto view = std::make_unique<ViewCommands>(*this, parts_, *commands_);
    view_ = view.get();
    features_.push_back(std::move(view));
    commands_->setHandler(Cmd::Exit, [this] { MExitClick(); });
    commands_->setHandler(Cmd::ShowHideWindow, [this] { ShowHideWindow(); });
    connect(tray_, &TrayIcon::doubleClicked, this, &TFormMain::ShowHideWindow);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { SessionEnding(); });
    qApp->installEventFilter(this);
    connectTreeEvents();

    // The English texts first: the language file translates them in place.
    SetDerivedTexts();
    setWindowTitle(tray_->hint());
    state_ = std::make_unique<WindowState>(*this, parts_, *view_, *tray_, *autoSave_, *commands_);
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    // A stored placement replaces this; without one the window opens at a comfortable size.
    if (display)
        setGeometry(FirstStartGeometry(display->availableGeometry()));
    stored_ = settingsFile_.restore(display ? display->size() : size(), size(), *state_);
    AnimateWindow(*this, AnimatedWindow::Main, stored_.options);

    languageWindows_ = std::make_unique<LanguageSwitchWindows>(QList<QPointer<QWidget>>{this}, [this] { retranslate(); });
    auto documents = std::make_unique<DocumentCommands>(*this, *menus_->menu(MenuRole::RecentFiles),
                                                        *parts_.openButtonMenu, *autoSave_);
    documents_ = documents.get();
    features_.push_back(std::move(documents));
    for (auto& feature : InstallFeatures(*this))
        features_.push_back(std::move(feature));
    buildLanguageMenu();
    ShowTotals();
    updateStates();
}

TFormMain::~TFormMain()
{
    if (translatingWindow == this) {
        SetTranslator({});
        translatingWindow = nullptr;
    }
    qApp->removeEventFilter(this);
    features_.clear();
    // The view goes before the tree it shows.
    delete parts_.treeView;
    parts_.treeView = nullptr;
    delete parts_.treeModel;
    parts_.treeModel = nullptr;
}

void TFormMain::setPrompts(Prompts* prompts)
{
    prompts_ = prompts ? prompts : ownPrompts_.get();
}

void TFormMain::setLauncher(Launcher* launcher)
{
    launcher_ = launcher ? launcher : ownLauncher_.get();
}

void TFormMain::setSelectionDelay(int milliseconds)
{
    selectionDelay_ = milliseconds;
}

void TFormMain::addFeature(std::unique_ptr<Feature> feature)
{
    features_.push_back(std::move(feature));
}

// ---- tree events -------------------------------------------------------------------------------

void TFormMain::connectTreeEvents()
{
    TreeInetView* view = parts_.treeView;
    view->canLeaveNode = [this] {
        bool committed = false;
        RunGuarded(*prompts_, [&] { committed = commitEdits(); });
        return committed;
    };
    view->guarded = [this](const std::function<void()>& work) { RunGuarded(*prompts_, work); };
    connect(parts_.treeModel, &TreeItemModel::treeSelectionChanged, this, [this] {
        if (selectionDelay_ <= 0)
            selectionChanged();
        else
            selectionTimer_->start(selectionDelay_);
    });
    connect(view, &TreeInetView::nodeExpandedOrCollapsed, this, [this](TfcTreeNode* node) { showNode(node); });
    connect(view, &TreeInetView::nodeClicked, this, &TFormMain::onNodeClicked);
    connect(view, &TreeInetView::selectedTextDoubleClicked, this, [this](TfcTreeNode* node) {
        if (node->IsLink())
            commands_->run(Cmd::LaunchSelected);
    });
    connect(view, &TreeInetView::characterTyped, this, [this](QChar) { commands_->run(Cmd::LaunchLink1); });
    connect(view, &TreeInetView::deletePressed, this, [this] { commands_->run(Cmd::Delete); });
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        menus_->treePopup()->popup(parts_.treeView->viewport()->mapToGlobal(at));
    });
}

void TFormMain::selectionChanged()
{
    updateStates();
    showNode(tree_.Selected());
}

void TFormMain::showNode(TfcTreeNode* listed)
{
    // Showing a node may fail (a visit time that cannot be read); the error is shown and the
    // other features still hear of the node.
    const ShownNode shown{tree_.Selected(), listed};
    forEachFeature([&](Feature& f) { RunGuarded(*prompts_, [&] { f.nodeShown(shown); }); });
}

void TFormMain::onNodeClicked(TfcTreeNode* node)
{
    TfcTreeNode* selected = tree_.Selected();
    if (!stored_.options.chkAutoExpand || !selected || !selected->IsFolder() || node != selected)
        return;
    RunGuarded(*prompts_, [&] {
        if (selected->Expanded())
            tree_.Collapse(selected, false);
        else
            tree_.Expand(selected, false);
    });
}

void TFormMain::updateStates()
{
    const SelectionFacts facts = SelectionFacts::of(tree_);
    commands_->updateStates(facts);
    forEachFeature([&](Feature& f) { f.updateStates(facts); });
    menus_->updateSubmenus();
}

// ---- workbench steps ---------------------------------------------------------------------------

void TFormMain::ShowTotals()
{
    parts_.statusPanels[0]->setText(Translate("Total folders:") + QLatin1Char(' ') + QString::number(document_.counts.FolderCount));
    parts_.statusPanels[1]->setText(Translate("Total links:") + QLatin1Char(' ') + QString::number(document_.counts.LinkCount));
}

void TFormMain::treeEdited(const TreeEdit& edit)
{
    TreeCounts& counts = document_.counts;
    counts.FolderCount += edit.added.FolderCount - edit.removed.FolderCount;
    counts.LinkCount += edit.added.LinkCount - edit.removed.LinkCount;
    SetModified();
    forEachFeature([&](Feature& f) { f.treeEdited(edit); });
}

bool TFormMain::commitEdits()
{
    bool committed = true;
    forEachFeature([&](Feature& f) { committed = f.commitEdits() && committed; });
    return committed;
}

void TFormMain::clearDocument()
{
    tree_.Clear();
    document_.counts = {};
    ShowTotals();
    forEachFeature([](Feature& f) { f.documentCleared(); });
}

void TFormMain::selectNode(TfcTreeNode* node)
{
    if (!node || !commitEdits())
        return;
    tree_.ClearSelection();
    tree_.Select(node);
    node->Focused = true;
    tree_.MakeVisible(node);
    parts_.treeView->setFocus();
}

void TFormMain::applySettings()
{
    state_->applyOptions(stored_);
    forEachFeature([this](Feature& f) { f.settingsChanged(stored_); });
}

void TFormMain::storeWindowSettings()
{
    state_->store(stored_);
}

QWidget& TFormMain::editorPage(EditorPage page)
{
    return *parts_.pageEditor->widget(page == EditorPage::List ? TabList : TabProperties);
}

QWidget& TFormMain::viewPage(ViewPage page)
{
    return *parts_.pageView->widget(page == ViewPage::Description ? TabDescription : TabScreenshot);
}

QMenu& TFormMain::menu(MenuPlace place)
{
    switch (place) {
    case MenuPlace::FavoritesLaunch:
        return *menus_->menu(MenuRole::FavoritesLaunch);
    case MenuPlace::TrayFavorites:
        return *menus_->menu(MenuRole::TrayFavorites);
    case MenuPlace::TreePopup:
        return *menus_->treePopup();
    case MenuPlace::Tray:
        break;
    }
    return *menus_->trayMenu();
}

RecentFiles& TFormMain::recentFiles() const
{
    return documents_->recentFiles();
}

QMenu* TFormMain::MenuRecent() const
{
    return menus_->menu(MenuRole::RecentFiles);
}

QMenu* TFormMain::MenuTree() const
{
    return menus_->treePopup();
}

QMenu* TFormMain::MenuTray() const
{
    return menus_->trayMenu();
}

QMenu* TFormMain::MenuLanguage() const
{
    return menus_->menu(MenuRole::Language);
}

QMenu* TFormMain::Menu(const char* caption) const
{
    return menus_->menu(caption);
}

// ---- texts and language ------------------------------------------------------------------------

void TFormMain::SetDerivedTexts()
{
    // Texts of the window follow the table only when it translates windows: a table of one line
    // translates messages, never a caption.
    const Translator windowText = [this](const QString& english) {
        return LanguageLoader.translatesWindows() ? Translate(english) : english;
    };
    commands_->retranslate(windowText);
    menus_->retranslate(windowText);
    tray_->setHint(windowText(QString::fromLatin1(kHint)));
    setWindowIcon(images::applicationIcon());
    SetDerivedControlTexts(parts_, *commands_, windowText);
}

void TFormMain::retranslate()
{
    SetDerivedTexts();
    forEachFeature([](Feature& f) { f.retranslate(); });
}

void TFormMain::buildLanguageMenu()
{
    languages_ = std::make_unique<LanguageMenu>(languageFolder(), stored_.main.language);
    FillLanguageMenu(MenuLanguage(), *languages_, [this](const QString& name) {
        RunGuarded(*prompts_, [&] { languages_->choose(name, stored_.main.language, LanguageLoader, *languageWindows_); });
    });
    if (languages_->loadAtStart(stored_.main.language, LanguageLoader))
        languageWindows_->translateWindows(LanguageLoader);
    retranslate();
}

// ---- start, close, tray ------------------------------------------------------------------------

void TFormMain::StartUp(const QStringList& arguments)
{
    // What start-up has to say (a file not found or damaged, the tip of the day) comes over the
    // window, so the window is shown first.
    if (!StartsHidden())
        show();
    documents_->openAtStart(arguments);
    forEachFeature([this](Feature& f) { RunGuarded(*prompts_, [&] { f.started(); }); });
}

bool TFormMain::StartsHidden() const
{
    return tray_->shown();
}

void TFormMain::MExitClick()
{
    exitRequested_ = true;
    close();
}

void TFormMain::SessionEnding()
{
    MExitClick();
}

void TFormMain::saveSettings()
{
    storeWindowSettings();
    forEachFeature([this](Feature& f) { f.storeSettings(stored_); });
    settingsFile_.save(stored_);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    event->ignore();
    const bool allowed = exitRequested_ || !tray_->shown();
    exitRequested_ = false; // a refused or cancelled exit leaves the program as it was
    bool mayClose = true;
    forEachFeature([&](Feature& f) { mayClose = mayClose && f.mayClose(); });
    if (!mayClose)
        return;
    if (!allowed) {
        // Hidden into the tray: the next show/hide of the tray shows it again.
        trayShown_ = false;
        hide();
        return;
    }
    bool close = false;
    RunGuarded(*prompts_, [&] {
        if (documents_->unsavedChanges() && !documents_->AskSave())
            return;
        saveSettings(); // a file that cannot be written keeps the program running
        forEachFeature([](Feature& f) { f.closing(); });
        close = true;
    });
    if (!close)
        return;
    event->accept();
    emit programEnds();
}

void TFormMain::ShowHideWindow()
{
    if (trayShown_) {
        trayShown_ = false;
        hide();
        return;
    }
    trayShown_ = true;
    // Only a minimised window changes its state: a maximised one comes back maximised, also
    // when it was minimised from there.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    update();
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    const QScreen* s = screen();
    if (!s || isMaximized() || isFullScreen())
        return;
    const QRect area = s->geometry();
    QRect frame = frameGeometry();
    QPoint at = frame.topLeft();
    if (frame.left() + frame.width() > area.width())
        at.setX((area.width() - frame.width()) / 2);
    if (frame.top() + frame.height() > area.height())
        at.setY((area.height() - frame.height()) / 2);
    if (at != frame.topLeft())
        move(at);
}

void TFormMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // With the tray icon shown, minimising hides the window into the tray.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && tray_->shown())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && tray_->shown()) {
                hide();
                setWindowState(windowState() & ~Qt::WindowMinimized);
            }
        });
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    // Esc and Ctrl+K act in every control of the window, before the control sees them.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            commands_->run(Cmd::Exit);
            return true;
        }
        if (key->key() == Qt::Key_K && key->modifiers() == Qt::ControlModifier) {
            commands_->run(Cmd::HelpTopic20);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tarnlink
