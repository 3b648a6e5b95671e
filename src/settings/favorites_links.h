#pragma once

// FavoritesLinks.dat: the short personal list of favorite links kept beside the settings. A
// header line, then two lines per entry: the name (";" in front when the entry is not ticked)
// and the address. Lines end with CR LF.

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarnlink {

struct FavoriteLink {
    QString name;
    QString address;
    bool ticked = true;

    friend bool operator==(const FavoriteLink&, const FavoriteLink&) = default;
};

enum class FavoritesFileState {
    Sound,   // written by us, read whole
    Missing, // no file: an empty list
    Foreign, // a text whose first line is not our header; its lines were read as entries
    Damaged, // cut short, holding a NUL, too large or unreadable: what could be read was
};

struct FavoritesFile {
    QList<FavoriteLink> links;
    FavoritesFileState state = FavoritesFileState::Sound;
};

inline constexpr char kFavoritesFileName[] = "FavoritesLinks.dat";

// In the folder that holds Tarnlink.ini.
QString FavoritesLinksPath();

// The entries of the file's bytes. Never fails: what cannot be read is reported in the state.
FavoritesFile ReadFavoritesLinks(const QByteArray& bytes);
QByteArray FavoritesLinksBytes(const QList<FavoriteLink>& links);

// Reads at most the size of a small text file; a larger file gives the entries of its start.
FavoritesFile LoadFavoritesLinks(const QString& path);
// Replaces the file only once every byte is written. Throws SettingsWriteError naming the path.
void SaveFavoritesLinks(const QString& path, const QList<FavoriteLink>& links);

} // namespace tarnlink
