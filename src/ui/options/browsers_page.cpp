#include "ui/options/browsers_page.h"

#include "settings/settings.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnlink {

namespace {

struct RowSettings {
    const char* caption;
    const char* edit;
    const char* radio;
    QString OptionsSection::*path;
    bool OptionsSection::*chosen;
};
constexpr RowSettings kRows[] = {
    {"Internet Explorer", "EditDirIE", "RadioBtnDirIE", &OptionsSection::fullPathIE, &OptionsSection::chkBtnDirIE},
    {"Opera", "EditDirNetScape", "RadioBtnDirNetScape", &OptionsSection::fullPathNetScape,
     &OptionsSection::chkBtnDirNetScape},
    {"Other", "EditDirOther", "RadioBtnDirOther", &OptionsSection::fullPathOther, &OptionsSection::chkBtnDirOther},
};
constexpr const char* kWindowStates[] = {"Default", "Maximized", "Minimized"};

} // namespace

BrowsersPage::BrowsersPage(PromptsSource prompts) : prompts_(std::move(prompts)), comboBoxShow_(new QComboBox)
{
    setObjectName(QStringLiteral("TabBrowsers"));
    auto* grid = new QGridLayout;
    auto* choice = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        BrowserRow& row = rows_[i];
        row.edit = new QLineEdit;
        row.edit->setObjectName(QLatin1String(kRows[i].edit));
        row.edit->setProperty(kUntranslatedProperty, true); // a path
        row.edit->setMinimumWidth(220);
        row.browse = new QToolButton;
        row.browse->setText(QStringLiteral("..."));
        row.open = new QRadioButton(Translate("Open"));
        row.open->setObjectName(QLatin1String(kRows[i].radio));
        choice->addButton(row.open);
        grid->addWidget(new QLabel(Translate(kRows[i].caption)), i * 2, 0, 1, 3);
        grid->addWidget(row.edit, i * 2 + 1, 0);
        grid->addWidget(row.browse, i * 2 + 1, 1);
        grid->addWidget(row.open, i * 2 + 1, 2);
        connect(row.browse, &QToolButton::clicked, this, [this, i] { BtnDirClick(Row(i)); });
    }
    grid->setColumnStretch(0, 1);

    comboBoxShow_->setObjectName(QStringLiteral("ComboBoxShow"));
    for (const char* state : kWindowStates)
        comboBoxShow_->addItem(Translate(state));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewFieldRows({{"Show window", comboBoxShow_}}));
    layout->addStretch(1);
}

void BrowsersPage::load(const Settings& s)
{
    for (int i = 0; i < 3; ++i) {
        rows_[i].edit->setText(s.options.*kRows[i].path);
        rows_[i].open->setChecked(s.options.*kRows[i].chosen);
    }
    comboBoxShow_->setCurrentIndex(s.options.stateWindow);
}

void BrowsersPage::store(Settings& s) const
{
    for (int i = 0; i < 3; ++i) {
        s.options.*kRows[i].path = rows_[i].edit->text();
        s.options.*kRows[i].chosen = rows_[i].open->isChecked();
    }
    // A state the list does not hold leaves the stored one.
    if (comboBoxShow_->currentIndex() >= 0)
        s.options.stateWindow = comboBoxShow_->currentIndex();
}

void BrowsersPage::BtnDirClick(Row row)
{
    const QString chosen = prompts_().openFileName({Translate("Выбрать браузер"), QStringLiteral("*.* (*)"),
                                                    rows_.at(row).edit->text(), QString()});
    if (!chosen.isEmpty())
        rows_.at(row).edit->setText(chosen);
}

} // namespace tarnlink
