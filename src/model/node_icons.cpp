#include "node_icons.h"

#include "tree_node.h"

#include <algorithm>
#include <array>

namespace tarnlink {

int RatingFromImageIndex(int imageIndex)
{
    if (imageIndex >= icon::RatedLinkFirst && imageIndex < icon::RatedLinkFirst + kMaxRating)
        return imageIndex - icon::RatedLinkFirst + 1;
    return 0;
}

int ImageIndexForRating(int rating)
{
    rating = std::clamp(rating, 0, kMaxRating);
    return rating == 0 ? icon::Link : icon::RatedLinkFirst + rating - 1;
}

int SelectedIndexForRating(int rating)
{
    rating = std::clamp(rating, 0, kMaxRating);
    return rating == 0 ? icon::LinkSelected : icon::RatedLinkSelectedFirst + rating - 1;
}

void SetLinkRating(TfcTreeNode& node, int rating)
{
    node.ImageIndex = ImageIndexForRating(rating);
    node.SelectedIndex = SelectedIndexForRating(rating);
}

void SetFolderIcons(TfcTreeNode& node, bool protectedFolder)
{
    node.ImageIndex = protectedFolder ? icon::FolderProtected : icon::Folder;
    node.SelectedIndex = protectedFolder ? icon::FolderProtectedSelected : icon::FolderSelected;
}

void SetIconsForKind(TfcTreeNode& node, int rating)
{
    switch (node.Kind) {
    case KindFolder:
        SetFolderIcons(node, !node.FolderPassword.empty());
        break;
    case KindSeparator:
        node.ImageIndex = node.SelectedIndex = icon::Separator;
        break;
    default:
        SetLinkRating(node, rating);
        break;
    }
}

std::optional<uint32_t> RatingColour(int rating)
{
    static constexpr std::array<uint32_t, kMaxRating> colours{9282771, 6576620, 12616447, 14646224, 6674026};
    if (rating < 1 || rating > kMaxRating)
        return std::nullopt;
    return colours[rating - 1];
}

} // namespace tarnlink
