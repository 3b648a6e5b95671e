#pragma once

// The "Added new link" notice: a small window that slides up in the screen's corner, stays a
// moment and slides away by itself. Clicking its link opens the address.

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPropertyAnimation;
class QTimer;

namespace tarnlink {

class LinkNotice : public QWidget {
    Q_OBJECT
public:
    using Launcher = std::function<void(const QString& address)>;

    // The text is CR, the message, CR and the address; the link's target is the address.
    LinkNotice(const QString& message, const QString& address, Launcher launcher, QWidget* parent = nullptr);

    // Slides in, waits `stayMs`, slides out and deletes itself.
    void popUp(int slideMs = 300, int stayMs = 4000);
    QString text() const { return text_; }
    QString address() const { return address_; }
    // What a click on the link does.
    void activateLink();

    // Shows the notice for an address added by the link monitor.
    static LinkNotice* showAdded(const QString& address, Launcher launcher);

private:
    void slideOut();

    QString text_;
    QString address_;
    Launcher launcher_;
    QLabel* label_;
    QPropertyAnimation* slide_ = nullptr;
    QTimer* stay_ = nullptr;
    int slideMs_ = 300;
};

} // namespace tarnlink
