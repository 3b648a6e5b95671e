#pragma once

// What the settings file keeps of the main window: placement, fonts and colours of the tree and
// the description, the visible tool bars, panels and tabs, the splitters, and the options that act
// on the window at once (look, automatic save, hot colour, tree options, link monitor).

#include "settings/settings.h"

#include <QRect>

class QMainWindow;
class QTimer;

namespace tarnlink {

// Where the main window opens when no placement is stored: two thirds of the available screen,
// but at least 900 x 600 where the screen has room (its frame included), in its middle.
QRect FirstStartGeometry(const QRect& available);

class CommandMap;
class TrayIcon;
class ViewCommands;
struct MainParts;

class WindowState : public RestoreActions {
public:
    WindowState(QMainWindow& window, MainParts& parts, ViewCommands& view, TrayIcon& tray, QTimer& autoSave,
                CommandMap& commands);

    void applyFormStorage(const FormStorage& form) override;
    void showMaximised() override;
    void setLargeIconsBar(bool on) override;
    void setShowTabIcons(bool on) override;
    // The list view and the browser launcher read their values from the settings themselves.
    void setListViewColumnWidths(const std::array<int, 6>&) override {}
    void setBrowserWindowState(int) override {}
    void setBrowserProgram(const QString&) override {}
    void setXpStyle(bool on) override;
    void setAutoSaveInterval(int milliseconds) override;
    void setHotColor(int colour) override;
    void setTreeOptions(bool selectLine, bool showButtons, bool showLines, bool showHint) override;
    void setLinkMonitor(bool on) override;

    // The options of the window again, after they changed in memory: the tray icon, the look,
    // the automatic save, the tree's fonts, colours and options, the link monitor's check.
    void applyOptions(const Settings& settings);
    // Copies the live window into the settings.
    void store(Settings& settings) const;

private:
    // Fonts, colours and indent of the tree and the description box.
    void applyLook(const FormStorage& form);

    QMainWindow& window_;
    MainParts& parts_;
    ViewCommands& view_;
    TrayIcon& tray_;
    QTimer& autoSave_;
    CommandMap& commands_;
};

} // namespace tarnlink
