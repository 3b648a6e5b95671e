#pragma once

// Launching addresses, as the other windows ask for it: the folder list, the favorite links and
// the notices of the link monitor. Failures are shown to the user; the calls never throw.

#include <QString>

namespace tarnlink {

class TfcTreeNode;

class LinkLaunching {
public:
    virtual ~LinkLaunching() = default;
    // Launches a link of the tree and counts the visit: which 0 is Link1, else Link2; 1 is Link1
    // and 2 is Link2. False when nothing was launched.
    virtual bool LaunchLink(TfcTreeNode* node, int which) = 0;
    // Launches first, or second when first is empty or the user prefers second links; no node
    // is touched. False when nothing was launched.
    virtual bool LaunchAddress(const QString& first, const QString& second = {}) = 0;
};

} // namespace tarnlink
