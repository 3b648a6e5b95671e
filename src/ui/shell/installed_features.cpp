#include "ui/shell/installed_features.h"

#include "ui/editing/editing_feature.h"
#include "ui/find/find_feature.h"
#include "ui/help/help_feature.h"
#include "ui/sort/sort_feature.h"
#include "ui/tree/tree_editing_feature.h"

namespace tarnlink {

std::vector<std::unique_ptr<Feature>> InstallFeatures(Workbench& bench)
{
    std::vector<std::unique_ptr<Feature>> features;
    auto editing = std::make_unique<EditingFeature>(bench);
    EditingFeature& edits = *editing;
    features.push_back(std::move(editing));
    features.push_back(std::make_unique<TreeEditingFeature>(bench, edits.adds(), edits.protection()));
    features.push_back(std::make_unique<FindFeature>(bench));
    features.push_back(std::make_unique<SortFeature>(bench));
    features.push_back(std::make_unique<HelpFeature>(bench));
    return features;
}

} // namespace tarnlink
