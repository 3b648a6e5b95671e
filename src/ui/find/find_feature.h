#pragma once

// Find and Find next: the search dialog with its remembered choices, the search, and the found
// node selected in the tree.

#include "ui/shell/feature.h"

#include <QString>

namespace tarnlink {

class Workbench;

class FindFeature : public Feature {
public:
    explicit FindFeature(Workbench& bench);

    void MFindTextClick();
    void MFindNextClick();

private:
    void search(const QString& text, bool includeStart, bool fromBeginning, bool forward);

    Workbench& bench_;
};

} // namespace tarnlink
