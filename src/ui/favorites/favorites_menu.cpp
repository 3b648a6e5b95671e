#include "ui/favorites/favorites_menu.h"

#include <QAction>
#include <QMenu>

namespace tarnlink {

namespace {

// An entry's name as a menu item shows it: "&" is no accelerator, a tab no shortcut column.
QString menuCaption(QString name)
{
    name.replace(u'&', QLatin1String("&&"));
    name.replace(u'\t', u' ');
    return name;
}

} // namespace

FavoritesMenu::FavoritesMenu(QMenu& menu, QAction* tail) : menu_(menu), tail_(tail) {}

void FavoritesMenu::build(const QList<FavoriteLink>& links)
{
    qsizetype used = 0;
    QList<QAction*> added;
    for (qsizetype i = 0; i < links.size(); ++i) {
        if (!links[i].ticked)
            continue;
        const QString caption = menuCaption(links[i].name);
        if (used < entries_.size()) {
            QAction* action = entries_[used];
            if (action->text() != caption)
                action->setText(caption);
            action->setData(int(i));
        } else {
            auto* action = new QAction(caption, &menu_);
            action->setData(int(i));
            added.append(action);
        }
        ++used;
    }
    while (entries_.size() > used)
        delete entries_.takeLast();
    menu_.insertActions(tail_, added);
    entries_ += added;
}

int FavoritesMenu::entryOf(const QAction* action)
{
    return action->data().isValid() ? action->data().toInt() : -1;
}

} // namespace tarnlink
