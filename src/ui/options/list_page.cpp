#include "ui/options/list_page.h"

#include "settings/settings.h"

#include <QCheckBox>
#include <QGroupBox>

namespace tarnlink {

ListPage::ListPage()
    : checkListViewAuto_(bound_.check("CheckListViewAuto", "Show automatically", &OptionsSection::chkListViewAuto)),
      checkListViewGrid_(
          bound_.check("CheckListViewGrid", "In table mode show grid", &OptionsSection::chkListViewGrid)),
      checkListViewLink2_(
          bound_.check("CheckListViewLink2", "Launch second link", &OptionsSection::chkListViewLink2)),
      checkListViewOpenGroup_(
          bound_.check("CheckListViewOpenGroup", "Open folder", &OptionsSection::chkListViewOpenGroup))
{
    setObjectName(QStringLiteral("TabListView"));
    StackOnPage(*this, {checkListViewAuto_, checkListViewGrid_,
                        NewGroup("On double click", {checkListViewLink2_, checkListViewOpenGroup_})});
}

} // namespace tarnlink
