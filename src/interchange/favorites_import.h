#pragma once

// Internet Explorer favorites: a directory tree in which every subdirectory is a folder and every
// file an Internet shortcut.

#include <QString>

#include <string>

namespace tarnlink {

class ImportEvents;
class TfcTreeNodes;
struct TreeCounts;

// The value of "URL" in section "InternetShortcut", read by the profile rules (sections and keys
// in any letter case, first match, surrounding quotes dropped, at most 2,047 characters); empty
// when the file cannot be read, is no regular file, is larger than 1 MiB or has no such key.
std::string ReadShortcutUrl(const QString& path);

// Walks folder depth first in the order the file system lists it and reports every directory as
// a folder (directories named with a leading "." are skipped) and every plain file with write
// permission (a file with the archive attribute) as a link named after the file without its
// extension. Read-only files, other kinds of file and links to directories are passed over.
// Ends with a folder end, as every directory walk does.
void ReadFavoritesFolder(const QString& folder, ImportEvents& events);

// The whole import: below the import target of the tree's selection, inside one update bracket.
void ImportFromIEFavorites(TfcTreeNodes& tree, TreeCounts& counts, const QString& folder);

} // namespace tarnlink
