#pragma once

// The Help menu's own commands: the help page (F1, Ctrl+K), the tip of the day (F2 and at start)
// and the about box.

#include "ui/shell/feature.h"

namespace tarnlink {

class TFormTips;
class Workbench;

class HelpFeature : public Feature {
public:
    explicit HelpFeature(Workbench& bench);

    // F2: a new, independent tip window.
    TFormTips* MTips1Click();

    // The tip of the day at start, when it is wanted.
    void started() override;
    // A tip window still open hands over "Show at startup" and its tip number, as its own close
    // does, before the settings are written.
    void storeSettings(Settings& settings) override;

private:
    Workbench& bench_;
};

} // namespace tarnlink
