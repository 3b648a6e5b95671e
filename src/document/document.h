#pragma once

// The open collection's state besides its tree: where it lives, whether it holds unsaved
// changes, its counters and the recent-files list.

#include "model/tree_counts.h"

#include <QString>
#include <QStringList>

namespace tarnlink {

// Newest first, at most five paths; paths are compared without regard to letter case. Every path
// is kept absolute and clean, so an entry still names its file after a start from another folder.
class RecentFiles {
public:
    static constexpr int kMaxEntries = 5;

    const QStringList& entries() const { return entries_; }
    bool isEmpty() const { return entries_.isEmpty(); }
    // Moves an entry already present to the top, else puts the path on top and drops the sixth.
    // A relative path is taken from the current folder.
    void add(const QString& path);
    void remove(const QString& path);
    void setEntries(const QStringList& entries);

private:
    qsizetype indexOf(const QString& path) const;
    QStringList entries_;
};

struct Document {
    QString path; // empty for an untitled document
    bool modified = false;
    TreeCounts counts;

    bool untitled() const { return path.isEmpty(); }
    void reset()
    {
        path.clear();
        modified = false;
        counts = {};
    }
};

} // namespace tarnlink
