#pragma once

// Page "Links" (TabURLTime): the unit in which the status bar shows the time since a link's last
// visit, or the stored date and time themselves with their date part, time part or both.

#include "ui/options/options_page.h"

#include <array>

class QRadioButton;

namespace tarnlink {

class LinksPage : public OptionsPage {
public:
    LinksPage();

    void load(const Settings& settings) override;
    void store(Settings& settings) const override;

    // RadioBtnInSec, RadioBtnInMin, RadioBtnInHour, RadioBtnInDay, RadioBtnInMonth,
    // RadioBtnAutoTime, RadioBtnNoChange.
    QRadioButton* unit(int index) const { return units_.at(index); }
    QRadioButton* RadioBtnNoChange() const { return units_.back(); }
    QCheckBox* CheckBDate() const { return checkBDate_; }
    QCheckBox* CheckBTime() const { return checkBTime_; }

private:
    void followNoChange();
    // Unchecking box while other is unchecked checks other, so one of Date and Time stays.
    void keepOneChecked(QCheckBox* box, QCheckBox* other);

    std::array<QRadioButton*, 7> units_;
    QCheckBox* checkBDate_;
    QCheckBox* checkBTime_;
};

} // namespace tarnlink
