#include "ui/options/link_monitor_page.h"

#include "settings/settings.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tarnlink {

LinkMonitorPage::LinkMonitorPage()
    : checkClipBoard_(bound_.check("CheckClipBoard", "Check clipboard", &OptionsSection::clipBoard)),
      checkAutoAddUrl_(bound_.check("CheckAutoAddUrl", "Automatically add links", &OptionsSection::autoAddUrl)),
      checkMSNPopup_(bound_.check("CheckMSNPopup", "Show surfacing window", &OptionsSection::msnPopup)),
      checkClipBoardSelf_(
          bound_.check("CheckClipBoardSelf", "Enabled monitor in self program", &OptionsSection::clipBoardSelf)),
      memoCBOut_(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("TabLinkMonitor"));
    memoCBOut_->setObjectName(QStringLiteral("MemoCBOut"));
    memoCBOut_->setProperty(kUntranslatedProperty, true); // the user's addresses
    memoCBOut_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* exclude = new QLabel(Translate("Exclude following links or coincidences of symbols"));
    exclude->setWordWrap(true);
    exclude->setBuddy(memoCBOut_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkClipBoard_);
    layout->addWidget(checkAutoAddUrl_);
    layout->addWidget(checkMSNPopup_);
    layout->addWidget(checkClipBoardSelf_);
    layout->addWidget(exclude);
    layout->addWidget(memoCBOut_, 1);

    auto follow = [this](bool monitor) {
        checkAutoAddUrl_->setEnabled(monitor);
        memoCBOut_->setEnabled(monitor);
    };
    connect(checkClipBoard_, &QCheckBox::toggled, this, follow);
    follow(checkClipBoard_->isChecked());
}

void LinkMonitorPage::load(const Settings& s)
{
    OptionsPage::load(s);
    if (!s.clipBoardOut.isEmpty())
        SetEditorLines(*memoCBOut_, s.clipBoardOut);
}

void LinkMonitorPage::store(Settings& s) const
{
    OptionsPage::store(s);
    s.clipBoardOut = EditorLines(*memoCBOut_);
}

} // namespace tarnlink
