#include "ui/options/form_options.h"

#include "settings/settings.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/translate.h"
#include "ui/options/animation_page.h"
#include "ui/options/browsers_page.h"
#include "ui/options/explorer_page.h"
#include "ui/options/general_page.h"
#include "ui/options/link_monitor_page.h"
#include "ui/options/links_page.h"
#include "ui/options/list_page.h"
#include "ui/options/password_page.h"
#include "ui/options/visual_view_page.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnlink {

TFormOptions::TFormOptions(PromptsSource prompts, QWidget* parent)
    : QDialog(parent), pageControl_(new QTabWidget), general_(new GeneralPage), visual_(new VisualViewPage(prompts)),
      links_(new LinksPage), animation_(new AnimationPage), password_(new PasswordPage),
      browsers_(new BrowsersPage(prompts)), explorer_(new ExplorerPage), linkMonitor_(new LinkMonitorPage),
      list_(new ListPage)
{
    setObjectName(QStringLiteral("FormOptions"));
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setUsesScrollButtons(false); // every page title in sight
    const std::pair<OptionsPage*, const char*> pages[] = {
        {general_, "General"},   {visual_, "Visual view"},  {links_, "Links"},
        {animation_, "Animation"}, {password_, "Password"}, {browsers_, "Browsers"},
        {explorer_, "Explorer"}, {linkMonitor_, "Link monitor"}, {list_, "List"},
    };
    for (const auto& [page, title] : pages) {
        pageControl_->addTab(page, Translate(title));
        pages_.push_back(page);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageControl_);
    const OkCancelButtons buttons = AddOkCancelRow(*this, *layout, Translate("&OK"));
    btnOk_ = buttons.ok;
    btnCancle_ = buttons.cancel;
    btnOk_->setDefault(true);
}

void TFormOptions::load(const Settings& settings)
{
    for (OptionsPage* page : pages_)
        page->load(settings);
    pageControl_->setCurrentIndex(std::clamp(settings.options.actPOption, 0, pageControl_->count() - 1));
}

void TFormOptions::store(Settings& settings) const
{
    for (OptionsPage* page : pages_)
        page->store(settings);
    settings.options.actPOption = pageControl_->currentIndex();
}

} // namespace tarnlink
