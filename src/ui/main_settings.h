#pragma once

// The settings the main window acts on, with their defaults. The settings file layer fills
// this from Tarnlink.ini at start and reads it back at exit; until then the defaults apply.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace tarnlink {

struct MainSettings {
    // Options
    bool OpenFile = true;
    int AutoSaveTime = 0;             // minutes; 0 = off
    uint32_t HotColor = 16711680;     // Windows colour 0x00BBGGRR
    bool ChkAutoExpand = false;
    bool ChkHideSel = false;          // the tree selects the whole line
    bool ChkShowButs = true;
    bool ChkShowRoots = true;
    bool ChkShowHint = true;
    bool ChkListViewGrid = true;
    // Main
    bool LargeIconsBar = true;
    bool ShowTabIcons = true;
    bool TrayIconVisible = false;     // option "Hide window in tray"
    QString OpenDialogInitialDir;
    QString SaveDialogInitialDir;
    uint32_t TreeInactiveFocusColor = 11065263;
    int TreeIndent = 19;
    QStringList RecentFiles;          // newest first
};

} // namespace tarnlink
