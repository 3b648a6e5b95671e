#pragma once

// Page "Explorer" (TabExplorer): deleting favorites with their nodes, the tree's options and
// indent, and the confirmations of deleting and moving nodes.

#include "ui/options/options_page.h"

namespace tarnlink {

class ExplorerPage : public OptionsPage {
public:
    ExplorerPage();

    void load(const Settings& settings) override;
    void store(Settings& settings) const override;

    QCheckBox* CheckDelUrl() const { return checkDelUrl_; }
    QCheckBox* CheckAutoExpand() const { return checkAutoExpand_; }
    QCheckBox* CheckHideSel() const { return checkHideSel_; }
    QCheckBox* CheckShowButs() const { return checkShowButs_; }
    QCheckBox* CheckShowRoots() const { return checkShowRoots_; }
    QCheckBox* CheckShowHint() const { return checkShowHint_; }
    QCheckBox* CheckSelectAutoFoler() const { return checkSelectAutoFoler_; }
    QSpinBox* SpinIdent() const { return spinIdent_; }
    QCheckBox* CheckConfirmDelete() const { return checkConfirmDelete_; }
    QCheckBox* CheckConfirmMove() const { return checkConfirmMove_; }

private:
    QCheckBox* checkDelUrl_;
    QCheckBox* checkAutoExpand_;
    QCheckBox* checkHideSel_;
    QCheckBox* checkShowButs_;
    QCheckBox* checkShowRoots_;
    QCheckBox* checkShowHint_;
    QCheckBox* checkSelectAutoFoler_;
    QSpinBox* spinIdent_;
    QCheckBox* checkConfirmDelete_;
    QCheckBox* checkConfirmMove_;
};

} // namespace tarnlink
