#pragma once

// The desktop's side of the file association and of the start at log-in, after the freedesktop
// conventions: a shared-MIME-info type for *.tlk and an application entry under XDG_DATA_HOME
// made the type's default, and an entry under XDG_CONFIG_HOME/autostart. Only files are written
// here; the desktop tools that take notice of them are handed back for the caller to start.

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnlink {

inline constexpr char kCollectionMimeType[] = "application/x-tarnlink-collection";
inline constexpr char kDesktopEntryName[] = "tarnlink.desktop";

struct XdgFolders {
    QString dataHome;   // $XDG_DATA_HOME, else ~/.local/share
    QString configHome; // $XDG_CONFIG_HOME, else ~/.config

    // As the XDG base-directory rules read the variables: a relative path counts as unset.
    static XdgFolders fromEnvironment();
};

// A desktop tool to start once the files are in place (update-mime-database, xdg-mime).
struct DesktopTool {
    QString program;
    QStringList arguments;
    friend bool operator==(const DesktopTool&, const DesktopTool&) = default;
};

// The outcome of one change.
struct DesktopChange {
    QStringList unwritable;   // files that could not be written or removed
    QList<DesktopTool> tools; // to start now, in this order
};

class DesktopIntegration {
public:
    // programPath: the full path of the program the entries start.
    DesktopIntegration(XdgFolders folders, QString programPath);

    QString autostartFile() const;
    QString applicationFile() const;
    QString mimePackageFile() const;
    QString mimeAppsFile() const;

    // The autostart entry exists.
    bool autostartEnabled() const;
    // Writes the autostart entry, or removes it.
    DesktopChange setAutostart(bool on) const;
    // Writes the MIME package and the application entry (again, when they exist); the tools
    // rebuild the MIME database and make the entry the type's default.
    DesktopChange associate() const;
    // Removes what associate wrote and nothing else: files written by others under the same
    // names stay, and so do other programs' lines of mimeapps.list.
    DesktopChange dissociate() const;

private:
    XdgFolders folders_;
    QString programPath_;
};

// One argument of a desktop entry's Exec key: quoted, escaped for the quotes and for the string
// value, and with "%" doubled so no field code is read into it.
QString DesktopExecArgument(const QString& argument);

} // namespace tarnlink
