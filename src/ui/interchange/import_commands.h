#pragma once

// File > Import: Internet Explorer favorites, Opera hotlists, text files and other collections,
// and the bookmark files of today's browsers, appended below the selected folder (or at the end
// of the top level) and shown with one reset of the tree. Favorites, hotlists and browsers'
// files, which may be long, are read into a scratch tree under a progress dialog and copied in
// at the end: the tree stays as it was while they read and when they are cancelled.

#include "interchange/bookmark_formats.h"
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
    // Today's browsers: a file each, or one of the profiles found on this computer; a summary
    // of what was read and passed over follows.
    void MImportNetscapeClick();
    void MImportFirefoxClick();
    void MImportChromiumClick();
    void MImportXbelClick();
    void MImportBrowsersClick();

    bool importing() const { return importing_; }
    // Tests count or cancel through their own progress.
    void setProgress(ImportProgressFactory progress) { progress_ = std::move(progress); }
    // Where browsers' profiles are looked for; the user's home folder unless a test sets one.
    void setHome(QString home) { home_ = std::move(home); }

private:
    // A file chosen through the open dialog the Open command shares; empty when cancelled.
    QString chooseFile(const QString& title, const QString& filter, const char* suffix);
    // A reader's events go to a sink on a scratch tree, which is copied below the target at the
    // end. What was read before a reader fails stays; cancelling adds nothing (false).
    bool importRead(Cmd command, const std::function<void(ImportEvents&)>& read);
    // source: the file or the browser's profile, as the summary names it.
    void importBookmarks(Cmd command, BookmarkFormat format, const QString& path, const QString& source);
    void chooseBookmarkFile(Cmd command, BookmarkFormat format, const char* title, const QString& filter);
    // An engine that appends below the selection itself; what it added before failing is counted.
    void importInPlace(const std::function<void(TreeCounts&)>& import);
    // Counters, modified flag, the features and the status bar.
    void finish(const TreeCounts& added);

    Workbench& bench_;
    ImportProgressFactory progress_;
    QString home_;
    bool importing_ = false;
};

} // namespace tarnlink
