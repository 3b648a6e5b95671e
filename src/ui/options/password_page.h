#pragma once

// Page "Password" (TabPwd): the character sets and the length that the add dialog's password
// generator starts from.

#include "ui/options/options_page.h"

class QPlainTextEdit;

namespace tarnlink {

class PasswordPage : public OptionsPage {
public:
    PasswordPage();

    void load(const Settings& settings) override;

    QCheckBox* CheckPNum() const { return checkPNum_; }
    QCheckBox* CheckPStr() const { return checkPStr_; }
    QCheckBox* CheckPPro() const { return checkPPro_; }
    QCheckBox* CheckPOther() const { return checkPOther_; }
    QPlainTextEdit* MemoPwd() const { return memoPwd_; }
    QSpinBox* SpinPLength() const { return spinPLength_; }

private:
    // Lists the chosen sets and limits the length to their size; with no set chosen, Numerals is
    // chosen again.
    void updateCharsets();

    QCheckBox* checkPNum_;
    QCheckBox* checkPStr_;
    QCheckBox* checkPPro_;
    QCheckBox* checkPOther_;
    QPlainTextEdit* memoPwd_;
    QSpinBox* spinPLength_;
};

} // namespace tarnlink
