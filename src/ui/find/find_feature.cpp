#include "ui/find/find_feature.h"

#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/find/find_search.h"
#include "ui/find/form_find.h"
#include "ui/kit/command_map.h"
#include "ui/kit/placed_dialog.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/window_animation.h"
#include "ui/shell/workbench.h"

#include <QMainWindow>

namespace tarnlink {

FindFeature::FindFeature(Workbench& bench) : bench_(bench)
{
    bench.commands().setHandler(Cmd::Find, [this] { MFindTextClick(); });
    bench.commands().setHandler(Cmd::FindNext, [this] { MFindNextClick(); });
}

void FindFeature::MFindTextClick()
{
    if (!bench_.tree().GetFirstNode())
        return;
    Settings& settings = bench_.settings();
    TFormFind dialog(&bench_.mainWindow());
    AnimateWindow(dialog, AnimatedWindow::Find, settings.options);
    dialog.fill(settings.findText);
    if (!RunPlaced(bench_.prompts(), dialog, settings.main.findWLeft, settings.main.findWTop))
        return;
    FindTextSection& state = settings.findText;
    dialog.store(state);
    search(state.text, true, state.fromBegin, state.findNext);
}

void FindFeature::MFindNextClick()
{
    if (bench_.tree().Count() < 2)
        return;
    const FindTextSection& state = bench_.settings().findText;
    if (state.text.isEmpty()) {
        MFindTextClick();
        return;
    }
    search(state.text, false, false, state.findNext);
}

void FindFeature::search(const QString& text, bool includeStart, bool fromBeginning, bool forward)
{
    TfcTreeNode* found =
        SearchWithChoices(bench_.tree(), text, bench_.settings().findText, includeStart, fromBeginning, forward);
    if (found)
        bench_.selectNode(found);
    else
        bench_.prompts().acknowledge(Translate("Text not found!") + QStringLiteral(" \r\"") + text + QLatin1Char('"'));
}

} // namespace tarnlink
