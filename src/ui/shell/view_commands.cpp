#include "ui/shell/view_commands.h"

#include "ui/kit/command_map.h"
#include "ui/kit/icons.h"
#include "ui/shell/main_layout.h"

#include <QMainWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace tarnlink {

namespace {

bool anyTabShown(const QTabWidget* pages)
{
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i))
            return true;
    return false;
}

void toggle(QWidget* widget)
{
    widget->setVisible(widget->isHidden());
}

} // namespace

ViewCommands::ViewCommands(QMainWindow& window, MainParts& parts, CommandMap& commands)
    : window_(window), parts_(parts), commands_(commands), panel1Tag_(kTreeWidth), lowerHeight_(kLowerPagesHeight)
{
    CommandMap& c = commands_;
    const auto afterwards = [this](auto change) {
        return [this, change] {
            change();
            updateStates({});
        };
    };
    c.setHandler(Cmd::BarFile, afterwards([this] { toggle(parts_.toolBars[0]); }));
    c.setHandler(Cmd::BarExplorer, afterwards([this] { toggle(parts_.toolBars[1]); }));
    c.setHandler(Cmd::BarOther, afterwards([this] { toggle(parts_.toolBars[2]); }));
    c.setHandler(Cmd::BarLargeIcons, afterwards([this] { setLargeIcons(!largeIcons_); }));
    c.setHandler(Cmd::PanelList, afterwards([this] { toggleTab(parts_.pageEditor, TabList); }));
    c.setHandler(Cmd::PanelProperties, afterwards([this] { toggleTab(parts_.pageEditor, TabProperties); }));
    c.setHandler(Cmd::PanelDescription, afterwards([this] { toggleTab(parts_.pageView, TabDescription); }));
    c.setHandler(Cmd::PanelScreenshot, afterwards([this] { toggleTab(parts_.pageView, TabScreenshot); }));
    c.setHandler(Cmd::PanelShowIcons, afterwards([this] { setTabIconsShown(!tabIconsShown_); }));
    c.setHandler(Cmd::PanelExplorer, afterwards([this] { toggle(parts_.panelExplorer); }));
    c.setHandler(Cmd::StatusBar, afterwards([this] { toggle(window_.statusBar()); }));
    c.setHandler(Cmd::Refresh, [this] { window_.repaint(); });
}

void ViewCommands::toggleTab(QTabWidget* pages, int tab)
{
    setTabShown(pages, tab, !pages->isTabVisible(tab));
}

void ViewCommands::setLargeIcons(bool large)
{
    largeIcons_ = large;
    const int image = large ? 24 : 16;
    const int button = large ? 32 : 22;
    for (QToolBar* bar : parts_.toolBars) {
        bar->setIconSize(QSize(image, image));
        for (QToolButton* b : bar->findChildren<QToolButton*>())
            b->setFixedSize(b->menu() && b->popupMode() == QToolButton::MenuButtonPopup ? button + 12 : button, button);
        bar->adjustSize();
    }
    commands_.setChecked(Cmd::BarLargeIcons, large);
}

void ViewCommands::setTabIconsShown(bool shown)
{
    tabIconsShown_ = shown;
    namespace img = images::menu;
    auto icon = [shown](int index) { return shown ? images::menuImage(index) : QIcon(); };
    parts_.pageEditor->setTabIcon(TabList, icon(img::TabList));
    parts_.pageEditor->setTabIcon(TabProperties, icon(img::Properties));
    parts_.pageView->setTabIcon(TabDescription, icon(img::TabDescription));
    parts_.pageView->setTabIcon(TabScreenshot, icon(img::TabScreenshot));
    commands_.setChecked(Cmd::PanelShowIcons, shown);
}

void ViewCommands::setTabShown(QTabWidget* pages, int tab, bool shown)
{
    QTabWidget* upper = parts_.pageEditor;
    QTabWidget* lower = parts_.pageView;
    // The lower pages' height is taken while both page controls still show.
    if (!upper->isHidden() && !lower->isHidden())
        lowerHeight_ = lower->height() > 0 && lower->isVisible() ? lower->height() : lowerHeight_;
    if (!parts_.panel3->isHidden())
        panel1Tag_ = parts_.panel1->isVisible() ? parts_.panel1->width() : panel1Tag_;
    pages->setTabVisible(tab, shown);
    updatePageControls();
}

void ViewCommands::updatePageControls()
{
    const bool upper = anyTabShown(parts_.pageEditor);
    const bool lower = anyTabShown(parts_.pageView);
    const bool upperReturns = upper && parts_.pageEditor->isHidden();
    const bool rightReturns = (upper || lower) && parts_.panel3->isHidden();
    parts_.pageEditor->setVisible(upper);
    parts_.pageView->setVisible(lower);
    parts_.panel3->setVisible(upper || lower);
    parts_.panel1->setProperty("tag", panel1Tag_);
    if (rightReturns) {
        const QList<int> sizes = parts_.splitterV->sizes();
        const int total = std::max(sizes.value(0) + sizes.value(1), window_.width());
        parts_.splitterV->setSizes({panel1Tag_, std::max(60, total - panel1Tag_)});
    }
    if (upperReturns && lower) {
        const int total = std::max(parts_.splitterH->height(), lowerHeight_ + 60);
        parts_.splitterH->setSizes({total - lowerHeight_, lowerHeight_});
    }
}

void ViewCommands::updateStates(const SelectionFacts&)
{
    CommandMap& c = commands_;
    c.setChecked(Cmd::BarFile, !parts_.toolBars[0]->isHidden());
    c.setChecked(Cmd::BarExplorer, !parts_.toolBars[1]->isHidden());
    c.setChecked(Cmd::BarOther, !parts_.toolBars[2]->isHidden());
    c.setChecked(Cmd::BarLargeIcons, largeIcons_);
    c.setChecked(Cmd::PanelList, parts_.pageEditor->isTabVisible(TabList));
    c.setChecked(Cmd::PanelProperties, parts_.pageEditor->isTabVisible(TabProperties));
    c.setChecked(Cmd::PanelDescription, parts_.pageView->isTabVisible(TabDescription));
    c.setChecked(Cmd::PanelScreenshot, parts_.pageView->isTabVisible(TabScreenshot));
    c.setChecked(Cmd::PanelShowIcons, tabIconsShown_);
    c.setChecked(Cmd::PanelExplorer, !parts_.panelExplorer->isHidden());
    c.setChecked(Cmd::StatusBar, !window_.statusBar()->isHidden());
}

} // namespace tarnlink
