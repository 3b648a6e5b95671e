#include "ui/shell/window_state.h"

#include "ui/kit/command_map.h"
#include "ui/kit/windows_color.h"
#include "ui/shell/main_layout.h"
#include "ui/shell/tray.h"
#include "ui/shell/view_commands.h"
#include "ui/tree/tree_delegate.h"
#include "ui/tree/tree_view.h"

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace tarnlink {

namespace {

// Stored control properties: the tool bars' visibility in the order of the bars, and the pages'.
constexpr const char* kToolBarVisible[] = {"ToolBarFile.Visible", "ToolBarExploer.Visible", "ToolBarOther.Visible"};
struct StoredTab {
    bool editorPages; // PageControlEditor, else PageControlView
    int tab;
    const char* name;
};
constexpr StoredTab kStoredTabs[] = {
    {true, TabList, "TabListview.TabVisible"},
    {true, TabProperties, "TabProperties.TabVisible"},
    {false, TabDescription, "TabDescription.TabVisible"},
    {false, TabScreenshot, "TabScreenShot.TabVisible"},
};
constexpr int kInactiveFocusColor = 11065263;

} // namespace

QRect FirstStartGeometry(const QRect& available)
{
    // The window manager's frame and title bar come around the window.
    const QSize frameRoom(16, 48);
    const QSize size = QSize(std::max(available.width() * 2 / 3, 900), std::max(available.height() * 2 / 3, 600))
                           .boundedTo(available.size() - frameRoom);
    return QRect(available.topLeft() + QPoint((available.width() - size.width()) / 2,
                                              (available.height() - size.height()) / 2),
                 size);
}

WindowState::WindowState(QMainWindow& window, MainParts& parts, ViewCommands& view, TrayIcon& tray, QTimer& autoSave,
                         CommandMap& commands)
    : window_(window), parts_(parts), view_(view), tray_(tray), autoSave_(autoSave), commands_(commands)
{
}

void WindowState::applyFormStorage(const FormStorage& form)
{
    if (const auto& n = form.normPos; n && n->right > n->left && n->bottom > n->top)
        window_.setGeometry(n->left, n->top, n->right - n->left, n->bottom - n->top);
    applyLook(form);
    for (int i = 0; i < 3; ++i)
        parts_.toolBars[i]->setHidden(!form.boolean(QLatin1String(kToolBarVisible[i]), true));
    window_.statusBar()->setHidden(!form.boolean(QStringLiteral("Panel2.Visible"), true));
    parts_.panelExplorer->setHidden(!form.boolean(QStringLiteral("PanelExplorer.Visible"), true));
    tray_.setWanted(form.boolean(QStringLiteral("Tray.IconVisible"), false));

    view_.setTreeWidthTag(form.integer(QStringLiteral("Panel1.Tag"), view_.treeWidthTag()));
    view_.setLowerPagesHeight(form.integer(QStringLiteral("PageControlView.Height"), view_.lowerPagesHeight()));
    const int treeWidth = form.integer(QStringLiteral("Panel1.Width"), kTreeWidth);
    parts_.splitterV->setSizes({treeWidth, std::max(60, window_.width() - treeWidth)});
    const int lower = view_.lowerPagesHeight();
    parts_.splitterH->setSizes({std::max(60, window_.height() - lower), lower});
    for (const StoredTab& t : kStoredTabs)
        (t.editorPages ? parts_.pageEditor : parts_.pageView)->setTabVisible(t.tab, form.boolean(QLatin1String(t.name), true));
    view_.updatePageControls();
    parts_.pageEditor->setCurrentIndex(form.integer(QStringLiteral("PageControlEditor.ActivePage"), TabList));
    parts_.pageView->setCurrentIndex(form.integer(QStringLiteral("PageControlView.ActivePage"), TabDescription));
}

void WindowState::showMaximised()
{
    window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

void WindowState::setLargeIconsBar(bool on)
{
    view_.setLargeIcons(on);
}

void WindowState::setShowTabIcons(bool on)
{
    view_.setTabIconsShown(on);
}

void WindowState::setXpStyle(bool on)
{
    const QString look = on ? QStringLiteral("Fusion") : QStringLiteral("Windows");
    // Setting a style repolishes every widget: only when the look really changes.
    if (QApplication::style()->name().compare(look, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(look);
}

void WindowState::setAutoSaveInterval(int milliseconds)
{
    autoSave_.setInterval(milliseconds);
    if (milliseconds > 0)
        autoSave_.start();
    else
        autoSave_.stop();
}

void WindowState::setHotColor(int colour)
{
    parts_.delegate->setHotColor(FromWindowsColor(uint32_t(colour)));
}

void WindowState::setTreeOptions(bool selectLine, bool showButtons, bool showLines, bool showHint)
{
    parts_.treeView->applyOptions(selectLine, showButtons, showLines);
    parts_.delegate->setShowHints(showHint);
}

void WindowState::setLinkMonitor(bool on)
{
    commands_.setChecked(Cmd::LinkMonitor, on);
}

void WindowState::applyLook(const FormStorage& form)
{
    auto font = [&form](QWidget* widget, const char* name) {
        QFont stored;
        if (const auto text = form.text(QLatin1String(name)); text && stored.fromString(*text))
            widget->setFont(stored);
    };
    font(parts_.treeView, "TreeInet.Font");
    font(parts_.memo, "Memo1.Font");
    auto colour = [&form](QWidget* widget, QPalette::ColorRole role, const char* name) {
        QPalette palette = widget->palette();
        const int stored = form.integer(QLatin1String(name), ToWindowsColor(palette.color(role)));
        palette.setColor(role, FromWindowsColor(uint32_t(stored)));
        widget->setPalette(palette);
    };
    colour(parts_.treeView, QPalette::Base, "TreeInet.Color");
    // The tree's connecting lines are drawn in the palette's dark colour.
    colour(parts_.treeView, QPalette::Dark, "TreeInet.LineColor");
    colour(parts_.memo, QPalette::Base, "Memo1.Color");
    parts_.delegate->setBarColor(
        FromWindowsColor(uint32_t(form.integer(QStringLiteral("TreeInet.InactiveFocusColor"), kInactiveFocusColor))));
    parts_.treeView->setIndentation(form.integer(QStringLiteral("TreeInet.Indent"), 19));
}

void WindowState::applyOptions(const Settings& settings)
{
    const OptionsSection& o = settings.options;
    // Without an icon the window must not stay hidden in the tray.
    const bool wasInTray = tray_.shown();
    tray_.setWanted(settings.form.boolean(QStringLiteral("Tray.IconVisible"), false));
    if (wasInTray && !tray_.shown() && window_.isHidden()) {
        window_.showNormal();
        window_.raise();
    }
    setXpStyle(o.xpStyle);
    setAutoSaveInterval(o.autoSaveIntervalMs());
    applyLook(settings.form);
    setHotColor(o.hotColor);
    setTreeOptions(o.chkHideSel, o.chkShowButs, o.chkShowRoots, o.chkShowHint);
    setLinkMonitor(o.clipBoard);
    parts_.treeView->viewport()->update();
}

void WindowState::store(Settings& settings) const
{
    settings.main.mainWStateNormal = !window_.isMaximized();
    const QRect normal = window_.normalGeometry().isValid() ? window_.normalGeometry() : window_.geometry();
    settings.form.normPos = PlacementRect{normal.left(), normal.top(), normal.left() + normal.width(),
                                          normal.top() + normal.height()};
    FormStorage& form = settings.form;
    form.setText(QStringLiteral("TreeInet.Font"), parts_.treeView->font().toString());
    form.setText(QStringLiteral("Memo1.Font"), parts_.memo->font().toString());
    form.setInteger(QStringLiteral("TreeInet.Color"), ToWindowsColor(parts_.treeView->palette().color(QPalette::Base)));
    form.setInteger(QStringLiteral("TreeInet.LineColor"), ToWindowsColor(parts_.treeView->palette().color(QPalette::Dark)));
    form.setInteger(QStringLiteral("Memo1.Color"), ToWindowsColor(parts_.memo->palette().color(QPalette::Base)));
    form.setInteger(QStringLiteral("TreeInet.InactiveFocusColor"), ToWindowsColor(parts_.delegate->barColor()));
    form.setInteger(QStringLiteral("TreeInet.Indent"), parts_.treeView->indentation());
    // A window never laid out has no widths yet; the stored ones stay then.
    const int tag = view_.treeWidthTag();
    if (const int treeWidth = parts_.panel1->isHidden() ? tag : parts_.splitterV->sizes().value(0); treeWidth > 0)
        form.setInteger(QStringLiteral("Panel1.Width"), treeWidth);
    form.setInteger(QStringLiteral("Panel1.Tag"), tag);
    for (int i = 0; i < 3; ++i)
        form.setBoolean(QLatin1String(kToolBarVisible[i]), !parts_.toolBars[i]->isHidden());
    form.setBoolean(QStringLiteral("Panel2.Visible"), !window_.statusBar()->isHidden());
    form.setBoolean(QStringLiteral("PanelExplorer.Visible"), !parts_.panelExplorer->isHidden());
    form.setBoolean(QStringLiteral("Tray.IconVisible"), tray_.wanted());
    form.setInteger(QStringLiteral("PageControlEditor.ActivePage"), parts_.pageEditor->currentIndex());
    form.setBoolean(QStringLiteral("PageControlEditor.Visible"), !parts_.pageEditor->isHidden());
    form.setInteger(QStringLiteral("PageControlView.ActivePage"), parts_.pageView->currentIndex());
    form.setBoolean(QStringLiteral("PageControlView.Visible"), !parts_.pageView->isHidden());
    const bool onePageControl = parts_.pageView->isHidden() || parts_.pageEditor->isHidden();
    if (const int lower = onePageControl ? view_.lowerPagesHeight() : parts_.splitterH->sizes().value(1); lower > 0)
        form.setInteger(QStringLiteral("PageControlView.Height"), lower);
    for (const StoredTab& t : kStoredTabs)
        form.setBoolean(QLatin1String(t.name), (t.editorPages ? parts_.pageEditor : parts_.pageView)->isTabVisible(t.tab));

    settings.main.largeIconsBar = view_.largeIcons();
    settings.main.showTabIcons = view_.tabIconsShown();
    settings.options.hotColor = ToWindowsColor(parts_.delegate->hotColor());
    settings.options.clipBoard = commands_.isChecked(Cmd::LinkMonitor);
}

} // namespace tarnlink
