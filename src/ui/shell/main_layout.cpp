#include "ui/shell/main_layout.h"

#include "ui/kit/command_map.h"
#include "ui/kit/icons.h"
#include "ui/tree/tree_delegate.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnlink {

namespace {

// The header strip's buttons, left to right, in the order of HeaderButton.
constexpr std::pair<const char*, Cmd> kHeaderButtons[] = {
    {"BtnSecur", Cmd::Password}, {"BtnOpenUrl", Cmd::LaunchSelected}, {"BtnFindNext", Cmd::FindNext},
    {"ButUp", Cmd::LevelUp},     {"ButDown", Cmd::LevelDown},         {"BtnCollapse", Cmd::Collapse},
    {"BtnExpand", Cmd::Expand},
};

// A tool bar button: a command, the Open button with the recent files on its arrow, or the
// Import button that only drops down its menu.
struct ToolItem {
    Cmd cmd;
    bool recentFiles = false;
    std::vector<Cmd> dropDown = {};
};

struct ToolBarEntry {
    const char* name;
    std::vector<ToolItem> items;
};

const std::vector<ToolBarEntry>& toolBarTable()
{
    static const std::vector<ToolBarEntry> table = {
        {"ToolBarFile", {{Cmd::New}, {Cmd::Open, true}, {Cmd::Save}, {Cmd::SaveAs}}},
        {"ToolBarExploer",
         {{Cmd::AddLink}, {Cmd::AddFolder}, {Cmd::Properties}, {Cmd::Delete}, {Cmd::Find}}},
        {"ToolBarOther",
         {{Cmd::Export},
          {Cmd::ImportIE, false, {Cmd::ImportIE, Cmd::ImportOpera, Cmd::ImportText, Cmd::ImportTarnlink,
                                  Cmd::ImportBrowsers, Cmd::ImportNetscape, Cmd::ImportFirefox, Cmd::ImportChromium,
                                  Cmd::ImportXbel}},
          {Cmd::FavoritesEdit},
          {Cmd::CheckLinks},
          {Cmd::LinkMonitor}}},
    };
    return table;
}

QWidget* buildHeaderStrip(MainParts& parts, CommandMap& commands)
{
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("PanelExplorer"));
    strip->setFixedHeight(20);
    auto* header = new QHBoxLayout(strip);
    header->setContentsMargins(4, 0, 0, 0);
    header->setSpacing(0);
    parts.labExplorer = new QLabel;
    header->addWidget(parts.labExplorer);
    header->addStretch();
    for (const auto& [name, cmd] : kHeaderButtons) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(name));
        button->setAutoRaise(true);
        button->setFixedSize(20, 20);
        button->setIconSize(QSize(16, 16));
        button->setDefaultAction(commands.button(cmd, button, ButtonState::FollowsRule));
        header->addWidget(button);
        parts.headerButtons.push_back(button);
    }
    return strip;
}

void buildTree(QMainWindow& window, MainParts& parts, TfcTreeNodes& tree)
{
    parts.treeModel = new TreeItemModel(tree, &window);
    parts.delegate = new TreeDelegate(&window);
    auto* view = new TreeInetView;
    parts.treeView = view;
    view->setTreeModel(parts.treeModel);
    view->setItemDelegate(parts.delegate);
    QFont treeFont = window.font();
    treeFont.setBold(true);
    view->setFont(treeFont);
    // The selected node is drawn in the hot colour, so its background stays light; without the
    // focus the selection is not shown at all.
    QPalette palette = view->palette();
    palette.setColor(QPalette::Active, QPalette::Highlight, palette.color(QPalette::Highlight).lighter(185));
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
    view->setPalette(palette);
    parts.delegate->setWindowFont(window.font());
    view->setContextMenuPolicy(Qt::CustomContextMenu);
}

QWidget* page(const char* name, QWidget* content = nullptr)
{
    auto* tab = new QWidget;
    tab->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(tab);
    if (content) {
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
    }
    return tab;
}

QWidget* buildRightSide(MainParts& parts)
{
    parts.panel3 = new QWidget;
    parts.panel3->setObjectName(QStringLiteral("Panel3"));
    parts.panel3->setMinimumWidth(60);
    auto* layout = new QVBoxLayout(parts.panel3);
    layout->setContentsMargins(0, 0, 0, 0);
    parts.splitterH = new QSplitter(Qt::Vertical);
    parts.splitterH->setChildrenCollapsible(false);
    layout->addWidget(parts.splitterH);

    parts.pageEditor = new QTabWidget;
    parts.pageEditor->setObjectName(QStringLiteral("PageControlEditor"));
    parts.pageEditor->setDocumentMode(true);
    parts.pageEditor->addTab(page("TabListview"), QString());
    parts.pageEditor->addTab(page("TabProperties"), QString());

    parts.pageView = new QTabWidget;
    parts.pageView->setObjectName(QStringLiteral("PageControlView"));
    parts.pageView->setDocumentMode(true);
    parts.memo = new QPlainTextEdit;
    parts.memo->setObjectName(QStringLiteral("Memo1"));
    parts.memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont memoFont = parts.memo->font();
    memoFont.setPixelSize(13);
    parts.memo->setFont(memoFont);
    parts.image = new QLabel;
    parts.image->setObjectName(QStringLiteral("Image1"));
    parts.image->setAlignment(Qt::AlignCenter);
    parts.image->setScaledContents(true);
    parts.pageView->addTab(page("TabDescription", parts.memo), QString());
    parts.pageView->addTab(page("TabScreenShot", parts.image), QString());

    parts.splitterH->addWidget(parts.pageEditor);
    parts.splitterH->addWidget(parts.pageView);
    parts.splitterH->setStretchFactor(0, 1);
    parts.splitterH->setStretchFactor(1, 0);
    parts.splitterH->setSizes({kDesignHeight - kLowerPagesHeight, kLowerPagesHeight});
    return parts.panel3;
}

void buildStatusBar(QMainWindow& window, MainParts& parts)
{
    QStatusBar* bar = window.statusBar();
    bar->setObjectName(QStringLiteral("Panel2"));
    bar->setFixedHeight(22);
    for (int width : {122, 222, 50}) {
        auto* panel = new QLabel;
        panel->setMinimumWidth(width);
        bar->addWidget(panel, width == 50 ? 1 : 0);
        parts.statusPanels.push_back(panel);
    }
}

void buildToolBars(QMainWindow& window, MainParts& parts, CommandMap& commands)
{
    parts.openButtonMenu = new QMenu(&window);
    for (const ToolBarEntry& entry : toolBarTable()) {
        auto* bar = new QToolBar(&window);
        bar->setObjectName(QLatin1String(entry.name));
        bar->setAllowedAreas(Qt::TopToolBarArea);
        bar->setFloatable(false);
        window.addToolBar(Qt::TopToolBarArea, bar);
        parts.toolBars.push_back(bar);
        for (const ToolItem& item : entry.items) {
            auto* button = new QToolButton(bar);
            if (item.dropDown.empty()) {
                button->setDefaultAction(commands.button(item.cmd, button));
            } else {
                button->setIcon(images::menuImage(images::menu::Import));
                button->setPopupMode(QToolButton::InstantPopup);
                auto* menu = new QMenu(button);
                for (Cmd cmd : item.dropDown)
                    menu->addAction(commands.alias(cmd, menu));
                button->setMenu(menu);
                parts.importButton = button;
            }
            if (item.recentFiles) {
                button->setMenu(parts.openButtonMenu);
                button->setPopupMode(QToolButton::MenuButtonPopup);
            }
            bar->addWidget(button);
        }
    }
}

} // namespace

MainParts BuildMainLayout(QMainWindow& window, TfcTreeNodes& tree, CommandMap& commands)
{
    MainParts parts;
    parts.panel1 = new QWidget;
    parts.panel1->setObjectName(QStringLiteral("Panel1"));
    parts.panel1->setMinimumWidth(233);
    auto* left = new QVBoxLayout(parts.panel1);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    parts.panelExplorer = buildHeaderStrip(parts, commands);
    left->addWidget(parts.panelExplorer);
    buildTree(window, parts, tree);
    left->addWidget(parts.treeView);

    parts.splitterV = new QSplitter(Qt::Horizontal);
    parts.splitterV->setChildrenCollapsible(false);
    parts.splitterV->addWidget(parts.panel1);
    parts.splitterV->addWidget(buildRightSide(parts));
    parts.splitterV->setStretchFactor(0, 0);
    parts.splitterV->setStretchFactor(1, 1);
    parts.splitterV->setSizes({kTreeWidth, kDesignWidth - kTreeWidth});
    window.setCentralWidget(parts.splitterV);

    buildStatusBar(window, parts);
    buildToolBars(window, parts, commands);
    return parts;
}

} // namespace tarnlink
