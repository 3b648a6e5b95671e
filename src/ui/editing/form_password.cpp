#include "ui/editing/form_password.h"

#include "ui/kit/command_map.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/translate.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnlink {

TPasswordDlg::TPasswordDlg(Mode mode, bool passwordStars, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(CaptionFromMenu(Translate(CommandMap::info(Cmd::Password).caption)));

    auto makeEdit = [passwordStars](const char* name) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QLatin1String(name));
        SetPasswordMask(edit, passwordStars);
        return edit;
    };
    editPasCur_ = makeEdit("EditPasCur");
    editPasNew_ = makeEdit("EditPasNew");
    editPasNew2_ = makeEdit("EditPasNew2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Current password")));
    layout->addWidget(editPasCur_);
    layout->addWidget(new QLabel(Translate("New password")));
    layout->addWidget(editPasNew_);
    layout->addWidget(editPasNew2_);
    layout->addStretch();
    const OkCancelButtons buttons = AddOkCancelRow(*this, *layout, Translate("&OK"));
    btnOk_ = buttons.ok;
    btnCancle_ = buttons.cancel;
    connect(editPasCur_, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(editPasNew2_, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(editPasNew_, &QLineEdit::returnPressed, editPasNew2_, [this] { editPasNew2_->setFocus(); });

    SetEditorUsable(editPasCur_, mode != Mode::Set);
    SetEditorUsable(editPasNew_, mode != Mode::Prove);
    SetEditorUsable(editPasNew2_, mode != Mode::Prove);
    (mode == Mode::Set ? editPasNew_ : editPasCur_)->setFocus();
    // Wider than designed where the title needs it, so the title bar does not cut it.
    setFixedSize(std::max(236, TitleBarWidth(*this)), 181);
}

} // namespace tarnlink
