#pragma once

// "Find my browsers": the bookmark files of the browser profiles under a home folder, so a user
// imports without hunting for files.

#include "bookmark_formats.h"

#include <QString>

#include <vector>

namespace tarnlink {

struct BrowserProfile {
    BookmarkFormat format;
    QString browser; // the browser and the profile, as a user knows them
    QString path;    // the file to import

    bool operator==(const BrowserProfile&) const = default;
};

// Firefox profiles listed in profiles.ini (also those of the snap and flatpak packages) with the
// newest backup in their bookmarkbackups folder, then the Bookmarks file of every profile of a
// Chromium-family browser under ~/.config and the snap and flatpak packages' settings (a folder
// holding "Local State", one or two levels down, and its profile folders), by the browsers'
// folder names.
std::vector<BrowserProfile> FindBrowserProfiles(const QString& home);

} // namespace tarnlink
