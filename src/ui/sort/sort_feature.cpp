#include "ui/sort/sort_feature.h"

#include "model/tree_node.h"
#include "model/tree_sort.h"
#include "settings/settings.h"
#include "ui/kit/command_map.h"
#include "ui/kit/placed_dialog.h"
#include "ui/kit/window_animation.h"
#include "ui/shell/workbench.h"
#include "ui/sort/form_sort.h"

#include <QMainWindow>

namespace tarnlink {

namespace {

// The comparison's choices from the stored ones.
SortChoice SortChoiceOf(const SortSection& stored)
{
    return {SortKeyOfIndex(stored.index), stored.onlyLinks, stored.directionUp};
}

} // namespace

SortFeature::SortFeature(Workbench& bench) : bench_(bench)
{
    bench.commands().setHandler(Cmd::Sort, [this] { MSortClick(); });
}

void SortFeature::MSortClick()
{
    if (!bench_.tree().GetFirstNode())
        return;
    Settings& settings = bench_.settings();
    TFormSort dialog(bench_.commands().caption(Cmd::Sort), &bench_.mainWindow());
    AnimateWindow(dialog, AnimatedWindow::Sort, settings.options);
    dialog.fill(settings.sort);
    if (!RunPlaced(bench_.prompts(), dialog, settings.main.sortWLeft, settings.main.sortWTop))
        return;
    dialog.store(settings.sort);
    SortTree(bench_.tree(), SortChoiceOf(settings.sort));
    bench_.treeEdited({TreeChange::Moved});
}

} // namespace tarnlink
