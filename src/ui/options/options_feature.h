#pragma once

// The preferences: the command that opens the dialog (menu, tray, Ctrl+T), and the steps after
// OK that the window and the features do not do themselves: the autostart entry and the file
// association of the desktop.

#include "ui/shell/feature.h"

#include <QSet>
#include <QString>

#include <memory>

namespace tarnlink {

class DesktopIntegration;
class TFormOptions;
class Workbench;

class OptionsFeature : public Feature {
public:
    explicit OptionsFeature(Workbench& bench);

    // The dialog as the command makes it: captioned from its menu item, translated, animated
    // and filled from the settings in memory.
    std::unique_ptr<TFormOptions> newDialog();
    // Opens the dialog; on OK stores every page, changes the desktop's entries and applies the
    // settings.
    void MOptionsClick();
    // This program's entries in the user's desktop folders (XDG_DATA_HOME, XDG_CONFIG_HOME).
    static DesktopIntegration desktop();

private:
    void applyDesktop(bool autostart, bool associate);

    Workbench& bench_;
    QSet<QString> missingTools_;
};

} // namespace tarnlink
