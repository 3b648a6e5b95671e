#include "ui/options/options_page.h"

#include "settings/settings.h"
#include "ui/kit/translate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarnlink {

QCheckBox* BoundControls::check(const char* name, const char* caption, bool OptionsSection::*setting)
{
    QCheckBox* box = NewCheck(name, caption);
    checks_.emplace_back(box, setting);
    return box;
}

QSpinBox* BoundControls::spin(const char* name, int minimum, int maximum, int OptionsSection::*setting)
{
    QSpinBox* box = NewSpin(name, minimum, maximum);
    spins_.emplace_back(box, setting);
    return box;
}

void BoundControls::load(const OptionsSection& options) const
{
    for (const auto& [box, setting] : checks_)
        box->setChecked(options.*setting);
    for (const auto& [box, setting] : spins_)
        box->setValue(options.*setting);
}

void BoundControls::store(OptionsSection& options) const
{
    for (const auto& [box, setting] : checks_)
        options.*setting = box->isChecked();
    for (const auto& [box, setting] : spins_)
        options.*setting = box->value();
}

void OptionsPage::load(const Settings& settings)
{
    bound_.load(settings.options);
}

void OptionsPage::store(Settings& settings) const
{
    bound_.store(settings.options);
}

QCheckBox* NewCheck(const char* name, const char* caption)
{
    auto* check = new QCheckBox(Translate(caption));
    check->setObjectName(QLatin1String(name));
    return check;
}

QSpinBox* NewSpin(const char* name, int minimum, int maximum)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    return spin;
}

QGroupBox* NewGroup(const char* caption, const QList<QWidget*>& widgets)
{
    auto* group = new QGroupBox(Translate(caption));
    auto* layout = new QVBoxLayout(group);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    return group;
}

QWidget* NewFieldRows(const QList<FieldRow>& rows)
{
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int row = 0; row < rows.size(); ++row) {
        auto* label = new QLabel(Translate(rows[row].caption));
        label->setBuddy(rows[row].field);
        grid->addWidget(label, row, 0);
        grid->addWidget(rows[row].field, row, 1);
        if (rows[row].after)
            grid->addWidget(new QLabel(Translate(rows[row].after)), row, 2);
    }
    grid->setColumnStretch(3, 1);
    return block;
}

void StackOnPage(OptionsPage& page, const QList<QWidget*>& widgets)
{
    auto* layout = new QVBoxLayout(&page);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
}

} // namespace tarnlink
