#pragma once

// Capture: links taken from outside without typing them. The link monitor adds the addresses of
// every text copied in other programs (silently or through the add dialog), "Add from clipboard"
// does the same once for the clipboard's text, always through the add dialog, and "Add from
// browser" opens the add dialog with the page a running browser shows.

#include "capture/page_source.h"
#include "ui/shell/feature.h"

#include <QString>

#include <memory>

class QAction;

namespace tarnlink {

class AddCommands;
class CaptureRun;
class ClipboardWatcher;
class EditingFeature;
class LinkLaunching;
class Workbench;

class CaptureFeature : public Feature {
public:
    // The notices' links open through launching.
    CaptureFeature(Workbench& bench, EditingFeature& editing, LinkLaunching& launching);
    CaptureFeature(const CaptureFeature&) = delete;
    CaptureFeature& operator=(const CaptureFeature&) = delete;
    ~CaptureFeature() override;

    // Flips the link monitor; the tool button and both menu items show the new state.
    void MLinkMonitor1Click();
    // The state the tool button and the menu items show.
    bool monitorOn() const;
    // The clipboard changed: with the monitor on, and unless this program is the active one
    // without ClipBoardSelf, its addresses are added (silently with AutoAddUrl).
    void PBClipBoard1Change();
    // The addresses of the clipboard's text, each through the add dialog.
    void MTrayAddClipBoardClick();
    // The page of the first browser that shows one, through the add dialog.
    void MTrayfromBrowserClick();

    ClipboardWatcher& watcher() const { return *watcher_; }
    // The browsers asked, in order (tests give their own).
    void setPageSources(PageSources sources) { pages_ = std::move(sources); }

    void started() override;

private:
    // Adds the addresses of the text one after the other; a capture already running (its add
    // dialog open) or any other modal dialog makes it add nothing.
    void addAddresses(const QString& text, bool silentAdd);
    void addSilently(CaptureRun& run);
    bool busy() const;

    Workbench& bench_;
    AddCommands& adds_;
    std::unique_ptr<ClipboardWatcher> watcher_;
    // An alias of the toggle that no one clicks: it keeps the state from before a click, which
    // the clicked item has already flipped by itself.
    QAction* monitorBefore_;
    PageSources pages_;
    bool running_ = false;
};

} // namespace tarnlink
