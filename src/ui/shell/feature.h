#pragma once

// A feature of the main window: a family of commands and windows that plugs into the window
// through the Workbench and answers the window's events. Every event has a harmless default; the
// window calls each feature in the order they were installed.

#include "ui/kit/selection_facts.h"
#include "ui/kit/tree_edit.h"

namespace tarnlink {

class TfcTreeNode;
struct Settings;

// The selected node was shown anew (the selection changed, or a node was expanded or
// collapsed); `listed` is the node whose level the list page shows.
struct ShownNode {
    TfcTreeNode* selected = nullptr;
    TfcTreeNode* listed = nullptr;
};

class Feature {
public:
    virtual ~Feature() = default;

    // Writes edits still pending in the feature's editors into the tree. False refuses what
    // asked for it (the selection stays, the command does not run).
    virtual bool commitEdits() { return true; }
    virtual void nodeShown(const ShownNode&) {}
    // New and Open emptied the tree.
    virtual void documentCleared() {}
    // A command changed the tree; the document is already marked modified and counted.
    virtual void treeEdited(const TreeEdit&) {}
    // The states of the feature's own controls for the selection (commands follow their rules).
    virtual void updateStates(const SelectionFacts&) {}
    // False refuses the close of the window, silently.
    virtual bool mayClose() { return true; }
    // Copies the live values of the feature's windows into the settings before they are written.
    virtual void storeSettings(Settings&) {}
    // The settings in memory changed (the preferences): apply what acts at once.
    virtual void settingsChanged(const Settings&) {}
    // The language changed: texts that code puts into controls.
    virtual void retranslate() {}
    // The start-up finished: the files to open at start are open.
    virtual void started() {}
    // The window closes for good; the settings are written.
    virtual void closing() {}
};

} // namespace tarnlink
