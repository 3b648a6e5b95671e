#pragma once

// Page "Link monitor" (TabLinkMonitor): the clipboard link monitor and its exclusion list.

#include "ui/options/options_page.h"

class QPlainTextEdit;

namespace tarnlink {

class LinkMonitorPage : public OptionsPage {
public:
    LinkMonitorPage();

    void load(const Settings& settings) override;
    void store(Settings& settings) const override;

    QCheckBox* CheckClipBoard() const { return checkClipBoard_; }
    QCheckBox* CheckAutoAddUrl() const { return checkAutoAddUrl_; }
    QCheckBox* CheckMSNPopup() const { return checkMSNPopup_; }
    QCheckBox* CheckClipBoardSelf() const { return checkClipBoardSelf_; }
    QPlainTextEdit* MemoCBOut() const { return memoCBOut_; }

private:
    QCheckBox* checkClipBoard_;
    QCheckBox* checkAutoAddUrl_;
    QCheckBox* checkMSNPopup_;
    QCheckBox* checkClipBoardSelf_;
    QPlainTextEdit* memoCBOut_;
};

} // namespace tarnlink
