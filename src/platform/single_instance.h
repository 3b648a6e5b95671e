#pragma once

// One running copy per user: a lock file in the user's runtime folder. The lock is held for
// the object's lifetime; a lock left by a crashed copy is taken over.

#include <QLockFile>
#include <QString>

#include <memory>

namespace tarnlink {

class SingleInstanceLock {
public:
    // The default path is "tarnlink.lock" in the runtime folder.
    explicit SingleInstanceLock(const QString& lockPath = defaultPath());
    // False when another copy holds the lock.
    bool acquired() const { return acquired_; }
    static QString defaultPath();

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

} // namespace tarnlink
