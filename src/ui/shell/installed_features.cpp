#include "ui/shell/installed_features.h"

#include "ui/editing/editing_feature.h"
#include "ui/help/help_feature.h"
#include "ui/interchange/interchange_feature.h"

namespace tarnlink {

std::vector<std::unique_ptr<Feature>> InstallFeatures(Workbench& bench)
{
    std::vector<std::unique_ptr<Feature>> features;
    auto editing = std::make_unique<EditingFeature>(bench);
    features.push_back(std::move(editing));
    features.push_back(std::make_unique<HelpFeature>(bench));
    features.push_back(std::make_unique<InterchangeFeature>(bench));
    return features;
}

} // namespace tarnlink
