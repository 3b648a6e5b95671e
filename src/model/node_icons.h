#pragma once

// The tree's icon indexes, which encode a node's kind, a link's rating and a folder's
// protection, and the text colours of rated links.

#include <cstdint>
#include <optional>

namespace tarnlink {

class TfcTreeNode;

namespace icon {
inline constexpr int Link = 0;
inline constexpr int LinkSelected = 1;
inline constexpr int Folder = 2;
inline constexpr int FolderSelected = 3;
inline constexpr int FolderProtected = 4;
inline constexpr int FolderProtectedSelected = 5;
inline constexpr int Separator = 7;
inline constexpr int RatedLinkFirst = 8;          // rating 1; ratings 2..5 follow
inline constexpr int RatedLinkSelectedFirst = 13; // rating 1 selected; 2..5 follow
inline constexpr int TreeImageCount = 18;
} // namespace icon

inline constexpr int kMaxRating = 5;

// 0 for ImageIndex 0 and for anything that is not a rated-link icon.
int RatingFromImageIndex(int imageIndex);
int ImageIndexForRating(int rating);
int SelectedIndexForRating(int rating);
// Sets both icon indexes of a link from a rating 0..5 (clamped).
void SetLinkRating(TfcTreeNode& node, int rating);
// Sets both icon indexes of a folder from its protection.
void SetFolderIcons(TfcTreeNode& node, bool protectedFolder);
// Sets the icons that match the node's kind, rating and FolderPassword.
void SetIconsForKind(TfcTreeNode& node, int rating = 0);

// A rated link's text colour as a Windows colour value 0x00BBGGRR; none for rating 0.
std::optional<uint32_t> RatingColour(int rating);

} // namespace tarnlink
