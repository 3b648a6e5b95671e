#include "ui/linkcheck/form_check_options.h"

#include "linkcheck/check_settings.h"
#include "settings/settings.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/translate.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarnlink {

namespace {

QSpinBox* spinBox(const char* name, int minimum, int maximum, int step)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    return spin;
}

} // namespace

TFormCheckOptions::TFormCheckOptions(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormCheckOptions"));
    setWindowTitle(Translate("Options"));
    checkSelectedOnly_ = new QCheckBox(Translate("Check only selected nodes"));
    checkSelectedOnly_->setObjectName(QStringLiteral("CheckSelectedOnly"));
    checkUpdatePages_ = new QCheckBox(Translate("Update moved pages"));
    checkUpdatePages_->setObjectName(QStringLiteral("CheckUpdatePages"));
    spinThreads_ = spinBox("SpinThreads", kMinThreadsAmount, kMaxThreadsAmount, 1);
    spinDelay_ = spinBox("SpinDelay", kMinDelayThreads, kMaxDelayThreads, 50);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkSelectedOnly_);
    layout->addWidget(checkUpdatePages_);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(Translate("Number of threads")));
    auto* threads = new QHBoxLayout;
    threads->addWidget(spinThreads_);
    threads->addStretch();
    layout->addLayout(threads);
    layout->addWidget(new QLabel(Translate("Delay between threads")));
    auto* delay = new QHBoxLayout;
    delay->addWidget(spinDelay_);
    delay->addWidget(new QLabel(Translate("milliseconds")));
    delay->addStretch();
    layout->addLayout(delay);
    layout->addStretch();
    const OkCancelButtons buttons = AddOkCancelRow(*this, *layout, Translate("&Ok"));
    btnOk_ = buttons.ok;
    btnCancle_ = buttons.cancel;
    btnOk_->setDefault(true);
}

void TFormCheckOptions::fill(const CheckLinksSection& settings)
{
    checkSelectedOnly_->setChecked(settings.chkCheckSelected);
    checkUpdatePages_->setChecked(settings.chkUpdateMovedPages);
    spinThreads_->setValue(settings.threadsAmount);
    spinDelay_->setValue(settings.delayThreads);
}

void TFormCheckOptions::store(CheckLinksSection& settings) const
{
    settings.chkCheckSelected = checkSelectedOnly_->isChecked();
    settings.chkUpdateMovedPages = checkUpdatePages_->isChecked();
    settings.threadsAmount = spinThreads_->value();
    settings.delayThreads = spinDelay_->value();
}

void TFormCheckOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the desktop, not on the window that opened it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace tarnlink
