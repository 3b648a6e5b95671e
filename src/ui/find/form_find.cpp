#include "ui/find/form_find.h"

#include "settings/settings.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/translate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarnlink {

namespace {

template <typename Control>
Control* named(const char* name, const char* caption)
{
    auto* control = new Control(Translate(caption));
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

TFormFind::TFormFind(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormFind"));
    setWindowTitle(Translate("Search"));

    editFindText_ = new QLineEdit;
    editFindText_->setObjectName(QStringLiteral("EditFindText"));
    editFindText_->setMinimumWidth(260);
    checkFAll_ = named<QCheckBox>("CheckFAll", "All");
    checkFName_ = named<QCheckBox>("CheckFName", "Name");
    checkFSol_ = named<QCheckBox>("CheckFSol", "Description");
    checkFURL_ = named<QCheckBox>("CheckFURL", "Link");
    checkFLogin_ = named<QCheckBox>("CheckFLogin", "Login");
    checkFPas_ = named<QCheckBox>("CheckFPas", "Password");
    radioBtnBegin_ = named<QRadioButton>("RadioBtnBegin", "From beginning");
    radioBtnSelect_ = named<QRadioButton>("RadioBtnSelect", "From current position");
    radioBtnNext_ = named<QRadioButton>("RadioBtnNext", "Next");
    radioBtnPrev_ = named<QRadioButton>("RadioBtnPrev", "Prev");

    auto* area = new QGroupBox(Translate("Searching area"));
    auto* boxes = new QGridLayout(area);
    QCheckBox* const order[] = {checkFAll_, checkFName_, checkFSol_, checkFURL_, checkFLogin_, checkFPas_};
    for (int i = 0; i < 6; ++i)
        boxes->addWidget(order[i], i % 3, i / 3);

    auto* choices = new QHBoxLayout;
    choices->addWidget(StackedGroup("Searching", {radioBtnBegin_, radioBtnSelect_}), 3);
    choices->addWidget(StackedGroup("Direction", {radioBtnNext_, radioBtnPrev_}), 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Text for searching")));
    layout->addWidget(editFindText_);
    layout->addWidget(area);
    layout->addLayout(choices);
    const OkCancelButtons buttons = AddOkCancelRow(*this, *layout, Translate("&Ok"));
    btnOk_ = buttons.ok;
    btnCancle_ = buttons.cancel;
    connect(editFindText_, &QLineEdit::returnPressed, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    editFindText_->setFocus();
}

void TFormFind::fill(const FindTextSection& state)
{
    editFindText_->setText(state.text);
    editFindText_->selectAll();
    checkFAll_->setChecked(state.findAll);
    checkFName_->setChecked(state.name);
    checkFSol_->setChecked(state.description);
    checkFURL_->setChecked(state.url);
    checkFLogin_->setChecked(state.login);
    checkFPas_->setChecked(state.password);
    (state.fromBegin ? radioBtnBegin_ : radioBtnSelect_)->setChecked(true);
    (state.findNext ? radioBtnNext_ : radioBtnPrev_)->setChecked(true);
}

void TFormFind::store(FindTextSection& state) const
{
    state.text = editFindText_->text();
    state.findAll = checkFAll_->isChecked();
    state.name = checkFName_->isChecked();
    state.description = checkFSol_->isChecked();
    state.url = checkFURL_->isChecked();
    state.login = checkFLogin_->isChecked();
    state.password = checkFPas_->isChecked();
    state.fromBegin = radioBtnBegin_->isChecked();
    state.findNext = radioBtnNext_->isChecked();
}

} // namespace tarnlink
