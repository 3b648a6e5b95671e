#pragma once

// Launching links: the Link menu's launch commands, the button above the tree, the double click
// and the keys typed in the tree, the "Launch link" dialog and "Copy as...". A launch from the
// tree counts the visit; other windows launch through LaunchAddress, which counts nothing.

#include "ui/launch/copy_as.h"
#include "ui/launch/link_launching.h"
#include "ui/shell/feature.h"

namespace tarnlink {

class PropertiesEditor;
class Workbench;

class LaunchFeature : public Feature, public LinkLaunching {
public:
    // The editor shows the launched node's visit in the status bar, and its fields are what the
    // tree's "Copy as..." copies.
    LaunchFeature(Workbench& bench, PropertiesEditor& editor);

    bool LaunchLink(TfcTreeNode* node, int which) override;
    bool LaunchAddress(const QString& first, const QString& second = {}) override;

    // The Link menu's "Launch link...": launches what is typed, as typed.
    void MLaunchLink1Click();
    // "Copy as..." of the Link menu and the tree's pop-up: the editor's name and its Link 1,
    // or Link 2 when Link 1 is empty.
    void Textonly1Click(CopyForm form);

private:
    // Shows the failure; false when the browser could not be started.
    bool open(const QString& address);

    Workbench& bench_;
    PropertiesEditor& editor_;
};

} // namespace tarnlink
