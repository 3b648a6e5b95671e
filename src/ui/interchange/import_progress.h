#pragma once

// What a long import shows while it reads: a progress dialog that keeps the window painting and
// offers Cancel. Only imports that read into a scratch tree ask for one, so cancelling never
// leaves a half-built tree behind.

#include "model/tree_counts.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace tarnlink {

class ImportProgress {
public:
    virtual ~ImportProgress() = default;
    // Called for every node read; false once the user cancelled.
    virtual bool carryOn(const TreeCounts& read) = 0;
};

// Makes the progress of one import, titled after its command.
using ImportProgressFactory = std::function<std::unique_ptr<ImportProgress>(const QString& title)>;

// A modal progress dialog over parent: it appears when the import lasts, and a few times a
// second shows the links read so far and lets the window paint.
std::unique_ptr<ImportProgress> ShowImportProgress(QWidget* parent, const QString& title);

} // namespace tarnlink
