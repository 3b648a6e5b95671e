#include "ui/sort/sort_feature.h"

#include "model/tree_node.h"
#include "model/tree_sort.h"
#include "settings/settings.h"
#include "ui/kit/command_map.h"
#include "ui/kit/prompts.h"
#include "ui/shell/workbench.h"
#include "ui/sort/form_sort.h"

#include <QMainWindow>

namespace tarnlink {

SortChoice SortChoiceOf(const SortSection& stored)
{
    return {SortKeyOfIndex(stored.index), stored.onlyLinks, stored.directionUp};
}

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
    dialog.move(settings.main.sortWLeft, settings.main.sortWTop);
    dialog.fill(settings.sort);
    const bool accepted = bench_.prompts().runDialog(dialog) == QDialog::Accepted;
    settings.main.sortWLeft = dialog.x();
    settings.main.sortWTop = dialog.y();
    if (!accepted)
        return;
    dialog.store(settings.sort);
    SortTree(bench_.tree(), SortChoiceOf(settings.sort));
    bench_.treeEdited({TreeChange::Moved});
}

} // namespace tarnlink
