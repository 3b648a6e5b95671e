#include "ui/listview/list_view_feature.h"

#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/editing/add_operations.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/link_drop.h"
#include "ui/kit/translate.h"
#include "ui/kit/windows_color.h"
#include "ui/launch/copy_as.h"
#include "ui/launch/link_launching.h"
#include "ui/listview/folder_list_model.h"
#include "ui/listview/folder_list_view.h"
#include "ui/shell/workbench.h"

#include <QActionGroup>
#include <QLayout>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <array>

namespace tarnlink {

namespace {

constexpr char kViewStyle[] = "ListView.ViewStyle";
constexpr char kFont[] = "ListView.Font";
constexpr char kColor[] = "ListView.Color";

// The shipped widths of 50 pixels cut every caption; until the user has set widths of their own
// the columns open wide enough to be read.
constexpr std::array<int, 6> kReadableWidths{160, 200, 120, 160, 100, 100};

constexpr std::pair<Cmd, ListViewStyle> kStyleCommands[] = {
    {Cmd::ListLargeIcons, ListViewStyle::LargeIcons},
    {Cmd::ListSmallIcons, ListViewStyle::SmallIcons},
    {Cmd::ListList, ListViewStyle::List},
    {Cmd::ListTable, ListViewStyle::Table},
};

} // namespace

ListViewFeature::ListViewFeature(Workbench& bench, LinkLaunching& launching, AddCommands& adds)
    : bench_(bench), launching_(launching), adds_(adds)
{
    QWidget& page = bench.editorPage(EditorPage::List);
    model_ = new FolderListModel(bench.treeModel(), &page);
    view_ = new FolderListView(*model_);
    page.layout()->setContentsMargins(0, 0, 0, 0);
    page.layout()->addWidget(view_);

    const Settings& settings = bench.settings();
    const bool shippedWidths = settings.main.lvColumnWidth == MainSection{}.lvColumnWidth;
    view_->setColumnWidths(shippedWidths ? kReadableWidths : settings.main.lvColumnWidth);
    const int style = settings.form.integer(QLatin1String(kViewStyle), int(ListViewStyle::Table));
    view_->setViewStyle(style >= 0 && style <= int(ListViewStyle::Table) ? ListViewStyle(style) : ListViewStyle::Table);
    applyLook(settings);

    for (const auto& [cmd, listStyle] : kStyleCommands)
        bench.commands().setHandler(cmd, [this, s = listStyle] { setViewStyle(s); });
    buildMenu();

    QObject::connect(view_, &FolderListView::itemDoubleClicked, view_, [this](TfcTreeNode* item) { ListViewDblClick(item); });
    QObject::connect(view_, &FolderListView::headerRightClicked, view_, [this](int column) { ListViewColumnRightClick(column); });
    QObject::connect(view_, &FolderListView::menuRequested, menu_, [this](const QPoint& at) { menu_->popup(at); });
    // The add dialog is modal: it opens once the drop is over, so the dragging program is free.
    QObject::connect(view_, &FolderListView::linkDropped, view_, [this](const DroppedLink& link) {
        QTimer::singleShot(0, view_, [this, link] {
            RunGuarded(bench_.prompts(), [&] { adds_.AddUrl(link.title, link.address); });
        });
    });
}

void ListViewFeature::buildMenu()
{
    menu_ = new QMenu(view_);
    menu_->setObjectName(QStringLiteral("MenuList"));
    const auto onItem = [this](QMenu* menu, auto act) {
        QAction* action = menu->addAction(QString());
        QObject::connect(action, &QAction::triggered, view_, [this, act] {
            if (TfcTreeNode* item = view_->selectedNode())
                act(item);
        });
        return action;
    };
    launch1_ = onItem(menu_, [this](TfcTreeNode* item) { MOpenLLink1Click(item, 1); });
    launch2_ = onItem(menu_, [this](TfcTreeNode* item) { MOpenLLink1Click(item, 2); });
    goToFolder_ = onItem(menu_, [this](TfcTreeNode* item) { GoToFolder(item); });
    copyMenu_ = menu_->addMenu(QString());
    copyLink_ = onItem(copyMenu_, [this](TfcTreeNode* item) { N34Click(item, CopyForm::OnlyLink); });
    copyNameAndLink_ = onItem(copyMenu_, [this](TfcTreeNode* item) { N34Click(item, CopyForm::NameAndLink); });
    copyHtml_ = onItem(copyMenu_, [this](TfcTreeNode* item) { N34Click(item, CopyForm::HtmlTag); });
    menu_->addSeparator();
    stylesMenu_ = menu_->addMenu(QString());
    auto* group = new QActionGroup(stylesMenu_);
    for (const auto& [cmd, style] : kStyleCommands) {
        QAction* action = bench_.commands().alias(cmd, stylesMenu_);
        stylesMenu_->addAction(action);
        group->addAction(action);
    }
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { MenuListPopup(); });
    retranslate();
}

void ListViewFeature::MenuListPopup()
{
    const TfcTreeNode* item = view_->selectedNode();
    launch1_->setEnabled(item && !item->Link1.empty());
    launch2_->setEnabled(item && !item->Link2.empty());
    goToFolder_->setEnabled(item && item->IsFolder());
    copyMenu_->setEnabled(launch1_->isEnabled() || launch2_->isEnabled());
    updateStates({});
}

void ListViewFeature::retranslate()
{
    launch1_->setText(Translate("Launch link &1"));
    launch2_->setText(Translate("Launch link &2"));
    goToFolder_->setText(Translate("Go to &folder"));
    copyMenu_->setTitle(Translate("Copy &as..."));
    copyLink_->setText(Translate("Text (only &link)"));
    copyNameAndLink_->setText(Translate("Text (&name and link)"));
    copyHtml_->setText(Translate("Html &tag link"));
    stylesMenu_->setTitle(Translate("List &view"));
    model_->retranslate();
}

// ---- filling and the pages ---------------------------------------------------------------------

void ListViewFeature::FillListView(TfcTreeNode* node)
{
    model_->FillListView(node);
}

void ListViewFeature::nodeShown(const ShownNode& shown)
{
    TfcTreeNode* node = shown.listed;
    if (!bench_.settings().options.chkListViewAuto) {
        FillListView(node); // a locked folder leaves the list as it is
        return;
    }
    if (!node || !node->Selected() || node->IsSeparator())
        return;
    const bool opens = node->IsFolder() && (node->FolderPassword.empty() ? node->HasChildren() : node->Expanded());
    if (opens)
        FillListView(node);
    showPage(opens ? EditorPage::List : EditorPage::Properties);
}

void ListViewFeature::showPage(EditorPage page)
{
    QTabWidget& pages = bench_.editorPages();
    const int tab = pages.indexOf(&bench_.editorPage(page));
    if (tab >= 0 && pages.isTabVisible(tab))
        pages.setCurrentIndex(tab);
}

// ---- the items' commands -----------------------------------------------------------------------

void ListViewFeature::ListViewDblClick(TfcTreeNode* item)
{
    if (!item)
        return;
    if (item->IsFolder())
        GoToFolder(item);
    else
        launching_.LaunchAddress(FolderListModel::text(*item, FolderListModel::ColLink1),
                                 FolderListModel::text(*item, FolderListModel::ColLink2));
}

void ListViewFeature::MOpenLLink1Click(TfcTreeNode* item, int which)
{
    launching_.LaunchAddress(
        FolderListModel::text(*item, which == 2 ? FolderListModel::ColLink2 : FolderListModel::ColLink1));
}

void ListViewFeature::GoToFolder(TfcTreeNode* item)
{
    if (!item || !item->IsFolder())
        return;
    const NodeHandle folder = item->Handle();
    RunGuarded(bench_.prompts(), [&] {
        // A locked folder asks for its password; refused, it is still selected.
        if (bench_.settings().options.chkListViewOpenGroup && !item->Expanded())
            bench_.tree().Expand(item, false);
    });
    bench_.selectNode(folder.get());
}

void ListViewFeature::N34Click(TfcTreeNode* item, CopyForm form)
{
    CopyAsToClipboard(form, FolderListModel::text(*item, FolderListModel::ColName),
                      FolderListModel::text(*item, FolderListModel::ColLink1));
}

void ListViewFeature::ListViewColumnRightClick(int column)
{
    if (column < 0)
        return;
    sortColumn_ = column;
    model_->sortByColumn(column);
}

void ListViewFeature::setViewStyle(ListViewStyle style)
{
    view_->setViewStyle(style);
    updateStates({});
}

void ListViewFeature::updateStates(const SelectionFacts&)
{
    for (const auto& [cmd, style] : kStyleCommands)
        bench_.commands().setChecked(cmd, view_->viewStyle() == style);
}

// ---- settings ----------------------------------------------------------------------------------

void ListViewFeature::applyLook(const Settings& settings)
{
    view_->setGrid(settings.options.chkListViewGrid);
    QFont font;
    if (const auto stored = settings.form.text(QLatin1String(kFont)); stored && font.fromString(*stored))
        view_->setListFont(font);
    const QColor base = view_->table()->palette().color(QPalette::Base);
    view_->setBackground(FromWindowsColor(uint32_t(settings.form.integer(QLatin1String(kColor), ToWindowsColor(base)))));
}

void ListViewFeature::settingsChanged(const Settings& settings)
{
    applyLook(settings);
}

void ListViewFeature::storeSettings(Settings& settings)
{
    settings.main.lvColumnWidth = view_->columnWidths();
    settings.form.setInteger(QLatin1String(kViewStyle), int(view_->viewStyle()));
    settings.form.setText(QLatin1String(kFont), view_->table()->font().toString());
    settings.form.setInteger(QLatin1String(kColor), ToWindowsColor(view_->table()->palette().color(QPalette::Base)));
}

} // namespace tarnlink
