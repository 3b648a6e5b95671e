#include "ui/shell/tray.h"

#include "ui/kit/icons.h"

#include <QSystemTrayIcon>

namespace tarnlink {

namespace {
TrayIcon::AvailabilityProbe& probe()
{
    static TrayIcon::AvailabilityProbe current;
    return current;
}
} // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent), icon_(new QSystemTrayIcon(this))
{
    icon_->setIcon(images::applicationIcon());
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            emit doubleClicked();
    });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::setAvailabilityProbe(AvailabilityProbe p)
{
    probe() = std::move(p);
}

bool TrayIcon::trayAvailable()
{
    return probe() ? probe()() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setWanted(bool wanted)
{
    wanted_ = wanted;
    update();
}

bool TrayIcon::shown() const
{
    return wanted_ && trayAvailable();
}

void TrayIcon::setHint(const QString& hint)
{
    icon_->setToolTip(hint);
}

QString TrayIcon::hint() const
{
    return icon_->toolTip();
}

void TrayIcon::setMenu(QMenu* menu)
{
    icon_->setContextMenu(menu);
}

void TrayIcon::update()
{
    // Only a real tray is asked to show the icon; the seam alone only changes the behaviour.
    icon_->setVisible(shown() && QSystemTrayIcon::isSystemTrayAvailable());
}

} // namespace tarnlink
