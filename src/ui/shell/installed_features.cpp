#include "ui/shell/installed_features.h"

#include "ui/capture/capture_feature.h"
#include "ui/editing/editing_feature.h"
#include "ui/favorites/favorites_feature.h"
#include "ui/feedback/feedback_feature.h"
#include "ui/find/find_feature.h"
#include "ui/help/help_feature.h"
#include "ui/interchange/interchange_feature.h"
#include "ui/launch/launch_feature.h"
#include "ui/linkcheck/link_check_feature.h"
#include "ui/listview/list_view_feature.h"
#include "ui/options/options_feature.h"
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

    auto launch = std::make_unique<LaunchFeature>(bench, *edits.editor());
    LaunchFeature& launching = *launch;
    features.push_back(std::move(launch));
    features.push_back(std::make_unique<ListViewFeature>(bench, launching, edits.adds()));
    features.push_back(std::make_unique<FavoritesFeature>(bench, launching));
    features.push_back(std::make_unique<CaptureFeature>(bench, edits, launching));

    features.push_back(std::make_unique<HelpFeature>(bench));
    features.push_back(std::make_unique<InterchangeFeature>(bench));
    features.push_back(std::make_unique<LinkCheckFeature>(bench));
    features.push_back(std::make_unique<FeedbackFeature>(bench));
    features.push_back(std::make_unique<OptionsFeature>(bench));
    return features;
}

} // namespace tarnlink
