#pragma once

// File > Import: Internet Explorer favorites, Opera hotlists, text files and other collections,
// appended below the selected folder (or at the end of the top level) and shown with one reset
// of the tree. Favorites and hotlists, which may be long, are read into a scratch tree under a
// progress dialog and copied in at the end: the tree stays as it was while they read and when
// they are cancelled.

#include "model/tree_counts.h"
#include "ui/interchange/import_progress.h"
#include "ui/kit/command_map.h"

#include <functional>

namespace tarnlink {

class ImportEvents;
class TfcTreeNode;
class TfcTreeNodes;
class Workbench;

class ImportCommands {
public:
    explicit ImportCommands(Workbench& bench);

    void MImoprtFromIEfavoritesClick();
    void MImoprtOpera1Click();
    void MImportTxtClick();
    void MImportTlkClick();

    bool importing() const { return importing_; }
    // Tests count or cancel through their own progress.
    void setProgress(ImportProgressFactory progress) { progress_ = std::move(progress); }

private:
    // A file chosen through the open dialog the Open command shares; empty when cancelled.
    QString chooseFile(const QString& title, const QString& filter, const char* suffix);
    // A reader's events go to a sink on a scratch tree, which is copied below the target at the
    // end. What was read before a reader fails stays; cancelling adds nothing.
    void importRead(Cmd command, const std::function<void(ImportEvents&)>& read);
    // An engine that appends below the selection itself; what it added before failing is counted.
    void importInPlace(const std::function<void(TreeCounts&)>& import);
    void appendCopies(const TfcTreeNodes& scratch, TfcTreeNode* target);
    // Counters, modified flag, the features and the status bar.
    void finish(const TreeCounts& added);

    Workbench& bench_;
    ImportProgressFactory progress_;
    bool importing_ = false;
};

} // namespace tarnlink
