#pragma once

// The program's two image lists. The tree's list holds the node icons by the indexes of
// node_icons.h (a selected node shows its SelectedIndex image). The menu list gives tool bar,
// menu and tab images: the desktop theme's icon by freedesktop name, else our own drawing.

#include <QIcon>

namespace tarnlink::images {

inline constexpr int kMenuImageCount = 41;

namespace menu {
inline constexpr int New = 0, Open = 1, Save = 2, SaveAs = 3, Import = 4, Export = 5, Print = 6,
                     Properties = 7, Exit = 8, LaunchLink = 9, CopyAs = 10, AddLink = 11, AddFolder = 12,
                     AddSeparator = 13, Find = 14, FindNext = 15, Password = 16, Cut = 17, Copy = 18,
                     Paste = 19, Delete = 20, CheckLinks = 21, Sort = 22, Collapse = 23, Expand = 24,
                     LevelUp = 25, LevelDown = 26, Favorites = 27, LinkMonitor = 28, AddFromClipboard = 29,
                     AddFromBrowser = 30, Preferences = 31, Refresh = 32, Help = 33, About = 34, WebSite = 35,
                     TabList = 36, TabDescription = 37, TabScreenshot = 38, Mail = 39, Tip = 40;
} // namespace menu

// Image `imageIndex` in normal mode and `selectedIndex` in selected mode; an index outside
// the list gives a null icon.
QIcon treeIcon(int imageIndex, int selectedIndex);
QIcon treeImage(int index);
QIcon menuImage(int index);
QIcon applicationIcon();

} // namespace tarnlink::images
