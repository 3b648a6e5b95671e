#pragma once

#include <QString>

namespace tarnlink {

// The Internet Explorer favorites folder of this system: TARNLINK_FAVORITES when it is set, else
// ~/Favorites when that folder exists, else empty.
QString GetFavoritesFolder();

} // namespace tarnlink
