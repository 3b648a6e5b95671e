#include "ui/options/links_page.h"

#include "settings/settings.h"
#include "ui/kit/translate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace tarnlink {

namespace {

struct Unit {
    const char* name;
    const char* caption;
    bool OptionsSection::*setting;
};
constexpr Unit kUnits[] = {
    {"RadioBtnInSec", "Seconds", &OptionsSection::inSec},
    {"RadioBtnInMin", "Minutes", &OptionsSection::inMin},
    {"RadioBtnInHour", "Hours", &OptionsSection::inHour},
    {"RadioBtnInDay", "Days", &OptionsSection::inDay},
    {"RadioBtnInMonth", "Months", &OptionsSection::inMonth},
    {"RadioBtnAutoTime", "Autochange", &OptionsSection::autoTime},
    {"RadioBtnNoChange", "Do not change", &OptionsSection::noChange},
};

} // namespace

LinksPage::LinksPage()
    : checkBDate_(NewCheck("CheckBDate", "Date")), checkBTime_(NewCheck("CheckBTime", "Time"))
{
    setObjectName(QStringLiteral("TabURLTime"));
    auto* group = new QGroupBox(Translate("Show time of last visit at"));
    auto* grid = new QGridLayout(group);
    for (size_t i = 0; i < units_.size(); ++i) {
        units_[i] = new QRadioButton(Translate(kUnits[i].caption));
        units_[i]->setObjectName(QLatin1String(kUnits[i].name));
        grid->addWidget(units_[i], int(i), 0);
    }
    const int last = int(units_.size()) - 1;
    grid->addWidget(checkBDate_, last, 1);
    grid->addWidget(checkBTime_, last, 2);
    grid->setColumnStretch(3, 1);
    StackOnPage(*this, {group});

    connect(RadioBtnNoChange(), &QRadioButton::toggled, this, &LinksPage::followNoChange);
    keepOneChecked(checkBDate_, checkBTime_);
    keepOneChecked(checkBTime_, checkBDate_);
    followNoChange();
}

void LinksPage::load(const Settings& s)
{
    // One unit is on; a file with none on counts as "Autochange", with several the first.
    size_t chosen = 5;
    for (size_t i = 0; i < units_.size(); ++i)
        if (s.options.*kUnits[i].setting) {
            chosen = i;
            break;
        }
    units_[chosen]->setChecked(true);
    checkBDate_->setChecked(s.options.date);
    checkBTime_->setChecked(s.options.time);
}

void LinksPage::store(Settings& s) const
{
    for (size_t i = 0; i < units_.size(); ++i)
        s.options.*kUnits[i].setting = units_[i]->isChecked();
    s.options.date = checkBDate_->isChecked();
    s.options.time = checkBTime_->isChecked();
}

void LinksPage::followNoChange()
{
    const bool noChange = RadioBtnNoChange()->isChecked();
    checkBDate_->setEnabled(noChange);
    checkBTime_->setEnabled(noChange);
}

void LinksPage::keepOneChecked(QCheckBox* box, QCheckBox* other)
{
    connect(box, &QCheckBox::toggled, this, [other](bool on) {
        if (!on && !other->isChecked())
            other->setChecked(true);
    });
}

} // namespace tarnlink
