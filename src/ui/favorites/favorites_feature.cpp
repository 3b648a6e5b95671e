#include "ui/favorites/favorites_feature.h"

#include "model/tree_node.h"
#include "platform/codepage.h"
#include "settings/settings.h"
#include "ui/favorites/favorites_model.h"
#include "ui/favorites/form_favorite.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/language_actions.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/window_animation.h"
#include "ui/launch/form_launch.h"
#include "ui/launch/link_launching.h"
#include "ui/shell/workbench.h"

#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace tarnlink {

namespace {

// The tray's submenu ends with a separator and "Edit..."; the entries go before them.
QAction* trayTail(Workbench& bench)
{
    QMenu& tray = bench.menu(MenuPlace::TrayFavorites);
    QAction* separator = tray.addSeparator();
    tray.addAction(bench.commands().alias(Cmd::FavoritesEdit, &tray));
    tray.setEnabled(true);
    return separator;
}

} // namespace

FavoritesFeature::FavoritesFeature(Workbench& bench, LinkLaunching& launching)
    : bench_(bench), launching_(launching), path_(FavoritesLinksPath()),
      launchMenu_{FavoritesMenu(bench.menu(MenuPlace::FavoritesLaunch))},
      trayMenu_{FavoritesMenu(bench.menu(MenuPlace::TrayFavorites), trayTail(bench))}
{
    model_ = new FavoritesModel(&bench.mainWindow());
    window_ = new TFormFavorite(*model_, &bench.mainWindow());
    AnimateWindow(*window_, AnimatedWindow::Favorites, bench.settings().options);
    window_->launch = [this](const QString& address) { launching_.LaunchAddress(address); };
    const Settings& settings = bench.settings();
    window_->move(settings.main.favWLeft, settings.main.favWTop);
    window_->resize(settings.main.favWWidth, settings.main.favWHeight);
    window_->ListView()->setColumnWidth(FavoritesModel::ColName, settings.favoritesLinks.vColW1);
    window_->ListView()->setColumnWidth(FavoritesModel::ColLink, settings.favoritesLinks.vColW2);
    bench.languageWindows().add(window_);

    FavoritesFile file = LoadFavoritesLinks(path_);
    loaded_ = file.state;
    model_->setLinks(std::move(file.links));
    QObject::connect(model_, &FavoritesModel::edited, model_, [this] {
        launchMenu_.stale = trayMenu_.stale = true;
        editedSinceLoad_ = true;
    });

    CommandMap& c = bench.commands();
    c.setHandler(Cmd::FavoritesEdit, [this] { MFavoriteEditClick(); });
    c.setHandler(Cmd::FavoritesLaunchLink, [this] { N46Click(); });
    c.setHandler(Cmd::FavoritesAddSelected, [this] { MAddToFavLinkClick(); },
                 [](const SelectionFacts& f) { return f.link(); });
    c.setHandler(Cmd::AddToFavorites, [this] { MAddToFavLinkClick(); },
                 [](const SelectionFacts& f) { return f.notFolder(); });

    attachMenu(launchMenu_);
    attachMenu(trayMenu_);
}

void FavoritesFeature::attachMenu(LaunchMenu& launch)
{
    QMenu& menu = launch.entries.menu();
    menu.setProperty(kUntranslatedProperty, true); // the entries' names are data
    QObject::connect(&menu, &QMenu::aboutToShow, model_, [this, &launch] {
        if (launch.stale)
            launch.entries.build(model_->links());
        launch.stale = false;
    });
    QObject::connect(&menu, &QMenu::triggered, model_,
                     [this](QAction* action) { launchEntry(FavoritesMenu::entryOf(action)); });
}

void FavoritesFeature::MFavoriteEditClick()
{
    if (window_->isVisible()) {
        window_->hide();
        return;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void FavoritesFeature::MAddToFavLinkClick()
{
    if (const TfcTreeNode* node = bench_.tree().Selected())
        model_->append({codepage::toDisplay(node->Name()), codepage::toDisplay(node->Link1), true});
}

void FavoritesFeature::N46Click()
{
    const auto typed = TFormLaunch::ask(bench_.prompts(), bench_.commands().caption(Cmd::FavoritesLaunchLink),
                                        bench_.language(), &bench_.mainWindow());
    if (typed)
        launchEntry(model_->findByName(*typed));
}

void FavoritesFeature::launchEntry(int index)
{
    if (index >= 0 && index < model_->links().size())
        launching_.LaunchAddress(model_->links()[index].address);
}

void FavoritesFeature::MMFavoriteClick()
{
    const QList<FavoriteLink>& links = model_->links();
    const bool anyTicked = std::any_of(links.begin(), links.end(), [](const FavoriteLink& l) { return l.ticked; });
    launchMenu_.entries.menu().setEnabled(anyTicked);
}

void FavoritesFeature::started()
{
    QString text;
    if (loaded_ == FavoritesFileState::Foreign)
        text = Translate("%s is not a favorites file of Tarnlink: its lines are shown as links, and the file stays as it is until you change the list.");
    else if (loaded_ == FavoritesFileState::Damaged)
        text = Translate("%s could not be read whole: the links read are shown, and the file stays as it is until you change the list.");
    if (text.isEmpty())
        return;
    text.replace(QLatin1String("%s"), QDir::toNativeSeparators(path_));
    // Said once the main window is on the screen, not before it.
    QTimer::singleShot(0, &bench_.mainWindow(), [this, text] { bench_.prompts().warn(text); });
}

void FavoritesFeature::updateStates(const SelectionFacts&)
{
    MMFavoriteClick();
}

void FavoritesFeature::storeSettings(Settings& settings)
{
    settings.main.favWLeft = window_->x();
    settings.main.favWTop = window_->y();
    settings.main.favWWidth = window_->width();
    settings.main.favWHeight = window_->height();
    settings.favoritesLinks.vColW1 = window_->ListView()->columnWidth(FavoritesModel::ColName);
    settings.favoritesLinks.vColW2 = window_->ListView()->columnWidth(FavoritesModel::ColLink);
}

void FavoritesFeature::retranslate()
{
    window_->retranslate();
}

void FavoritesFeature::closing()
{
    const bool readWhole = loaded_ == FavoritesFileState::Sound || loaded_ == FavoritesFileState::Missing;
    if (!readWhole && !editedSinceLoad_)
        return;
    // A list that cannot be written is reported; the program still ends.
    RunGuarded(bench_.prompts(), [this] { SaveFavoritesLinks(path_, model_->links()); });
}

} // namespace tarnlink
