#include "ui/options/password_page.h"

#include "model/password_generator.h"
#include "settings/settings.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <algorithm>
#include <iterator>
#include <utility>

namespace tarnlink {

namespace {
const int kAllCharacters = int(PasswordAlphabet({true, true, true, true}).size());
} // namespace

PasswordPage::PasswordPage()
    : checkPNum_(bound_.check("CheckPNum", "Numerals", &OptionsSection::chkPNum)),
      checkPStr_(bound_.check("CheckPStr", "Small", &OptionsSection::chkPStr)),
      checkPPro_(bound_.check("CheckPPro", "Capital", &OptionsSection::chkPPro)),
      checkPOther_(bound_.check("CheckPOther", "Indications", &OptionsSection::chkPOther)),
      memoPwd_(new QPlainTextEdit),
      spinPLength_(bound_.spin("SpinPLength", 1, kAllCharacters, &OptionsSection::spPLength))
{
    setObjectName(QStringLiteral("TabPwd"));
    memoPwd_->setObjectName(QStringLiteral("MemoPwd"));
    memoPwd_->setReadOnly(true);
    memoPwd_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoPwd_->setProperty(kUntranslatedProperty, true);
    memoPwd_->setFixedHeight(memoPwd_->fontMetrics().lineSpacing() * 5);

    auto* symbols = new QGroupBox(Translate("Symbols"));
    auto* row = new QHBoxLayout(symbols);
    auto* sets = new QVBoxLayout;
    for (QCheckBox* box : {checkPNum_, checkPStr_, checkPPro_, checkPOther_}) {
        sets->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &PasswordPage::updateCharsets);
    }
    sets->addStretch(1);
    row->addLayout(sets);
    row->addWidget(memoPwd_, 1);

    StackOnPage(*this, {symbols, NewFieldRows({{"Password length", spinPLength_}})});
    updateCharsets();
}

void PasswordPage::load(const Settings& s)
{
    // The boxes show the stored choices as they are; the list and the limit follow once.
    const QSignalBlocker numerals(checkPNum_), small(checkPStr_), capital(checkPPro_), indications(checkPOther_);
    spinPLength_->setMaximum(kAllCharacters);
    OptionsPage::load(s);
    updateCharsets();
}

void PasswordPage::updateCharsets()
{
    const std::pair<QCheckBox*, bool PasswordCharsets::*> sets[] = {
        {checkPNum_, &PasswordCharsets::numerals},
        {checkPStr_, &PasswordCharsets::small},
        {checkPPro_, &PasswordCharsets::capital},
        {checkPOther_, &PasswordCharsets::indications},
    };
    if (std::none_of(std::begin(sets), std::end(sets), [](const auto& set) { return set.first->isChecked(); })) {
        const QSignalBlocker quiet(checkPNum_);
        checkPNum_->setChecked(true);
    }
    QStringList lines;
    int limit = 0;
    for (const auto& [box, member] : sets) {
        if (!box->isChecked())
            continue;
        PasswordCharsets only{false, false, false, false};
        only.*member = true;
        const std::string characters = PasswordAlphabet(only);
        lines << QString::fromStdString(characters);
        limit += int(characters.size());
    }
    memoPwd_->setPlainText(lines.join(u'\n'));
    spinPLength_->setMaximum(limit); // a longer length comes down to the limit
}

} // namespace tarnlink
