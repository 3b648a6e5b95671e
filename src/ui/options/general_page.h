#pragma once

// Page "General" (TabOther): start, tray, new links, look, autostart, association, automatic
// save.

#include "ui/options/options_page.h"

namespace tarnlink {

class GeneralPage : public OptionsPage {
public:
    GeneralPage();

    void load(const Settings& settings) override;
    void store(Settings& settings) const override;
    // The autostart entry is the desktop's, not a setting.
    void setAutostart(bool on);
    bool autostart() const;

    QCheckBox* CheckOpenFile() const { return checkOpenFile_; }
    QCheckBox* CheckTray() const { return checkTray_; }
    QCheckBox* CheckHttp() const { return checkHttp_; }
    QCheckBox* CheckPassword() const { return checkPassword_; }
    QCheckBox* CheckUniqueUrl() const { return checkUniqueUrl_; }
    QCheckBox* CheckXPStyle() const { return checkXPStyle_; }
    QCheckBox* CheckAutoRun() const { return checkAutoRun_; }
    QCheckBox* CheckAssociate() const { return checkAssociate_; }
    QSpinBox* SpinAutoSaveTime() const { return spinAutoSaveTime_; }

private:
    QCheckBox* checkOpenFile_;
    QCheckBox* checkTray_;
    QCheckBox* checkHttp_;
    QCheckBox* checkPassword_;
    QCheckBox* checkUniqueUrl_;
    QCheckBox* checkXPStyle_;
    QCheckBox* checkAutoRun_;
    QCheckBox* checkAssociate_;
    QSpinBox* spinAutoSaveTime_;
};

} // namespace tarnlink
