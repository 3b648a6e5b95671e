#include "ui/launch/form_launch.h"

#include "ui/kit/editor_state.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnlink {

TFormLaunch::TFormLaunch(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormLaunch"));
    setWindowTitle(CaptionFromMenu(caption));
    setMinimumWidth(360);
    edit_ = new QLineEdit;
    edit_->setObjectName(QStringLiteral("Edit1"));
    edit_->setProperty(kUntranslatedProperty, true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    const OkCancelButtons buttons = AddOkCancelRow(*this, *layout, Translate("&Ok"));
    ok_ = buttons.ok;
    ok_->setEnabled(false);
    connect(edit_, &QLineEdit::textChanged, ok_, [this] { ok_->setEnabled(true); });
    connect(edit_, &QLineEdit::returnPressed, this, [this] {
        if (ok_->isEnabled())
            accept();
    });
    edit_->setFocus();
}

std::optional<QString> TFormLaunch::ask(Prompts& prompts, const QString& caption, const ZIREdozudurOdozed& language,
                                        QWidget* parent)
{
    TFormLaunch dialog(caption, parent);
    TranslateForm(&dialog, language);
    dialog.setWindowTitle(CaptionFromMenu(caption)); // already in the window's language
    if (prompts.runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Edit1()->text();
}

} // namespace tarnlink
