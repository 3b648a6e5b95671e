// The folder list and the favorite links on large data, in the real main window: selecting a
// folder of 100,000 links fills the list; selecting one of 50 is what a user does all day; a
// favorites file of 10,000 entries is read and the launch menus are built from it.

#include "bench_app.h"

#include "model/node_icons.h"
#include "model/tree_node.h"
#include "settings/favorites_links.h"
#include "ui/favorites/favorites_feature.h"
#include "ui/favorites/favorites_model.h"
#include "ui/listview/folder_list_model.h"
#include "ui/listview/list_view_feature.h"
#include "ui/shell/form_main.h"

#include <QMenu>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tarnlink;

namespace {

struct Window {
    QTemporaryDir home;
    std::unique_ptr<TFormMain> form;
    TfcTreeNode* big = nullptr;
    TfcTreeNode* small[2] = {};
};

TfcTreeNode* folderOf(TfcTreeNodes& tree, const char* name, int links)
{
    TfcTreeNode* folder = tree.AddChild(nullptr, name);
    folder->Kind = KindFolder;
    SetFolderIcons(*folder, false);
    for (int i = 0; i < links; ++i) {
        TfcTreeNode* link = tree.AddChild(folder, "Page " + std::to_string(i));
        link->Link1 = "http://www.site" + std::to_string(i % 977) + ".example.com/path/" + std::to_string(i);
        link->Description = "A page\rof two lines\r";
        SetLinkRating(*link, i % 6);
    }
    return folder;
}

Window& window()
{
    static Window w = [] {
        Window made;
        qputenv("TARNLINK_HOME", made.home.path().toUtf8());
        made.form = std::make_unique<TFormMain>(made.home.filePath("Tarnlink.ini"));
        made.form->setSelectionDelay(0);
        made.form->resize(1000, 700);
        made.form->show();
        TfcTreeNodes& tree = made.form->tree();
        {
            UpdateGuard update(tree);
            made.big = folderOf(tree, "Big", 100000);
            made.small[0] = folderOf(tree, "Small A", 50);
            made.small[1] = folderOf(tree, "Small B", 50);
        }
        QCoreApplication::processEvents();
        return made;
    }();
    return w;
}

// The selection as a click makes it, then whatever the window does before it waits for input.
void selectAndSettle(TfcTreeNode* node)
{
    window().form->tree().Select(node);
    QCoreApplication::processEvents();
}

void BM_SelectFolderOf100000Links(benchmark::State& state)
{
    Window& w = window();
    const FolderListModel& list = w.form->feature<ListViewFeature>()->model();
    for (auto _ : state) {
        state.PauseTiming();
        selectAndSettle(w.small[0]);
        state.ResumeTiming();
        selectAndSettle(w.big);
    }
    if (list.rowCount() != 100000)
        state.SkipWithError("the list does not show the big folder");
}
BENCHMARK(BM_SelectFolderOf100000Links)->Unit(benchmark::kMillisecond);

void BM_SelectAnotherFolderOf50Links(benchmark::State& state)
{
    Window& w = window();
    int next = 0;
    for (auto _ : state) {
        selectAndSettle(w.small[next]);
        next = 1 - next;
    }
    if (w.form->feature<ListViewFeature>()->model().rowCount() != 50)
        state.SkipWithError("the list does not show a small folder");
}
BENCHMARK(BM_SelectAnotherFolderOf50Links)->Unit(benchmark::kMillisecond);

void BM_SortFolderOf100000LinksByLink1(benchmark::State& state)
{
    Window& w = window();
    selectAndSettle(w.big);
    FolderListModel& list = w.form->feature<ListViewFeature>()->model();
    for (auto _ : state) {
        list.sortByColumn(FolderListModel::ColLink1);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortFolderOf100000LinksByLink1)->Unit(benchmark::kMillisecond);

// A file of 10,000 favorites, 9,000 of them ticked.
QString favoritesFile()
{
    static const QString path = [] {
        QList<FavoriteLink> links;
        for (int i = 0; i < 10000; ++i)
            links.append({QStringLiteral("Favorite & page %1").arg(i), QStringLiteral("http://fav.example.org/%1").arg(i),
                          i % 10 != 0});
        SaveFavoritesLinks(FavoritesLinksPath(), links);
        return FavoritesLinksPath();
    }();
    return path;
}

// Reads the file into the list as an edit would change it, so the menus are built again.
void readFavorites(FavoritesModel& model)
{
    model.setLinks(LoadFavoritesLinks(favoritesFile()).links);
    model.toggle(0);
    model.toggle(0);
}

// The Favorites menu opens, then the submenu of the launch menu given.
void openLaunchMenu(MenuPlace place)
{
    emit window().form->Menu("&Favorites")->aboutToShow();
    emit window().form->menu(place).aboutToShow();
}

// The first opening after the start: every entry of the menu is a new action.
void BM_ReadFavoritesOf10000AndBuildTheLaunchMenu(benchmark::State& state)
{
    FavoritesModel& model = window().form->feature<FavoritesFeature>()->model();
    for (auto _ : state) {
        state.PauseTiming();
        model.setLinks({});
        model.append({});
        model.remove(0);
        openLaunchMenu(MenuPlace::FavoritesLaunch);
        state.ResumeTiming();
        readFavorites(model);
        openLaunchMenu(MenuPlace::FavoritesLaunch);
    }
    if (window().form->menu(MenuPlace::FavoritesLaunch).actions().size() != 9000)
        state.SkipWithError("the launch menu does not list the ticked entries");
}
BENCHMARK(BM_ReadFavoritesOf10000AndBuildTheLaunchMenu)->Unit(benchmark::kMillisecond);

// Later openings after a change of the list: both launch menus, the actions relabelled.
void BM_ReadFavoritesOf10000AndRebuildBothMenus(benchmark::State& state)
{
    FavoritesModel& model = window().form->feature<FavoritesFeature>()->model();
    for (auto _ : state) {
        readFavorites(model);
        openLaunchMenu(MenuPlace::FavoritesLaunch);
        openLaunchMenu(MenuPlace::TrayFavorites);
    }
    if (window().form->menu(MenuPlace::TrayFavorites).actions().size() != 9002)
        state.SkipWithError("the tray menu does not list the ticked entries");
}
BENCHMARK(BM_ReadFavoritesOf10000AndRebuildBothMenus)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    bench::OffscreenApplication("list_views_bench");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    window().form.reset();
    benchmark::Shutdown();
    return 0;
}
