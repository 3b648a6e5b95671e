#pragma once

// The main menu, the tree's pop-up menu and the tray menu, built from tables. The main menu
// holds each command's primary action (with its shortcut); the pop-up and tray menus hold
// aliases. Every menu asks for fresh command states when it opens.

#include "ui/kit/translate.h"

#include <QList>

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace tarnlink {

class CommandMap;

// Menus that someone other than the table fills or enables.
enum class MenuRole {
    None,
    RecentFiles,     // File > "&Recent files": the document commands
    Language,        // View > "&Language": the language menu
    FavoritesLaunch, // Favorites > "L&aunch": the favorite links
    TrayFavorites,   // the tray's "&Favorites links"
};

class MenuLayout {
public:
    MenuLayout(QMainWindow& window, CommandMap& commands);
    MenuLayout(const MenuLayout&) = delete;
    MenuLayout& operator=(const MenuLayout&) = delete;

    // A row of the menu tables: a command, a separator or a submenu.
    struct Item;

    QMenu* menu(MenuRole role) const;
    // A menu by its English caption, e.g. "&File".
    QMenu* menu(const char* caption) const;
    QMenu* treePopup() const { return treePopup_; }
    QMenu* trayMenu() const { return trayMenu_; }

    // Runs whenever one of the menus opens, before it shows.
    void setOpening(std::function<void()> opening) { opening_ = std::move(opening); }
    // Submenus that follow their items ("Copy as...") are usable when one of their items is.
    void updateSubmenus();
    void retranslate(const Translator& windowText);

private:
    QMenu* build(QMenu* menu, const std::vector<Item>& items, bool aliases);
    QMenu* newMenu(QMenu* parent, const Item& item);

    QMainWindow& window_;
    CommandMap& commands_;
    QMenu* treePopup_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    std::function<void()> opening_;
    std::vector<std::pair<QMenu*, const char*>> titles_;  // for retranslation
    std::vector<std::pair<QAction*, const char*>> ownCaptions_;
    std::vector<std::pair<QMenu*, MenuRole>> roles_;
    QList<QMenu*> followers_;
};

} // namespace tarnlink
