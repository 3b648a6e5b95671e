#include "ui/linkcheck/link_check_feature.h"

#include "settings/settings.h"
#include "ui/kit/command_map.h"
#include "ui/kit/language_actions.h"
#include "ui/kit/window_animation.h"
#include "ui/linkcheck/form_check_sw.h"
#include "ui/shell/workbench.h"

namespace tarnlink {

LinkCheckFeature::LinkCheckFeature(Workbench& bench) : bench_(bench), form_(new TFormCheck_SW(bench))
{
    AnimateWindow(*form_, AnimatedWindow::Check, bench.settings().options);
    bench.languageWindows().add(form_);
    bench.commands().setHandler(Cmd::CheckLinks, [this] { MCheckUrlClick(); });
}

LinkCheckFeature::~LinkCheckFeature()
{
    delete form_;
}

void LinkCheckFeature::MCheckUrlClick()
{
    if (shown_ && form_->isVisible()) {
        shown_ = false;
        form_->hide();
        return;
    }
    shown_ = true;
    form_->setCaption();
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void LinkCheckFeature::documentCleared()
{
    form_->documentCleared();
}

void LinkCheckFeature::treeEdited(const TreeEdit& edit)
{
    form_->treeEdited(edit);
}

bool LinkCheckFeature::mayClose()
{
    return !form_->running();
}

void LinkCheckFeature::storeSettings(Settings& settings)
{
    const QRect bounds = form_->bounds();
    settings.main.chkWLeft = bounds.x();
    settings.main.chkWTop = bounds.y();
    settings.main.chkWWidth = bounds.width();
    settings.main.chkWHeight = bounds.height();
}

void LinkCheckFeature::retranslate()
{
    form_->retranslate();
}

void LinkCheckFeature::closing()
{
    form_->shutdown();
}

} // namespace tarnlink
