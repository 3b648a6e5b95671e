#include "ui/kit/placed_dialog.h"

#include "ui/kit/prompts.h"

#include <QDialog>

namespace tarnlink {

bool RunPlaced(Prompts& prompts, QDialog& dialog, int& left, int& top)
{
    dialog.move(left, top);
    const bool accepted = prompts.runDialog(dialog) == QDialog::Accepted;
    left = dialog.x();
    top = dialog.y();
    return accepted;
}

} // namespace tarnlink
