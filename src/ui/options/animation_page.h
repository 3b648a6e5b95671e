#pragma once

// Page "Animation" (TabFormAnim): in which windows the opening and closing animations run, and
// their time, frames and steps.

#include "ui/options/options_page.h"

#include <array>

namespace tarnlink {

class AnimationPage : public OptionsPage {
public:
    AnimationPage();

    // CheckMainW, CheckOptionsW, CheckAddW, CheckExpW, CheckFindW, CheckFavW, CheckCheckW,
    // CheckSortW.
    QCheckBox* window(int index) const { return windows_.at(index); }
    QCheckBox* CheckOnShow() const { return checkOnShow_; }
    QCheckBox* CheckOnHide() const { return checkOnHide_; }
    QSpinBox* SpinDelay() const { return spinDelay_; }
    QSpinBox* SpinFrame() const { return spinFrame_; }
    QSpinBox* SpinStep() const { return spinStep_; }

private:
    std::array<QCheckBox*, 8> windows_;
    QCheckBox* checkOnShow_;
    QCheckBox* checkOnHide_;
    QSpinBox* spinDelay_;
    QSpinBox* spinFrame_;
    QSpinBox* spinStep_;
};

} // namespace tarnlink
