#pragma once

// The features of the main window, in the order they hear the window's events. This is the one
// place that names them: a new feature is added here.

#include <memory>
#include <vector>

namespace tarnlink {

class Feature;
class Workbench;

std::vector<std::unique_ptr<Feature>> InstallFeatures(Workbench& bench);

} // namespace tarnlink
