#pragma once

// Sort: the sort dialog with its stored choices, and the sort of every level of the tree.

#include "ui/shell/feature.h"

namespace tarnlink {

class Workbench;

class SortFeature : public Feature {
public:
    explicit SortFeature(Workbench& bench);

    void MSortClick();

private:
    Workbench& bench_;
};

} // namespace tarnlink
