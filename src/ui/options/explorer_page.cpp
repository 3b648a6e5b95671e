#include "ui/options/explorer_page.h"

#include "settings/settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSpinBox>

namespace tarnlink {

namespace {
constexpr char kDeleteFromFavorites[] = "Delete from IE \"Favorites\"";
// The tree's indent is kept with the main window's control properties.
const QString kTreeIndent = QStringLiteral("TreeInet.Indent");
constexpr int kDefaultIndent = 19;
} // namespace

ExplorerPage::ExplorerPage()
    : checkDelUrl_(bound_.check("CheckDelUrl", kDeleteFromFavorites, &OptionsSection::chkDelUrl)),
      checkAutoExpand_(bound_.check("CheckAutoExpand", "Open folders single click", &OptionsSection::chkAutoExpand)),
      checkHideSel_(bound_.check("CheckHideSel", "Select line", &OptionsSection::chkHideSel)),
      checkShowButs_(bound_.check("CheckShowButs", "Show buttons", &OptionsSection::chkShowButs)),
      checkShowRoots_(bound_.check("CheckShowRoots", "Show lines", &OptionsSection::chkShowRoots)),
      checkShowHint_(bound_.check("CheckShowHint", "Show hint", &OptionsSection::chkShowHint)),
      checkSelectAutoFoler_(
          bound_.check("CheckSelectAutoFoler", "Auto select folder", &OptionsSection::chkSelectAutoFoler)),
      spinIdent_(NewSpin("SpinIdent", 10, 50)),
      checkConfirmDelete_(bound_.check("CheckConfirmDelete", "On deleting nodes", &OptionsSection::chkConfirmDelete)),
      checkConfirmMove_(bound_.check("CheckConfirmMove", "On moving nodes", &OptionsSection::chkConfirmMove))
{
    setObjectName(QStringLiteral("TabExplorer"));
    StackOnPage(*this, {checkDelUrl_,
                        NewGroup("Options", {checkAutoExpand_, checkHideSel_, checkShowButs_, checkShowRoots_,
                                             checkShowHint_, checkSelectAutoFoler_,
                                             NewFieldRows({{"Indent width for nodes", spinIdent_}})}),
                        NewGroup("Confirm", {checkConfirmDelete_, checkConfirmMove_})});
}

void ExplorerPage::load(const Settings& s)
{
    OptionsPage::load(s);
    spinIdent_->setValue(s.form.integer(kTreeIndent, kDefaultIndent));
}

void ExplorerPage::store(Settings& s) const
{
    OptionsPage::store(s);
    s.form.setInteger(kTreeIndent, spinIdent_->value());
}

} // namespace tarnlink
