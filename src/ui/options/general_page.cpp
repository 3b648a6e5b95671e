#include "ui/options/general_page.h"

#include "settings/settings.h"

#include <QCheckBox>
#include <QSpinBox>

namespace tarnlink {

namespace {
// The tray icon is kept with the main window's control properties.
const QString kTrayIconVisible = QStringLiteral("Tray.IconVisible");
} // namespace

GeneralPage::GeneralPage()
    : checkOpenFile_(bound_.check("CheckOpenFile", "Open last file at startup", &OptionsSection::openFile)),
      checkTray_(NewCheck("CheckTray", "Hide window in tray")),
      checkHttp_(bound_.check("CheckHttp", "Add http:// to links", &OptionsSection::http)),
      checkPassword_(bound_.check("CheckPassword", "Show password as stars", &OptionsSection::password)),
      checkUniqueUrl_(bound_.check("CheckUniqueUrl", "Check unique links", &OptionsSection::uniqueUrl)),
      checkXPStyle_(bound_.check("CheckXPStyle", "XP style for Windows`9x", &OptionsSection::xpStyle)),
      checkAutoRun_(NewCheck("CheckAutoRun", "Autostart")),
      checkAssociate_(
          bound_.check("CheckAssociate", "Associate .TLK extension with Tarnlink", &OptionsSection::associate)),
      spinAutoSaveTime_(bound_.spin("SpinAutoSaveTime", 0, 60, &OptionsSection::autoSaveTime))
{
    setObjectName(QStringLiteral("TabOther"));
    StackOnPage(*this, {checkOpenFile_, checkTray_, checkHttp_, checkPassword_, checkUniqueUrl_, checkXPStyle_,
                        checkAutoRun_, checkAssociate_,
                        NewFieldRows({{"Save file every", spinAutoSaveTime_, "min"}})});
}

void GeneralPage::load(const Settings& s)
{
    OptionsPage::load(s);
    checkTray_->setChecked(s.form.boolean(kTrayIconVisible, false));
}

void GeneralPage::store(Settings& s) const
{
    OptionsPage::store(s);
    s.form.setBoolean(kTrayIconVisible, checkTray_->isChecked());
}

void GeneralPage::setAutostart(bool on)
{
    checkAutoRun_->setChecked(on);
}

bool GeneralPage::autostart() const
{
    return checkAutoRun_->isChecked();
}

} // namespace tarnlink
