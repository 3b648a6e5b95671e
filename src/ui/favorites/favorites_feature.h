#pragma once

// The favorite links: their window, the Favorites menu's commands, and the launch menus built from
// the ticked entries (Favorites > "Launch" and the tray's "Favorites links"). The list is read
// from FavoritesLinks.dat at start and written back at exit; a file that could not be read whole
// is left as it is until the list changes.

#include "settings/favorites_links.h"
#include "ui/favorites/favorites_menu.h"
#include "ui/shell/feature.h"

#include <QString>

namespace tarnlink {

class FavoritesModel;
class LinkLaunching;
class TFormFavorite;
class Workbench;

class FavoritesFeature : public Feature {
public:
    FavoritesFeature(Workbench& bench, LinkLaunching& launching);

    TFormFavorite& window() const { return *window_; }
    FavoritesModel& model() const { return *model_; }

    // Shows the window when it is hidden, hides it when it is shown.
    void MFavoriteEditClick();
    // Appends the selected node's name and Link 1 as a ticked entry.
    void MAddToFavLinkClick();
    // Launches the first entry whose name contains the text typed in the "Launch link" dialog.
    void N46Click();
    // As a menu opens: Favorites > "Launch" is usable when an entry is ticked.
    void MMFavoriteClick();
    // A launch menu's entry: the entry at that index now.
    void launchEntry(int index);

    void started() override;
    void updateStates(const SelectionFacts& facts) override;
    void storeSettings(Settings& settings) override;
    void retranslate() override;
    // Writes the list, unless it came from a file that could not be read whole and stayed as it was.
    void closing() override;

private:
    // A launch menu and whether the list changed since it was built; it is built as it opens.
    struct LaunchMenu {
        FavoritesMenu entries;
        bool stale = true;
    };
    void attachMenu(LaunchMenu& menu);

    Workbench& bench_;
    LinkLaunching& launching_;
    QString path_;
    FavoritesFileState loaded_;
    FavoritesModel* model_;
    TFormFavorite* window_;
    LaunchMenu launchMenu_; // Favorites > "Launch"
    LaunchMenu trayMenu_;   // the tray's "Favorites links", ending with "Edit..."
    bool editedSinceLoad_ = false;
};

} // namespace tarnlink
