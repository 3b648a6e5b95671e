#include "ui/capture/capture_feature.h"

#include "capture/browser_sources.h"
#include "capture/capture_run.h"
#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/capture/clipboard_watcher.h"
#include "ui/editing/add_operations.h"
#include "ui/editing/editing_feature.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/link_notice.h"
#include "ui/launch/link_launching.h"
#include "ui/shell/workbench.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QScopedValueRollback>

namespace tarnlink {

CaptureFeature::CaptureFeature(Workbench& bench, EditingFeature& editing, LinkLaunching& launching)
    : bench_(bench), adds_(editing.adds()), watcher_(std::make_unique<ClipboardWatcher>()),
      monitorBefore_(bench.commands().alias(Cmd::LinkMonitor, watcher_.get())), pages_(BrowserPageSources())
{
    CommandMap& c = bench.commands();
    c.setHandler(Cmd::LinkMonitor, [this] { MLinkMonitor1Click(); });
    c.setHandler(Cmd::AddFromClipboard, [this] { MTrayAddClipBoardClick(); },
                 [this](const SelectionFacts&) { return !watcher_->text().isEmpty(); });
    c.setHandler(Cmd::AddFromBrowser, [this] { MTrayfromBrowserClick(); });
    QObject::connect(watcher_.get(), &ClipboardWatcher::changed, watcher_.get(), [this] {
        bench_.commands().updateStates();
        RunGuarded(bench_.prompts(), [this] { PBClipBoard1Change(); });
    });

    // The address of a notice opens as any address the user launches.
    adds_.hooks().showNotice = [&bench, &launching](const QString& address) {
        LinkNotice::showAdded(
            address, [&launching](const QString& target) { launching.LaunchAddress(target); }, &bench.mainWindow());
    };
}

CaptureFeature::~CaptureFeature() = default;

void CaptureFeature::MLinkMonitor1Click()
{
    bench_.commands().setChecked(Cmd::LinkMonitor, !monitorBefore_->isChecked());
}

bool CaptureFeature::monitorOn() const
{
    return monitorBefore_->isChecked();
}

void CaptureFeature::PBClipBoard1Change()
{
    const OptionsSection& options = bench_.settings().options;
    if (!monitorOn() || (watcher_->programActive() && !options.clipBoardSelf))
        return;
    addAddresses(watcher_->text(), options.autoAddUrl);
}

void CaptureFeature::MTrayAddClipBoardClick()
{
    addAddresses(watcher_->text(), false);
}

void CaptureFeature::MTrayfromBrowserClick()
{
    if (busy())
        return;
    const QScopedValueRollback running(running_, true);
    if (const auto page = AskPageSources(pages_))
        adds_.AddUrl(page->title, page->address);
}

void CaptureFeature::started()
{
    watcher_->start();
    bench_.commands().updateStates();
}

void CaptureFeature::addAddresses(const QString& text, bool silentAdd)
{
    if (busy())
        return;
    const QScopedValueRollback running(running_, true);
    const Settings& settings = bench_.settings();
    CaptureRun run(text, CaptureRules{settings.clipBoardOut, settings.options.uniqueUrl, silentAdd}, bench_.tree());
    if (silentAdd) {
        addSilently(run);
        return;
    }
    while (const auto link = run.next())
        run.added(adds_.AddUrl(link->address, link->address));
}

void CaptureFeature::addSilently(CaptureRun& run)
{
    auto link = run.next();
    if (!link)
        return; // most copies hold no address: the tree control stays as it is
    TfcTreeNodes& tree = bench_.tree();
    TfcTreeNode* last = nullptr;
    {
        // However many links one copy adds, the tree control is rebuilt once.
        UpdateGuard update(tree);
        for (; link; link = run.next())
            run.added(last = adds_.QuickAddLink(link->address));
    }
    // Each quick add selected its link inside the bracket, unheard by the window: the window
    // shows the last one now.
    tree.Select(last);
}

bool CaptureFeature::busy() const
{
    return running_ || QApplication::activeModalWidget();
}

} // namespace tarnlink
