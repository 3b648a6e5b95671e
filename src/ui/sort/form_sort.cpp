#include "ui/sort/form_sort.h"

#include "settings/settings.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarnlink {

TFormSort::TFormSort(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSort"));
    setWindowTitle(CaptionFromMenu(caption));

    comboBoxSort_ = new QComboBox; // not editable: only the list can be used
    comboBoxSort_->setObjectName(QStringLiteral("ComboBoxSort"));
    for (const char* key : {"Name", "Date", "Launch count", "Rating"})
        comboBoxSort_->addItem(Translate(key));
    checkOnlyLinks_ = new QCheckBox(Translate("Only links"));
    checkOnlyLinks_->setObjectName(QStringLiteral("CheckOnlyLinks"));
    radioBtnUp_ = new QRadioButton(Translate("Up"));
    radioBtnUp_->setObjectName(QStringLiteral("RadioBtnUp"));
    radioBtnDown_ = new QRadioButton(Translate("Down"));
    radioBtnDown_->setObjectName(QStringLiteral("RadioBtnDown"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(StackedGroup("Sorting by", {comboBoxSort_, checkOnlyLinks_}), 3);
    groups->addWidget(StackedGroup("Direction", {radioBtnUp_, radioBtnDown_}), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    const OkCancelButtons buttons = AddOkCancelRow(*this, *layout, Translate("&Ok"));
    btnOk_ = buttons.ok;
    btnCancle_ = buttons.cancel;
    btnOk_->setDefault(true); // Enter sorts: no editor here takes it
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormSort::fill(const SortSection& choices)
{
    comboBoxSort_->setCurrentIndex(choices.index >= 0 && choices.index < comboBoxSort_->count() ? choices.index : 0);
    checkOnlyLinks_->setChecked(choices.onlyLinks);
    (choices.directionUp ? radioBtnUp_ : radioBtnDown_)->setChecked(true);
}

void TFormSort::store(SortSection& choices) const
{
    choices.index = comboBoxSort_->currentIndex();
    choices.onlyLinks = checkOnlyLinks_->isChecked();
    choices.directionUp = radioBtnUp_->isChecked();
}

} // namespace tarnlink
