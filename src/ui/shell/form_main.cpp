#include "ui/shell/form_main.h"

#include "ui/kit/command_guard.h"
#include "document/collection_file.h"
#include "ui/editing/editing_features.h"
#include "ui/editing/form_add.h"
#include "ui/help/form_tips.h"
#include "ui/help/help_page.h"
#include "ui/kit/icons.h"
#include "ui/kit/language_actions.h"
#include "model/tree_counts.h"
#include "platform/data_folder.h"
#include "ui/kit/prompts.h"
#include "settings/language_folder.h"
#include "settings/language_menu.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/translate.h"
#include "ui/shell/tray.h"
#include "ui/tree/tree_delegate.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnlink {

namespace {
constexpr const char* kHint = "Tarnlink";
constexpr int kDesignWidth = 567;
constexpr int kDesignHeight = 414;
constexpr int kTreeWidth = 250;
constexpr int kLowerPagesHeight = 155;
enum EditorTab { TabList = 0, TabProperties = 1 };
enum ViewTab { TabDescription = 0, TabScreenshot = 1 };

// Stored control properties: the tool bars' visibility in the order of the bars, and the pages'.
constexpr const char* kToolBarVisible[] = {"ToolBarFile.Visible", "ToolBarExploer.Visible", "ToolBarOther.Visible"};
struct StoredTab {
    bool editorPages; // PageControlEditor, else PageControlView
    int tab;
    const char* name;
};
constexpr StoredTab kStoredTabs[] = {
    {true, TabList, "TabListview.TabVisible"},
    {true, TabProperties, "TabProperties.TabVisible"},
    {false, TabDescription, "TabDescription.TabVisible"},
    {false, TabScreenshot, "TabScreenShot.TabVisible"},
};

QString collectionFilter()
{
    return Translate("Tarnlink list *.tlk") + QStringLiteral(" (*.tlk)");
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// The window whose language table Translate uses; a window going away clears only its own.
const TFormMain* translatingWindow = nullptr;

int ToWindowsColor(const QColor& color)
{
    return color.red() | color.green() << 8 | color.blue() << 16;
}

bool anyTabShown(const QTabWidget* pages)
{
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i))
            return true;
    return false;
}
} // namespace

// What the restored settings do to the window at once.
class TFormMain::Restorer : public RestoreActions {
public:
    explicit Restorer(TFormMain& form) : f_(form) {}

    void applyFormStorage(const FormStorage& form) override
    {
        if (const auto& n = form.normPos; n && n->right > n->left && n->bottom > n->top)
            f_.setGeometry(n->left, n->top, n->right - n->left, n->bottom - n->top);
        auto font = [&form](QWidget* widget, const char* name) {
            QFont stored;
            if (const auto text = form.text(QLatin1String(name)); text && stored.fromString(*text))
                widget->setFont(stored);
        };
        font(f_.treeView_, "TreeInet.Font");
        font(f_.memo_, "Memo1.Font");
        auto background = [&form](QWidget* widget, const char* name) {
            QPalette palette = widget->palette();
            const int colour = form.integer(QLatin1String(name), ToWindowsColor(palette.color(QPalette::Base)));
            palette.setColor(QPalette::Base, FromWindowsColor(uint32_t(colour)));
            widget->setPalette(palette);
        };
        background(f_.treeView_, "TreeInet.Color");
        background(f_.memo_, "Memo1.Color");
        f_.delegate_->setBarColor(FromWindowsColor(uint32_t(form.integer(QStringLiteral("TreeInet.InactiveFocusColor"), 11065263))));
        f_.treeView_->setIndentation(form.integer(QStringLiteral("TreeInet.Indent"), 19));

        for (int i = 0; i < 3; ++i)
            f_.toolBars_[i]->setHidden(!form.boolean(QLatin1String(kToolBarVisible[i]), true));
        f_.statusBar()->setHidden(!form.boolean(QStringLiteral("Panel2.Visible"), true));
        f_.panelExplorer_->setHidden(!form.boolean(QStringLiteral("PanelExplorer.Visible"), true));
        f_.tray_->setWanted(form.boolean(QStringLiteral("Tray.IconVisible"), false));

        f_.panel1Tag_ = form.integer(QStringLiteral("Panel1.Tag"), f_.panel1Tag_);
        f_.lowerHeight_ = form.integer(QStringLiteral("PageControlView.Height"), f_.lowerHeight_);
        const int treeWidth = form.integer(QStringLiteral("Panel1.Width"), kTreeWidth);
        f_.splitterV_->setSizes({treeWidth, std::max(60, f_.width() - treeWidth)});
        f_.splitterH_->setSizes({std::max(60, f_.height() - f_.lowerHeight_), f_.lowerHeight_});
        for (const StoredTab& t : kStoredTabs)
            (t.editorPages ? f_.pageEditor_ : f_.pageView_)->setTabVisible(t.tab, form.boolean(QLatin1String(t.name), true));
        f_.updatePageControls();
        f_.pageEditor_->setCurrentIndex(form.integer(QStringLiteral("PageControlEditor.ActivePage"), TabList));
        f_.pageView_->setCurrentIndex(form.integer(QStringLiteral("PageControlView.ActivePage"), TabDescription));
    }
    void showMaximised() override { f_.setWindowState(f_.windowState() | Qt::WindowMaximized); }
    void setLargeIconsBar(bool on) override { f_.setLargeIcons(on); }
    void setShowTabIcons(bool on) override { f_.setTabIconsShown(on); }
    // The list view and the browser launcher read their values from the settings themselves.
    void setListViewColumnWidths(const std::array<int, 6>&) override {}
    void setBrowserWindowState(int) override {}
    void setBrowserProgram(const QString&) override {}
    void setXpStyle(bool on) override
    {
        const QString look = on ? QStringLiteral("Fusion") : QStringLiteral("Windows");
        // Setting a style repolishes every widget: only when the look really changes.
        if (QApplication::style()->name().compare(look, Qt::CaseInsensitive) != 0)
            QApplication::setStyle(look);
    }
    void setAutoSaveInterval(int milliseconds) override
    {
        f_.autoSave_->setInterval(milliseconds);
        if (milliseconds > 0)
            f_.autoSave_->start();
        else
            f_.autoSave_->stop();
    }
    void setHotColor(int colour) override { f_.delegate_->setHotColor(FromWindowsColor(uint32_t(colour))); }
    void setTreeOptions(bool selectLine, bool showButtons, bool showLines, bool showHint) override
    {
        f_.treeView_->applyOptions(selectLine, showButtons, showLines);
        f_.delegate_->setShowHints(showHint);
    }
    void setLinkMonitor(bool on) override { f_.commands_->setChecked(Cmd::LinkMonitor, on); }

private:
    TFormMain& f_;
};

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

    hooks_.commitEditors = [] { return true; };
    hooks_.showNode = [this](TfcTreeNode*) { ShowTotals(); };
    hooks_.showListPage = [](TfcTreeNode*) {};
    hooks_.clearDocumentViews = [] {};
    hooks_.linkCheckRunning = [] { return false; };
    hooks_.clipboardTreeHasNodes = [] { return false; };
    hooks_.clipboardText = [] { return QString(); };
    hooks_.storeSettings = [](Settings&) {};
    hooks_.closing = [] {};

    ownPrompts_ = std::make_unique<WidgetPrompts>(this);
    prompts_ = ownPrompts_.get();
    commands_ = new CommandMap(this, [this]() -> Prompts& { return *prompts_; });
    tray_ = new TrayIcon(this);
    autoSave_ = new QTimer(this);
    connect(autoSave_, &QTimer::timeout, this, [this] { RunGuarded(*prompts_, [this] { autoSaveTick(); }); });
    selectionTimer_ = new QTimer(this);
    selectionTimer_->setSingleShot(true);
    connect(selectionTimer_, &QTimer::timeout, this, &TFormMain::treeChanged);

    buildCommands();
    buildLayout();
    buildToolBars();
    buildMenus();
    buildTrayMenu();
    connect(tray_, &TrayIcon::doubleClicked, this, &TFormMain::ShowHideWindow);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { SessionEnding(); });
    qApp->installEventFilter(this);

    // The English texts first: the language file translates them in place.
    SetDerivedTexts();
    Restorer restorer(*this);
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    stored_ = settingsFile_.restore(display ? display->size() : size(), size(), restorer);
    recent_.setEntries(stored_.recentFiles);
    editing_ = std::make_unique<EditingFeatures>(*this);
    AttachHelpCommands(*commands_, [this]() -> Prompts& { return *prompts_; }, shippedDataPath(QString::fromLatin1(kHelpPage)),
                       [](const QUrl& url) { return QDesktopServices::openUrl(url); });
    buildLanguageMenu();
    // The add dialog is a window of its own and lives for the whole run.
    if (LanguageLoader.translatesWindows())
        TranslateForm(editing_->addDialog(), LanguageLoader);
    languageWindows_->add(editing_->addDialog());
    ShowTotals();
    updateRecentMenus();
}

TFormMain::~TFormMain()
{
    if (translatingWindow == this) {
        SetTranslator({});
        translatingWindow = nullptr;
    }
    qApp->removeEventFilter(this);
    // The view goes before the tree it shows.
    delete treeView_;
    treeView_ = nullptr;
    delete treeModel_;
    treeModel_ = nullptr;
}

void TFormMain::setPrompts(Prompts* prompts)
{
    prompts_ = prompts ? prompts : ownPrompts_.get();
}

Prompts& TFormMain::prompts()
{
    return *prompts_;
}

void TFormMain::setSelectionDelay(int milliseconds)
{
    selectionDelay_ = milliseconds;
}

// ---- building --------------------------------------------------------------------------------

void TFormMain::buildCommands()
{
    CommandMap& c = *commands_;
    c.setHandler(Cmd::New, [this] { MNewClick(); });
    c.setHandler(Cmd::Open, [this] { MOpenClick(); });
    c.setHandler(Cmd::Save, [this] { MSaveClick(); });
    c.setHandler(Cmd::SaveAs, [this] { MSaveAsClick(); });
    c.setHandler(Cmd::Exit, [this] { MExitClick(); });
    c.setHandler(Cmd::ShowHideWindow, [this] { ShowHideWindow(); });
    c.setHandler(Cmd::Refresh, [this] { repaint(); });
    c.setHandler(Cmd::TipOfTheDay, [this] { MTips1Click(); });
    c.setHandler(Cmd::About, [this] {
        prompts_->inform(CaptionFromMenu(commands_->caption(Cmd::About)),
                         Translate(kHint) + QStringLiteral(" ") + QApplication::applicationVersion());
    });
    c.setHandler(Cmd::BarFile, [this] { toolBars_[0]->setVisible(toolBars_[0]->isHidden()); UpdateViewMenu(); });
    c.setHandler(Cmd::BarExplorer, [this] { toolBars_[1]->setVisible(toolBars_[1]->isHidden()); UpdateViewMenu(); });
    c.setHandler(Cmd::BarOther, [this] { toolBars_[2]->setVisible(toolBars_[2]->isHidden()); UpdateViewMenu(); });
    c.setHandler(Cmd::BarLargeIcons, [this] { setLargeIcons(!largeIcons_); UpdateViewMenu(); });
    auto toggleTab = [this](QTabWidget* const& pages, int tab) {
        setTabShown(pages, tab, !pages->isTabVisible(tab));
        UpdateViewMenu();
    };
    c.setHandler(Cmd::PanelList, [this, toggleTab] { toggleTab(pageEditor_, TabList); });
    c.setHandler(Cmd::PanelProperties, [this, toggleTab] { toggleTab(pageEditor_, TabProperties); });
    c.setHandler(Cmd::PanelDescription, [this, toggleTab] { toggleTab(pageView_, TabDescription); });
    c.setHandler(Cmd::PanelScreenshot, [this, toggleTab] { toggleTab(pageView_, TabScreenshot); });
    c.setHandler(Cmd::PanelShowIcons, [this] { setTabIconsShown(!tabIconsShown_); UpdateViewMenu(); });
    c.setHandler(Cmd::PanelExplorer, [this] { panelExplorer_->setVisible(panelExplorer_->isHidden()); UpdateViewMenu(); });
    c.setHandler(Cmd::StatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); UpdateViewMenu(); });
}

void TFormMain::buildLayout()
{
    treeModel_ = new TreeItemModel(tree_, this);
    delegate_ = new TreeDelegate(this);

    panel1_ = new QWidget;
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setMinimumWidth(233);
    auto* leftLayout = new QVBoxLayout(panel1_);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);

    panelExplorer_ = new QWidget;
    panelExplorer_->setObjectName(QStringLiteral("PanelExplorer"));
    panelExplorer_->setFixedHeight(20);
    auto* header = new QHBoxLayout(panelExplorer_);
    header->setContentsMargins(4, 0, 0, 0);
    header->setSpacing(0);
    labExplorer_ = new QLabel;
    header->addWidget(labExplorer_);
    header->addStretch();
    const std::pair<const char*, Cmd> buttons[] = {
        {"BtnSecur", Cmd::Password},  {"BtnOpenUrl", Cmd::LaunchSelected}, {"BtnFindNext", Cmd::FindNext},
        {"ButUp", Cmd::LevelUp},      {"ButDown", Cmd::LevelDown},         {"BtnCollapse", Cmd::Collapse},
        {"BtnExpand", Cmd::Expand},
    };
    for (const auto& [name, cmd] : buttons) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(name));
        button->setAutoRaise(true);
        button->setFixedSize(20, 20);
        button->setIconSize(QSize(16, 16));
        button->setDefaultAction(commands_->button(cmd, button));
        header->addWidget(button);
        headerButtons_.push_back(button);
    }
    leftLayout->addWidget(panelExplorer_);

    treeView_ = new TreeInetView;
    treeView_->setTreeModel(treeModel_);
    treeView_->setItemDelegate(delegate_);
    QFont treeFont = font();
    treeFont.setBold(true);
    treeView_->setFont(treeFont);
    // The selected node is drawn in the hot colour, so its background stays light; without the
    // focus the selection is not shown at all.
    QPalette treePalette = treeView_->palette();
    treePalette.setColor(QPalette::Active, QPalette::Highlight, treePalette.color(QPalette::Highlight).lighter(185));
    treePalette.setColor(QPalette::Inactive, QPalette::Highlight, treePalette.color(QPalette::Base));
    treeView_->setPalette(treePalette);
    delegate_->setWindowFont(font());
    treeView_->setContextMenuPolicy(Qt::CustomContextMenu);
    treeView_->canLeaveNode = [this] {
        bool committed = false;
        RunGuarded(*prompts_, [&] { committed = commitEditors(); });
        return committed;
    };
    treeView_->guarded = [this](const std::function<void()>& work) { RunGuarded(*prompts_, work); };
    leftLayout->addWidget(treeView_);

    connect(treeModel_, &TreeItemModel::treeSelectionChanged, this, [this] {
        if (selectionDelay_ <= 0)
            treeChanged();
        else
            selectionTimer_->start(selectionDelay_);
    });
    connect(treeView_, &TreeInetView::nodeExpandedOrCollapsed, this, &TFormMain::onExpandedOrCollapsed);
    connect(treeView_, &TreeInetView::nodeClicked, this, &TFormMain::onNodeClicked);
    connect(treeView_, &TreeInetView::selectedTextDoubleClicked, this, &TFormMain::onDoubleClicked);
    connect(treeView_, &TreeInetView::characterTyped, this, [this](QChar) { commands_->run(Cmd::LaunchLink1); });
    connect(treeView_, &TreeInetView::deletePressed, this, [this] { commands_->run(Cmd::Delete); });
    connect(treeView_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        UpdateTreeMenu();
        menuTree_->popup(treeView_->viewport()->mapToGlobal(at));
    });

    panel3_ = new QWidget;
    panel3_->setObjectName(QStringLiteral("Panel3"));
    panel3_->setMinimumWidth(60);
    auto* rightLayout = new QVBoxLayout(panel3_);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    splitterH_ = new QSplitter(Qt::Vertical);
    splitterH_->setChildrenCollapsible(false);
    rightLayout->addWidget(splitterH_);

    pageEditor_ = new QTabWidget;
    pageEditor_->setObjectName(QStringLiteral("PageControlEditor"));
    pageEditor_->setDocumentMode(true);
    auto* tabList = new QWidget;
    tabList->setObjectName(QStringLiteral("TabListview"));
    new QVBoxLayout(tabList);
    auto* tabProperties = new QWidget;
    tabProperties->setObjectName(QStringLiteral("TabProperties"));
    new QVBoxLayout(tabProperties);
    pageEditor_->addTab(tabList, QString());
    pageEditor_->addTab(tabProperties, QString());

    pageView_ = new QTabWidget;
    pageView_->setObjectName(QStringLiteral("PageControlView"));
    pageView_->setDocumentMode(true);
    memo_ = new QPlainTextEdit;
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont memoFont = memo_->font();
    memoFont.setPixelSize(13);
    memo_->setFont(memoFont);
    auto* tabDescription = new QWidget;
    tabDescription->setObjectName(QStringLiteral("TabDescription"));
    auto* descriptionLayout = new QVBoxLayout(tabDescription);
    descriptionLayout->setContentsMargins(0, 0, 0, 0);
    descriptionLayout->addWidget(memo_);
    image_ = new QLabel;
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setAlignment(Qt::AlignCenter);
    image_->setScaledContents(true);
    auto* tabScreenshot = new QWidget;
    tabScreenshot->setObjectName(QStringLiteral("TabScreenShot"));
    auto* screenshotLayout = new QVBoxLayout(tabScreenshot);
    screenshotLayout->setContentsMargins(0, 0, 0, 0);
    screenshotLayout->addWidget(image_);
    pageView_->addTab(tabDescription, QString());
    pageView_->addTab(tabScreenshot, QString());

    splitterH_->addWidget(pageEditor_);
    splitterH_->addWidget(pageView_);
    splitterH_->setStretchFactor(0, 1);
    splitterH_->setStretchFactor(1, 0);
    splitterH_->setSizes({kDesignHeight - kLowerPagesHeight, kLowerPagesHeight});

    splitterV_ = new QSplitter(Qt::Horizontal);
    splitterV_->setChildrenCollapsible(false);
    splitterV_->addWidget(panel1_);
    splitterV_->addWidget(panel3_);
    splitterV_->setStretchFactor(0, 0);
    splitterV_->setStretchFactor(1, 1);
    splitterV_->setSizes({kTreeWidth, kDesignWidth - kTreeWidth});
    setCentralWidget(splitterV_);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("Panel2"));
    bar->setFixedHeight(22);
    for (int width : {122, 222, 50}) {
        auto* panel = new QLabel;
        panel->setMinimumWidth(width);
        bar->addWidget(panel, width == 50 ? 1 : 0);
        statusPanels_.push_back(panel);
    }
}

void TFormMain::buildToolBars()
{
    const char* names[] = {"ToolBarFile", "ToolBarExploer", "ToolBarOther"};
    for (const char* name : names) {
        auto* bar = new QToolBar(this);
        bar->setObjectName(QLatin1String(name));
        bar->setAllowedAreas(Qt::TopToolBarArea);
        bar->setFloatable(false);
        addToolBar(Qt::TopToolBarArea, bar);
        toolBars_.push_back(bar);
    }
    auto addButton = [this](QToolBar* bar, Cmd cmd) {
        auto* button = new QToolButton(bar);
        button->setDefaultAction(commands_->button(cmd, button));
        bar->addWidget(button);
        return button;
    };
    openButtonMenu_ = new QMenu(this);
    addButton(toolBars_[0], Cmd::New);
    openButton_ = addButton(toolBars_[0], Cmd::Open);
    openButton_->setMenu(openButtonMenu_);
    openButton_->setPopupMode(QToolButton::MenuButtonPopup);
    addButton(toolBars_[0], Cmd::Save);
    addButton(toolBars_[0], Cmd::SaveAs);
    for (Cmd cmd : {Cmd::AddLink, Cmd::AddFolder, Cmd::Properties, Cmd::Delete, Cmd::Find})
        addButton(toolBars_[1], cmd);
    addButton(toolBars_[2], Cmd::Export);
    importButton_ = new QToolButton(toolBars_[2]);
    importButton_->setIcon(images::menuImage(images::menu::Import));
    importButton_->setPopupMode(QToolButton::InstantPopup);
    auto* importMenu = new QMenu(importButton_);
    for (Cmd cmd : {Cmd::ImportIE, Cmd::ImportOpera, Cmd::ImportText, Cmd::ImportTarnlink})
        importMenu->addAction(commands_->alias(cmd, importMenu));
    importButton_->setMenu(importMenu);
    toolBars_[2]->addWidget(importButton_);
    for (Cmd cmd : {Cmd::FavoritesEdit, Cmd::CheckLinks, Cmd::LinkMonitor})
        addButton(toolBars_[2], cmd);
}

QMenu* TFormMain::addSubmenu(QMenu* parent, const char* caption)
{
    QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menus_.emplace_back(menu, caption);
    return menu;
}

void TFormMain::buildMenus()
{
    CommandMap& c = *commands_;
    auto add = [&c](QMenu* menu, std::initializer_list<Cmd> cmds) {
        for (Cmd cmd : cmds)
            menu->addAction(c.action(cmd));
    };

    QMenu* file = addSubmenu(nullptr, "&File");
    add(file, {Cmd::New, Cmd::Open, Cmd::Save, Cmd::SaveAs});
    menuRecent_ = addSubmenu(file, "&Recent files");
    file->addSeparator();
    add(addSubmenu(file, "&Import..."), {Cmd::ImportIE, Cmd::ImportOpera, Cmd::ImportText, Cmd::ImportTarnlink});
    add(file, {Cmd::Export});
    file->addSeparator();
    add(file, {Cmd::Preferences});
    file->addSeparator();
    add(file, {Cmd::Print, Cmd::SetupPrinter});
    file->addSeparator();
    add(file, {Cmd::Exit});

    QMenu* link = addSubmenu(nullptr, "&Link");
    add(link, {Cmd::LaunchLink1, Cmd::LaunchLink2, Cmd::LaunchLink});
    add(addSubmenu(link, "Copy &as..."), {Cmd::CopyAsLink, Cmd::CopyAsNameAndLink, Cmd::CopyAsHtml});
    link->addSeparator();
    add(link, {Cmd::AddFromClipboard, Cmd::AddFromBrowser, Cmd::LinkMonitor});
    link->addSeparator();
    add(link, {Cmd::Properties});
    connect(link, &QMenu::aboutToShow, this, &TFormMain::UpdateLinkMenu);

    QMenu* explorer = addSubmenu(nullptr, "&Explorer");
    add(addSubmenu(explorer, "&Add"), {Cmd::AddLink, Cmd::AddFolder, Cmd::AddSeparator});
    add(explorer, {Cmd::Find, Cmd::FindNext, Cmd::Password});
    explorer->addSeparator();
    add(explorer, {Cmd::Cut, Cmd::Copy, Cmd::Paste, Cmd::Delete});
    explorer->addSeparator();
    add(explorer, {Cmd::CheckLinks, Cmd::Sort});
    explorer->addSeparator();
    add(explorer, {Cmd::Collapse, Cmd::Expand});
    add(addSubmenu(explorer, "&On level"), {Cmd::LevelUp, Cmd::LevelDown});
    connect(explorer, &QMenu::aboutToShow, this, &TFormMain::UpdateExplorerMenu);

    QMenu* favorites = addSubmenu(nullptr, "&Favorites");
    add(favorites, {Cmd::FavoritesEdit, Cmd::FavoritesLaunchLink, Cmd::FavoritesAddSelected});
    addSubmenu(favorites, "L&aunch")->setEnabled(false);

    QMenu* view = addSubmenu(nullptr, "&View");
    QMenu* bars = addSubmenu(view, "&Button bar");
    add(bars, {Cmd::BarFile, Cmd::BarExplorer, Cmd::BarOther});
    bars->addSeparator();
    add(bars, {Cmd::BarLargeIcons});
    QMenu* right = addSubmenu(view, "Panel &right");
    add(right, {Cmd::PanelList, Cmd::PanelProperties, Cmd::PanelDescription, Cmd::PanelScreenshot});
    right->addSeparator();
    add(right, {Cmd::PanelShowIcons});
    add(view, {Cmd::PanelExplorer, Cmd::StatusBar});
    QMenu* listView = addSubmenu(view, "List &view");
    auto* styles = new QActionGroup(listView);
    for (Cmd cmd : {Cmd::ListLargeIcons, Cmd::ListSmallIcons, Cmd::ListList, Cmd::ListTable})
        styles->addAction(c.action(cmd));
    add(listView, {Cmd::ListLargeIcons, Cmd::ListSmallIcons, Cmd::ListList, Cmd::ListTable});
    view->addSeparator();
    add(view, {Cmd::Refresh});
    view->addSeparator();
    menuLanguage_ = addSubmenu(view, "&Language");
    menuLanguage_->setEnabled(false);
    connect(view, &QMenu::aboutToShow, this, &TFormMain::UpdateViewMenu);

    QMenu* help = addSubmenu(nullptr, "&Help");
    add(help, {Cmd::HelpContents, Cmd::TipOfTheDay});
    help->addSeparator();
    add(help, {Cmd::About});
    help->addSeparator();
    add(help, {Cmd::WebSite});
    add(addSubmenu(help, "&Feedback"),
        {Cmd::FeedbackOffers, Cmd::FeedbackBugReport, Cmd::FeedbackInformation, Cmd::FeedbackSubscribe});
    add(help, {Cmd::TellFriend});

    menuTree_ = new QMenu(this);
    menuTree_->setObjectName(QStringLiteral("MenuTree"));
    auto alias = [this, &c](QMenu* menu, std::initializer_list<Cmd> cmds) {
        for (Cmd cmd : cmds)
            menu->addAction(c.alias(cmd, menu));
    };
    QMenu* treeAdd = menuTree_->addMenu(QString());
    menus_.emplace_back(treeAdd, "&Add");
    alias(treeAdd, {Cmd::AddLink, Cmd::AddFolder, Cmd::AddSeparator});
    alias(menuTree_, {Cmd::Properties});
    menuTree_->addSeparator();
    alias(menuTree_, {Cmd::LaunchLink1, Cmd::LaunchLink2});
    menuCopyAsPopup_ = menuTree_->addMenu(QString());
    menus_.emplace_back(menuCopyAsPopup_, "Copy &as...");
    alias(menuCopyAsPopup_, {Cmd::CopyAsLink, Cmd::CopyAsNameAndLink, Cmd::CopyAsHtml});
    alias(menuTree_, {Cmd::AddToFavorites});
    menuTree_->addSeparator();
    alias(menuTree_, {Cmd::Sort, Cmd::CheckLinks, Cmd::Password});
    menuTree_->addSeparator();
    alias(menuTree_, {Cmd::Cut, Cmd::Copy, Cmd::Paste, Cmd::Delete});
}

void TFormMain::buildTrayMenu()
{
    CommandMap& c = *commands_;
    menuTray_ = new QMenu(this);
    menuTray_->setObjectName(QStringLiteral("MenuTray"));
    menuTray_->addAction(c.alias(Cmd::Exit, menuTray_));
    QAction* help = c.alias(Cmd::HelpContents, menuTray_);
    ownCaptions_.emplace_back(help, "&Help");
    menuTray_->addAction(help);
    for (Cmd cmd : {Cmd::About, Cmd::TellFriend, Cmd::Preferences, Cmd::LinkMonitor})
        menuTray_->addAction(c.alias(cmd, menuTray_));
    QMenu* favorites = menuTray_->addMenu(QString());
    menus_.emplace_back(favorites, "&Favorites links");
    favorites->setEnabled(false);
    for (Cmd cmd : {Cmd::LaunchLink, Cmd::AddFromClipboard, Cmd::AddFromBrowser, Cmd::AddUrl, Cmd::ShowHideWindow})
        menuTray_->addAction(c.alias(cmd, menuTray_));
    tray_->setMenu(menuTray_);
}

// ---- texts -----------------------------------------------------------------------------------

QString TFormMain::hintText() const
{
    return tray_->hint();
}

void TFormMain::setTitle(const QString& title)
{
    setWindowTitle(title);
}

QMenu* TFormMain::Menu(const char* caption) const
{
    for (const auto& [menu, english] : menus_)
        if (qstrcmp(english, caption) == 0)
            return menu;
    return nullptr;
}

void TFormMain::SetDerivedTexts()
{
    CommandMap& c = *commands_;
    c.retranslate();
    for (const auto& [menu, english] : menus_)
        menu->setTitle(Translate(english));
    for (const auto& [action, english] : ownCaptions_)
        action->setText(Translate(english));

    tray_->setHint(Translate(kHint));
    setTitle(hintText());
    setWindowIcon(images::applicationIcon());
    labExplorer_->setText(Translate("Explorer"));

    const Cmd barCommands[] = {Cmd::BarFile, Cmd::BarExplorer, Cmd::BarOther};
    for (int i = 0; i < 3; ++i)
        toolBars_[i]->setWindowTitle(StripAmpersands(c.caption(barCommands[i])));

    pageEditor_->setTabText(TabList, Translate("List"));
    pageEditor_->setTabText(TabProperties, StripAmpersands(c.caption(Cmd::PanelProperties)));
    pageView_->setTabText(TabDescription, Translate("Description"));
    pageView_->setTabText(TabScreenshot, StripAmpersands(c.caption(Cmd::PanelScreenshot)));

    // Tool and header button hints come from the menu captions.
    auto hint = [&c](Cmd cmd) { return StripAmpersands(c.caption(cmd)); };
    const QString add = StripAmpersands(Translate("&Add")) + QLatin1Char(' ');
    const QString onLevel = StripAmpersands(Translate("&On level")) + QLatin1Char(' ');
    QHash<int, QString> hints;
    for (Cmd cmd : {Cmd::New, Cmd::Open, Cmd::Save, Cmd::SaveAs, Cmd::Delete, Cmd::Properties, Cmd::Find, Cmd::Export,
                    Cmd::CheckLinks, Cmd::LinkMonitor, Cmd::Password, Cmd::FindNext, Cmd::Expand, Cmd::Collapse})
        hints.insert(int(cmd), hint(cmd));
    hints.insert(int(Cmd::FavoritesEdit), StripAmpersands(Translate("&Favorites")));
    hints.insert(int(Cmd::AddLink), add + hint(Cmd::AddLink).toLower());
    hints.insert(int(Cmd::AddFolder), add + hint(Cmd::AddFolder).toLower());
    hints.insert(int(Cmd::LevelUp), onLevel + hint(Cmd::LevelUp).toLower());
    hints.insert(int(Cmd::LevelDown), onLevel + hint(Cmd::LevelDown).toLower());
    hints.insert(int(Cmd::LaunchSelected), CaptionFromMenu(c.caption(Cmd::LaunchLink)));
    QList<QToolButton*> buttons(headerButtons_.begin(), headerButtons_.end());
    for (QToolBar* bar : toolBars_)
        buttons += bar->findChildren<QToolButton*>();
    for (QToolButton* button : buttons)
        if (QAction* action = button->defaultAction(); action && hints.contains(CommandMap::idOf(action)))
            action->setToolTip(hints.value(CommandMap::idOf(action)));
    importButton_->setToolTip(StripAmpersands(Translate("&Import...")));
}

// ---- settings and view -----------------------------------------------------------------------

void TFormMain::ApplySettings()
{
    Restorer restorer(*this);
    const OptionsSection& o = stored_.options;
    restorer.setXpStyle(o.xpStyle);
    restorer.setAutoSaveInterval(o.autoSaveIntervalMs());
    restorer.setHotColor(o.hotColor);
    restorer.setTreeOptions(o.chkHideSel, o.chkShowButs, o.chkShowRoots, o.chkShowHint);
}

void TFormMain::saveSettings()
{
    stored_.main.mainWStateNormal = !isMaximized();
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    stored_.form.normPos = PlacementRect{normal.left(), normal.top(), normal.left() + normal.width(),
                                         normal.top() + normal.height()};
    FormStorage& form = stored_.form;
    form.setText(QStringLiteral("TreeInet.Font"), treeView_->font().toString());
    form.setText(QStringLiteral("Memo1.Font"), memo_->font().toString());
    form.setInteger(QStringLiteral("TreeInet.Color"), ToWindowsColor(treeView_->palette().color(QPalette::Base)));
    form.setInteger(QStringLiteral("Memo1.Color"), ToWindowsColor(memo_->palette().color(QPalette::Base)));
    form.setInteger(QStringLiteral("TreeInet.InactiveFocusColor"), ToWindowsColor(delegate_->barColor()));
    form.setInteger(QStringLiteral("TreeInet.Indent"), treeView_->indentation());
    // A window never laid out has no widths yet; the stored ones stay then.
    if (const int treeWidth = panel1_->isHidden() ? panel1Tag_ : splitterV_->sizes().value(0); treeWidth > 0)
        form.setInteger(QStringLiteral("Panel1.Width"), treeWidth);
    form.setInteger(QStringLiteral("Panel1.Tag"), panel1Tag_);
    for (int i = 0; i < 3; ++i)
        form.setBoolean(QLatin1String(kToolBarVisible[i]), !toolBars_[i]->isHidden());
    form.setBoolean(QStringLiteral("Panel2.Visible"), !statusBar()->isHidden());
    form.setBoolean(QStringLiteral("PanelExplorer.Visible"), !panelExplorer_->isHidden());
    form.setBoolean(QStringLiteral("Tray.IconVisible"), tray_->wanted());
    form.setInteger(QStringLiteral("PageControlEditor.ActivePage"), pageEditor_->currentIndex());
    form.setBoolean(QStringLiteral("PageControlEditor.Visible"), !pageEditor_->isHidden());
    form.setInteger(QStringLiteral("PageControlView.ActivePage"), pageView_->currentIndex());
    form.setBoolean(QStringLiteral("PageControlView.Visible"), !pageView_->isHidden());
    if (const int lower = pageView_->isHidden() || pageEditor_->isHidden() ? lowerHeight_ : splitterH_->sizes().value(1);
        lower > 0)
        form.setInteger(QStringLiteral("PageControlView.Height"), lower);
    for (const StoredTab& t : kStoredTabs)
        form.setBoolean(QLatin1String(t.name), (t.editorPages ? pageEditor_ : pageView_)->isTabVisible(t.tab));

    stored_.main.largeIconsBar = largeIcons_;
    stored_.main.showTabIcons = tabIconsShown_;
    stored_.options.hotColor = ToWindowsColor(delegate_->hotColor());
    stored_.options.clipBoard = commands_->isChecked(Cmd::LinkMonitor);
    stored_.recentFiles = recent_.entries();
    hooks_.storeSettings(stored_);
    settingsFile_.save(stored_);
}

// ---- language and tips -------------------------------------------------------------------------

void TFormMain::buildLanguageMenu()
{
    languages_ = std::make_unique<LanguageMenu>(languageFolder(), stored_.main.language);
    FillLanguageMenu(menuLanguage_, *languages_, [this](const QString& name) {
        RunGuarded(*prompts_, [&] { languages_->choose(name, stored_.main.language, LanguageLoader, *languageWindows_); });
    });
    if (languages_->loadAtStart(stored_.main.language, LanguageLoader))
        TranslateForm(this, LanguageLoader);
    SetDerivedTexts();
    languageWindows_ = std::make_unique<LanguageSwitchWindows>(QList<QPointer<QWidget>>{this}, [this] { SetDerivedTexts(); });
}

TFormTips* TFormMain::MTips1Click()
{
    const QString& language = stored_.main.language;
    return TFormTips::open(stored_.tips, LanguageLoader,
                           languages_->hasFile(language) ? languages_->filePath(language) : QString(),
                           commands_->caption(Cmd::TipOfTheDay), this);
}

void TFormMain::setLargeIcons(bool large)
{
    largeIcons_ = large;
    const int image = large ? 24 : 16;
    const int button = large ? 32 : 22;
    for (QToolBar* bar : toolBars_) {
        bar->setIconSize(QSize(image, image));
        for (QToolButton* b : bar->findChildren<QToolButton*>())
            b->setFixedSize(b->menu() && b->popupMode() == QToolButton::MenuButtonPopup ? button + 12 : button, button);
        bar->adjustSize();
    }
    commands_->setChecked(Cmd::BarLargeIcons, large);
}

void TFormMain::setTabIconsShown(bool shown)
{
    tabIconsShown_ = shown;
    namespace img = images::menu;
    auto icon = [shown](int index) { return shown ? images::menuImage(index) : QIcon(); };
    pageEditor_->setTabIcon(TabList, icon(img::TabList));
    pageEditor_->setTabIcon(TabProperties, icon(img::Properties));
    pageView_->setTabIcon(TabDescription, icon(img::TabDescription));
    pageView_->setTabIcon(TabScreenshot, icon(img::TabScreenshot));
    commands_->setChecked(Cmd::PanelShowIcons, shown);
}

void TFormMain::setTabShown(QTabWidget* pages, int tab, bool shown)
{
    // The lower pages' height is taken while both page controls still show.
    if (!pageEditor_->isHidden() && !pageView_->isHidden())
        lowerHeight_ = pageView_->height() > 0 && pageView_->isVisible() ? pageView_->height() : lowerHeight_;
    if (!panel3_->isHidden())
        panel1Tag_ = panel1_->isVisible() ? panel1_->width() : panel1Tag_;
    pages->setTabVisible(tab, shown);
    updatePageControls();
}

void TFormMain::updatePageControls()
{
    const bool upper = anyTabShown(pageEditor_);
    const bool lower = anyTabShown(pageView_);
    const bool upperReturns = upper && pageEditor_->isHidden();
    const bool rightReturns = (upper || lower) && panel3_->isHidden();
    pageEditor_->setVisible(upper);
    pageView_->setVisible(lower);
    panel3_->setVisible(upper || lower);
    panel1_->setProperty("tag", panel1Tag_);
    if (rightReturns) {
        const QList<int> sizes = splitterV_->sizes();
        const int total = std::max(sizes.value(0) + sizes.value(1), width());
        splitterV_->setSizes({panel1Tag_, std::max(60, total - panel1Tag_)});
    }
    if (upperReturns && lower) {
        const int total = std::max(splitterH_->height(), lowerHeight_ + 60);
        splitterH_->setSizes({total - lowerHeight_, lowerHeight_});
    }
}

void TFormMain::UpdateViewMenu()
{
    CommandMap& c = *commands_;
    c.setChecked(Cmd::BarFile, !toolBars_[0]->isHidden());
    c.setChecked(Cmd::BarExplorer, !toolBars_[1]->isHidden());
    c.setChecked(Cmd::BarOther, !toolBars_[2]->isHidden());
    c.setChecked(Cmd::BarLargeIcons, largeIcons_);
    c.setChecked(Cmd::PanelList, pageEditor_->isTabVisible(TabList));
    c.setChecked(Cmd::PanelProperties, pageEditor_->isTabVisible(TabProperties));
    c.setChecked(Cmd::PanelDescription, pageView_->isTabVisible(TabDescription));
    c.setChecked(Cmd::PanelScreenshot, pageView_->isTabVisible(TabScreenshot));
    c.setChecked(Cmd::PanelShowIcons, tabIconsShown_);
    c.setChecked(Cmd::PanelExplorer, !panelExplorer_->isHidden());
    c.setChecked(Cmd::StatusBar, !statusBar()->isHidden());
}

// ---- menu states -------------------------------------------------------------------------------

void TFormMain::UpdateLinkMenu()
{
    commands_->setEnabled(Cmd::AddFromClipboard, !hooks_.clipboardText().isEmpty());
}

void TFormMain::UpdateExplorerMenu()
{
    CommandMap& c = *commands_;
    const TfcTreeNode* selected = tree_.Selected();
    c.setEnabled(Cmd::Password, selected && selected->IsFolder());
    for (Cmd cmd : {Cmd::Cut, Cmd::Copy, Cmd::Delete})
        c.setEnabled(cmd, selected != nullptr);
    c.setEnabled(Cmd::Paste, hooks_.clipboardTreeHasNodes());
}

void TFormMain::UpdateTreeMenu()
{
    CommandMap& c = *commands_;
    const TfcTreeNode* selected = tree_.Selected();
    const bool linkLike = selected && !selected->IsFolder();
    c.setEnabled(Cmd::LaunchLink1, linkLike && !selected->Link1.empty());
    c.setEnabled(Cmd::LaunchLink2, linkLike && !selected->Link2.empty());
    const bool copyAs = linkLike && (!selected->Link1.empty() || !selected->Link2.empty());
    menuCopyAsPopup_->setEnabled(copyAs);
    c.setEnabled(Cmd::AddToFavorites, linkLike);
    UpdateExplorerMenu();
}

// ---- tree events -------------------------------------------------------------------------------

bool TFormMain::commitEditors()
{
    return hooks_.commitEditors();
}

bool TFormMain::unsavedChanges()
{
    // Text still being typed in the properties editor marks the document only when the editor
    // loses the focus; Save and the "Save file?" question must not lose it.
    commitEditors();
    return document_.modified;
}

void TFormMain::treeChanged()
{
    // Showing a node may fail (a visit time that cannot be read); the error is shown, nothing
    // more happens.
    RunGuarded(*prompts_, [this] {
        TfcTreeNode* selected = tree_.Selected();
        UpdateExplorerMenu();
        hooks_.showNode(selected);
        hooks_.showListPage(selected);
    });
}

void TFormMain::onExpandedOrCollapsed(TfcTreeNode* node)
{
    RunGuarded(*prompts_, [this, node] {
        hooks_.showNode(tree_.Selected());
        hooks_.showListPage(node);
    });
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

void TFormMain::onDoubleClicked(TfcTreeNode* node)
{
    if (node->IsLink())
        commands_->run(Cmd::LaunchSelected);
}

// ---- document ----------------------------------------------------------------------------------

void TFormMain::ShowTotals()
{
    statusPanels_[0]->setText(Translate("Total folders:") + QLatin1Char(' ') + QString::number(document_.counts.FolderCount));
    statusPanels_[1]->setText(Translate("Total links:") + QLatin1Char(' ') + QString::number(document_.counts.LinkCount));
}

void TFormMain::clearDocument()
{
    tree_.Clear();
    document_.counts = {};
    ShowTotals();
    hooks_.clearDocumentViews();
    memo_->clear();
    image_->clear();
}

bool TFormMain::AskSave()
{
    switch (prompts_->ask(Translate("Save file?"), AskButtons::YesNoCancel)) {
    case Answer::Cancel:
        return false;
    case Answer::Yes:
        MSaveClick();
        return true;
    default:
        return true;
    }
}

void TFormMain::MNewClick()
{
    if (unsavedChanges() && !AskSave())
        return;
    clearDocument();
    document_.path.clear();
    document_.modified = false;
    setTitle(hintText());
}

void TFormMain::MOpenClick()
{
    if (unsavedChanges()) {
        const Answer answer = prompts_->ask(Translate("Save file?"), AskButtons::YesNoCancel);
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes)
            MSaveClick();
        else
            document_.modified = false;
    }
    FileDialogOptions request{Translate("Open Tarnlink file"), collectionFilter(),
                        stored_.form.text(QStringLiteral("OpenDialog1.InitialDir")).value_or(QString()),
                        QStringLiteral("tlk")};
    const QString path = prompts_->openFileName(request);
    if (!path.isEmpty())
        OpenDocument(path);
}

void TFormMain::MRUManagerClick(const QString& path)
{
    RunGuarded(*prompts_, [&] { OpenDocument(path); });
}

void TFormMain::OpenDocument(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        prompts_->error(Translate("File not found!") + QLatin1Char(' ') + path);
        recent_.remove(path);
        updateRecentMenus();
        return;
    }
    if (unsavedChanges() && !AskSave())
        return;

    std::exception_ptr failure;
    {
        // Clearing and reading are one update of the view, ended on failure too.
        UpdateGuard update(tree_);
        clearDocument();
        try {
            const CollectionHeader header = ReadCollection(path, tree_);
            document_.counts = {header.folderCount, header.linkCount};
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (!failure) {
        recent_.add(path);
        updateRecentMenus();
    }
    document_.path = path;
    stored_.form.setText(QStringLiteral("OpenDialog1.InitialDir"), folderOf(path));
    setTitle(path + QStringLiteral(" - ") + hintText());
    if (tree_.Count() >= 2) {
        TfcTreeNode* first = tree_.GetFirstNode();
        tree_.Select(first);
        first->Focused = true;
    }
    // The header's counts are only trusted when they agree with the tree.
    const TreeCounts counted = CountNodes(tree_);
    if (!(counted == document_.counts))
        document_.counts = counted;
    ShowTotals();
    if (failure)
        std::rethrow_exception(failure);
    document_.modified = false;
}

void TFormMain::MSaveClick()
{
    if (!unsavedChanges())
        return;
    treeView_->viewport()->update();
    if (!document_.untitled())
        SaveDocument(document_.path);
    else
        MSaveAsClick();
}

void TFormMain::MSaveAsClick()
{
    commitEditors();
    FileDialogOptions request{Translate("Save Tarnlink file"), collectionFilter(),
                        stored_.form.text(QStringLiteral("SaveDialog1.InitialDir")).value_or(QString()),
                        QStringLiteral("tlk")};
    const QString path = prompts_->saveFileName(request);
    if (!path.isEmpty())
        SaveDocument(path);
}

void TFormMain::SaveDocument(const QString& path)
{
    std::exception_ptr failure;
    try {
        WriteCollection(path, tree_, document_.counts);
    } catch (...) {
        failure = std::current_exception();
    }
    document_.path = path;
    setTitle(path + QStringLiteral(" - Tarnlink"));
    stored_.form.setText(QStringLiteral("SaveDialog1.InitialDir"), folderOf(path));
    recent_.add(path);
    updateRecentMenus();
    if (failure)
        std::rethrow_exception(failure);
    document_.modified = false;
}

void TFormMain::autoSaveTick()
{
    // The timer goes on firing while a Save As dialog of an earlier firing is open; each firing
    // would stack another dialog on it.
    if (autoSaving_)
        return;
    autoSaving_ = true;
    const auto done = qScopeGuard([this] { autoSaving_ = false; });
    MSaveClick();
}

void TFormMain::updateRecentMenus()
{
    fillRecentMenu(menuRecent_);
    fillRecentMenu(openButtonMenu_);
    menuRecent_->setEnabled(!recent_.isEmpty());
}

void TFormMain::fillRecentMenu(QMenu* menu)
{
    menu->clear();
    const QStringList& entries = recent_.entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries[i];
        QString text = path;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
        action->setProperty(kUntranslatedProperty, true); // a path, not an interface text
        connect(action, &QAction::triggered, this, [this, path] { MRUManagerClick(path); });
    }
}

// ---- start, close, tray ------------------------------------------------------------------------

void TFormMain::StartUp(const QStringList& arguments)
{
    document_.counts = {};
    document_.modified = false;
    RunGuarded(*prompts_, [&] {
        if (stored_.options.openFile && !recent_.isEmpty()) {
            const QString newest = recent_.entries().constFirst();
            if (QFileInfo(newest).isFile()) {
                OpenDocument(newest);
            } else {
                recent_.remove(newest);
                updateRecentMenus();
            }
        }
    });
    RunGuarded(*prompts_, [&] {
        const QString named = arguments.value(0);
        if (!named.isEmpty() && QFileInfo(named).isFile())
            OpenDocument(named);
    });
    if (stored_.tips.chkShowTip)
        RunGuarded(*prompts_, [this] { MTips1Click(); });
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

void TFormMain::closeEvent(QCloseEvent* event)
{
    event->ignore();
    const bool allowed = exitRequested_ || !tray_->shown();
    exitRequested_ = false; // a refused or cancelled exit leaves the program as it was
    if (hooks_.linkCheckRunning())
        return;
    if (!allowed) {
        hide();
        return;
    }
    bool close = false;
    RunGuarded(*prompts_, [&] {
        if (unsavedChanges() && !AskSave())
            return;
        // A tip window still open hands over "Show at startup" and its tip number as its own
        // close does, before the file is written.
        for (TFormTips* tips : findChildren<TFormTips*>(Qt::FindDirectChildrenOnly))
            tips->close();
        saveSettings(); // a file that cannot be written keeps the program running
        hooks_.closing();
        close = true;
    });
    if (!close)
        return;
    event->accept();
    emit programEnds();
}

void TFormMain::ShowHideWindow()
{
    if (isVisible()) {
        hide();
        return;
    }
    showNormal();
    raise();
    activateWindow();
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
