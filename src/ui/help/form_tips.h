#pragma once

// The "Tip of the day" window: one tip at a time, stepping through the tips, and the choice
// whether it opens at start. It is not modal and frees itself when closed.

#include "settings/tips.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tarnlink {

class ZIREdozudurOdozed;
struct TipsSection;

class TFormTips : public QDialog {
    Q_OBJECT
public:
    // settings must outlive the window; it takes ChkShowTip and TipNum when the window closes.
    TFormTips(TipsSection& settings, QWidget* parent = nullptr);

    // MTips1Click: creates the window, captions it after the menu item, translates it, loads
    // the tips of the current language file (empty path: the built-in tips), shows the tip
    // TipNum and shows the window without making it modal, centred on the parent and active.
    static TFormTips* open(TipsSection& settings, const ZIREdozudurOdozed& table,
                           const QString& languageFile, const QString& menuCaption,
                           QWidget* parent);

    TADTip& tips() { return tips_; }
    void showTip(const QString& tip);

    QLabel* LabTip() const { return labTip_; }
    QPushButton* Button1() const { return close_; }
    QPushButton* Button2() const { return next_; }
    QPushButton* Button3() const { return prev_; }
    QPushButton* Button4() const { return random_; }
    QCheckBox* CheckShowTip() const { return showAtStartup_; }

    void done(int result) override;

private:
    TipsSection& settings_;
    TADTip tips_;
    QLabel* labTip_;
    QPushButton* close_;
    QPushButton* next_;
    QPushButton* prev_;
    QPushButton* random_;
    QCheckBox* showAtStartup_;
};

} // namespace tarnlink
