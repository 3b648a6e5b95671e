#pragma once

// A launch menu of the favorite links: one command per ticked entry, in list order, each
// carrying the entry's index. A menu spends several microseconds on every action added or
// removed, so the entry actions are kept from one build to the next and only relabelled.

#include "settings/favorites_links.h"

#include <QList>

class QAction;
class QMenu;

namespace tarnlink {

class FavoritesMenu {
public:
    // The entries go before `tail` (actions of the menu's own that stay last); null for none.
    FavoritesMenu(QMenu& menu, QAction* tail = nullptr);

    QMenu& menu() const { return menu_; }
    void build(const QList<FavoriteLink>& links);
    // The entry index a triggered action of this menu stands for; -1 for the menu's own actions.
    static int entryOf(const QAction* action);

private:
    QMenu& menu_;
    QAction* tail_;
    QList<QAction*> entries_;
};

} // namespace tarnlink
