#pragma once

// The folder that holds Tarnlink.ini and FavoritesLinks.dat.

#include <QString>

namespace tarnlink {

inline constexpr const char* kSettingsFileName = "Tarnlink.ini";
inline constexpr const char* kHomeVariable = "TARNLINK_HOME";

// TARNLINK_HOME when set; else the program's folder when it is writable or already holds
// Tarnlink.ini (portable use); else $XDG_CONFIG_HOME/Tarnlink. Always ends without a slash.
QString homeFolder();
// The rule itself, for given inputs.
QString chooseHomeFolder(const QString& override, const QString& programFolder, const QString& configFolder);

QString settingsFilePath();

} // namespace tarnlink
