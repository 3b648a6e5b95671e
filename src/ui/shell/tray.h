#pragma once

// The tray icon. Whether the desktop offers a tray is a seam: when it offers none the icon
// counts as not shown, so the window is never hidden where it could not be brought back.

#include <QObject>

#include <functional>

class QMenu;
class QSystemTrayIcon;

namespace tarnlink {

class TrayIcon : public QObject {
    Q_OBJECT
public:
    using AvailabilityProbe = std::function<bool()>;

    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // The setting: the user wants the icon.
    void setWanted(bool wanted);
    bool wanted() const { return wanted_; }
    // Wanted and the desktop has a tray.
    bool shown() const;

    void setHint(const QString& hint);
    QString hint() const;
    void setMenu(QMenu* menu);

    // Replaces the desktop query (tests); an empty probe restores it.
    static void setAvailabilityProbe(AvailabilityProbe probe);
    static bool trayAvailable();

signals:
    void doubleClicked();

private:
    void update();

    QSystemTrayIcon* icon_;
    bool wanted_ = false;
};

} // namespace tarnlink
