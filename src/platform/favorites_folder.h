#pragma once

#include <QString>

#include <string_view>

namespace tarnlink {

// The Internet Explorer favorites folder of this system: TARNLINK_FAVORITES when it is set, else
// ~/Favorites when that folder exists, else empty.
QString GetFavoritesFolder();

// Whether a node's name can name a file or directory inside the favorites folder: never "." or
// "..", and without a "/" or a NUL that would lead elsewhere.
inline bool IsSafeFavoritesName(std::string_view name)
{
    return name != "." && name != ".." && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

} // namespace tarnlink
