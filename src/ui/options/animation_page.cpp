#include "ui/options/animation_page.h"

#include "settings/settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarnlink {

AnimationPage::AnimationPage()
{
    setObjectName(QStringLiteral("TabFormAnim"));
    // The sort window's choice is held in memory only.
    windows_ = {bound_.check("CheckMainW", "Main window", &OptionsSection::chkMainW),
                bound_.check("CheckOptionsW", "Preferences window", &OptionsSection::chkOptionsW),
                bound_.check("CheckAddW", "Add window", &OptionsSection::chkAddW),
                bound_.check("CheckExpW", "Export window", &OptionsSection::chkExpW),
                bound_.check("CheckFindW", "Find window", &OptionsSection::chkFindW),
                bound_.check("CheckFavW", "Favorites window", &OptionsSection::chkFavW),
                bound_.check("CheckCheckW", "Check window", &OptionsSection::chkCheckW),
                bound_.check("CheckSortW", "Sort window", &OptionsSection::chkSortW)};
    checkOnShow_ = bound_.check("CheckOnShow", "Open", &OptionsSection::chkOnShow);
    checkOnHide_ = bound_.check("CheckOnHide", "Close", &OptionsSection::chkOnHide);
    spinDelay_ = bound_.spin("SpinDelay", 1, 10, &OptionsSection::spDelay);
    spinFrame_ = bound_.spin("SpinFrame", 1, 10, &OptionsSection::spFrame);
    spinStep_ = bound_.spin("SpinStep", 1, 99, &OptionsSection::spStep);

    QWidget* numbers = NewFieldRows({{"Time", spinDelay_}, {"Frame", spinFrame_}, {"Step", spinStep_}});
    auto* row = new QHBoxLayout;
    row->addWidget(NewGroup("Windows", {windows_.begin(), windows_.end()}), 1);
    row->addWidget(NewGroup("Properites", {checkOnShow_, checkOnHide_, numbers}), 1, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
}

} // namespace tarnlink
