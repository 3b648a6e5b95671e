// Tree editing, find and sort on 1,000,000 links in folders of 50 (ten groups of 2,000 folders,
// so one group holds 100,000 links): through the commands on a bare tree, and once through the
// real main window with its model and view attached.

#include "bench_app.h"

#include "model/node_icons.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "model/tree_sort.h"
#include "settings/settings.h"
#include "ui/find/find_search.h"
#include "ui/kit/command_map.h"
#include "ui/shell/form_main.h"
#include "ui/testing/scripted_prompts.h"
#include "ui/tree/tree_edit_commands.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tarnlink;

namespace {

constexpr int kGroups = 10;
constexpr int kFoldersPerGroup = 2000;
constexpr int kLinksPerFolder = 50;

// Realistic sizes: a name of about 30 bytes, an address of about 60, a description of about 80.
// Names are shuffled so that sorting has work to do.
void fill(TfcTreeNodes& tree)
{
    UpdateGuard update(tree);
    uint32_t shuffle = 12345;
    int n = 0;
    for (int g = 0; g < kGroups; ++g) {
        TfcTreeNode* group = tree.AddChild(nullptr, "Group " + std::to_string(g));
        group->Kind = KindFolder;
        SetFolderIcons(*group, false);
        for (int f = 0; f < kFoldersPerGroup; ++f) {
            TfcTreeNode* folder = tree.AddChild(group, "Folder number " + std::to_string(f));
            folder->Kind = KindFolder;
            SetFolderIcons(*folder, false);
            for (int l = 0; l < kLinksPerFolder; ++l, ++n) {
                shuffle = shuffle * 1103515245u + 12345u;
                const std::string id = std::to_string(shuffle % 1000000);
                TfcTreeNode* link = tree.AddChild(folder, "A bookmark named after site " + id);
                link->Link1 = "https://www.example-bookmarks.org/articles/2026/12/page-" + std::to_string(n) + ".html";
                link->Description = "Notes about this page, written by its owner when the link was saved: " + id;
                link->Visited = "11.12.2026 10:15:00";
                SetLinkRating(*link, n % 6);
            }
        }
    }
}

TfcTreeNode* group(TfcTreeNodes& tree, int g)
{
    return tree.TopLevelItem(g);
}

// A marker only the very last link carries, for a search that walks half the tree.
TfcTreeNode* markLast(TfcTreeNodes& tree)
{
    TfcTreeNode* last = group(tree, kGroups - 1)->LastChild()->LastChild();
    last->Login = "the-one-login";
    return last;
}

TfcTreeNode* middle(TfcTreeNodes& tree)
{
    return group(tree, kGroups / 2)->FirstChild();
}

// Every tenth link: 100,000 scattered over the whole tree.
void selectEveryTenthLink(TfcTreeNodes& tree)
{
    UpdateGuard update(tree);
    tree.ClearSelection();
    int i = 0;
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        if (n->IsLink() && i++ % 10 == 0)
            tree.AddToSelection(n);
}

struct Bare {
    TfcTreeNodes tree;
    testing::ScriptedPrompts prompts;
    TreeEditCommands commands{tree, FixedPrompts(prompts)};
    Bare()
    {
        fill(tree);
        commands.options().confirmDelete = false;
    }
};

Bare& shared()
{
    static Bare bare;
    return bare;
}

TfcTreeNode* findNoMatch(const TfcTreeNodes& tree)
{
    return SearchWithChoices(tree, "no such text anywhere", FindTextSection(), true, true, true);
}

// A search reuses what the one before learnt of the tree's structure while nothing was inserted,
// deleted or moved: the first search below pays for that, the timed ones do not.
void BM_FindNoMatch(benchmark::State& state)
{
    TfcTreeNodes& tree = shared().tree;
    findNoMatch(tree);
    for (auto _ : state)
        benchmark::DoNotOptimize(findNoMatch(tree));
    state.SetItemsProcessed(state.iterations() * tree.Count());
}
BENCHMARK(BM_FindNoMatch)->Unit(benchmark::kMillisecond);

void BM_FindNoMatchAfterAMove(benchmark::State& state)
{
    TfcTreeNodes& tree = shared().tree;
    TfcTreeNode* moved = group(tree, 0)->FirstChild();
    for (auto _ : state) {
        state.PauseTiming();
        tree.MoveTo(moved, group(tree, 0), 2); // to the end of its group and back
        tree.MoveTo(moved, group(tree, 0), 3);
        state.ResumeTiming();
        benchmark::DoNotOptimize(findNoMatch(tree));
    }
}
BENCHMARK(BM_FindNoMatchAfterAMove)->Unit(benchmark::kMillisecond);

void BM_FindNextFromTheMiddle(benchmark::State& state)
{
    TfcTreeNodes& tree = shared().tree;
    TfcTreeNode* last = markLast(tree);
    tree.Select(middle(tree));
    const FindTextSection all;
    auto findNext = [&] { return SearchWithChoices(tree, "THE-ONE-LOGIN", all, false, false, true); };
    findNext();
    for (auto _ : state)
        if (findNext() != last)
            state.SkipWithError("not found");
}
BENCHMARK(BM_FindNextFromTheMiddle)->Unit(benchmark::kMillisecond);

void BM_SortByNameEveryLevel(benchmark::State& state)
{
    TfcTreeNodes& tree = shared().tree;
    bool up = true;
    for (auto _ : state) {
        SortTree(tree, {SortKey::Name, false, up}); // each run reverses the last one
        up = !up;
    }
}
BENCHMARK(BM_SortByNameEveryLevel)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_CopyAFolderOf100000Links(benchmark::State& state)
{
    Bare& bare = shared();
    for (auto _ : state) {
        bare.tree.Select(group(bare.tree, 1));
        bare.commands.MCopyNodeClick();
    }
    state.counters["copied"] = bare.commands.clipboard().Counts().LinkCount;
}
BENCHMARK(BM_CopyAFolderOf100000Links)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PasteAFolderOf100000Links(benchmark::State& state)
{
    Bare& bare = shared();
    bare.tree.Select(group(bare.tree, 1));
    bare.commands.MCopyNodeClick();
    for (auto _ : state) {
        bare.tree.Select(group(bare.tree, 2));
        bare.tree.Selected()->Focused = true;
        bare.commands.MPasteNodeClick();
        state.PauseTiming();
        bare.tree.Delete(group(bare.tree, 2)->LastChild());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteAFolderOf100000Links)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DeleteASelectionOf100000Links(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto bare = std::make_unique<Bare>();
        selectEveryTenthLink(bare->tree);
        state.ResumeTiming();
        bare->commands.MDelete2Click();
        state.PauseTiming();
        if (CountNodes(bare->tree).LinkCount != 900000)
            state.SkipWithError("wrong count");
        bare.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteASelectionOf100000Links)->Unit(benchmark::kMillisecond)->Iterations(3);

// ---- the window's side -------------------------------------------------------------------------

struct Window {
    QTemporaryDir home;
    testing::ScriptedPrompts prompts;
    std::unique_ptr<TFormMain> form;
    Window()
    {
        form = std::make_unique<TFormMain>(home.filePath("Tarnlink.ini"));
        form->setPrompts(&prompts);
        form->setSelectionDelay(0);
        Settings& s = form->settings();
        s.options.chkConfirmDelete = false;
        s.findText.text = "no such text anywhere";
        fill(form->tree());
        form->document().counts = CountNodes(form->tree());
        form->tree().Expand(group(form->tree(), 0), false);
        form->show();
        QApplication::processEvents();
    }
    void run(Cmd command)
    {
        form->commands().run(command);
        QApplication::processEvents();
    }
    TfcTreeNodes& tree() { return form->tree(); }
};

void BM_WindowFindNoMatch(benchmark::State& state)
{
    Window w;
    for (auto _ : state) {
        w.prompts.reply(int(QDialog::Accepted));
        w.run(Cmd::Find);
    }
}
BENCHMARK(BM_WindowFindNoMatch)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WindowFindNextFromTheMiddle(benchmark::State& state)
{
    Window w;
    TfcTreeNode* last = markLast(w.tree());
    w.form->settings().findText.text = "the-one-login";
    for (auto _ : state) {
        state.PauseTiming();
        w.form->selectNode(middle(w.tree()));
        QApplication::processEvents();
        state.ResumeTiming();
        w.run(Cmd::FindNext);
    }
    if (w.tree().Selected() != last)
        state.SkipWithError("not found");
}
BENCHMARK(BM_WindowFindNextFromTheMiddle)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WindowSortByName(benchmark::State& state)
{
    Window w;
    for (auto _ : state) {
        w.form->settings().sort.directionUp = !w.form->settings().sort.directionUp;
        w.prompts.reply(int(QDialog::Accepted));
        w.run(Cmd::Sort);
    }
}
BENCHMARK(BM_WindowSortByName)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_WindowCopyAndPasteAFolderOf100000Links(benchmark::State& state)
{
    Window w;
    for (auto _ : state) {
        w.form->selectNode(group(w.tree(), 1));
        w.run(Cmd::Copy);
        w.form->selectNode(group(w.tree(), 2));
        w.run(Cmd::Paste);
    }
}
BENCHMARK(BM_WindowCopyAndPasteAFolderOf100000Links)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WindowDeleteASelectionOf100000Links(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Window>();
        selectEveryTenthLink(w->tree());
        QApplication::processEvents();
        state.ResumeTiming();
        w->run(Cmd::Delete);
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowDeleteASelectionOf100000Links)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    bench::OffscreenApplication("tree_editing_bench");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
