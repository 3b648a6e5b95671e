#include "ui/shell/installed_features.h"

#include "ui/capture/capture_feature.h"
#include "ui/editing/editing_feature.h"
#include "ui/help/help_feature.h"
#include "ui/linkcheck/link_check_feature.h"

namespace tarnlink {

std::vector<std::unique_ptr<Feature>> InstallFeatures(Workbench& bench)
{
    std::vector<std::unique_ptr<Feature>> features;
    auto editing = std::make_unique<EditingFeature>(bench);
    EditingFeature& adding = *editing;
    features.push_back(std::move(editing));
    features.push_back(std::make_unique<CaptureFeature>(bench, adding));
    features.push_back(std::make_unique<HelpFeature>(bench));
    features.push_back(std::make_unique<LinkCheckFeature>(bench));
    return features;
}

} // namespace tarnlink
