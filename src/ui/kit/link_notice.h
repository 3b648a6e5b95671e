#pragma once

// The "Added new link" notice: a small window that slides up in the screen's corner, stays a
// moment and slides away by itself. Clicking its link opens the address. A further notice stands
// beside those still visible: they stack upwards, then in a new column to the left, as long as
// the screen has room.

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

    // The text is CR, the message, CR and the address; the link's target is the address. A
    // parent only ties the notice's life to it: the notice is a window of its own.
    LinkNotice(const QString& message, const QString& address, Launcher launcher, QWidget* parent = nullptr);
    ~LinkNotice() override;

    // Slides in at the first free place, waits `stayMs`, slides out and deletes itself.
    void popUp(int slideMs = 300, int stayMs = 4000);
    QString text() const { return text_; }
    QString address() const { return address_; }
    // What a click on the link does.
    void activateLink();

    // Shows the notice for an address added by the link monitor; null when the visible notices
    // already fill the screen (a copy of a whole page adds hundreds of links at once).
    static LinkNotice* showAdded(const QString& address, Launcher launcher, QWidget* parent = nullptr);

private:
    void slideOut();

    QString text_;
    QString address_;
    Launcher launcher_;
    QPropertyAnimation* slide_ = nullptr;
    QTimer* stay_ = nullptr;
    int place_ = -1; // -1 until it pops up
};

} // namespace tarnlink
