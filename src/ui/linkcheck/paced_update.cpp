#include "ui/linkcheck/paced_update.h"

namespace tarnlink {

PacedUpdate::PacedUpdate(std::chrono::milliseconds interval, std::function<void()> show)
    : interval_(interval), show_(std::move(show))
{
    later_.setSingleShot(true);
    QObject::connect(&later_, &QTimer::timeout, [this] { flush(); });
}

void PacedUpdate::changed()
{
    const qint64 elapsed = sinceShown_.isValid() ? sinceShown_.elapsed() : interval_.count();
    if (elapsed >= interval_.count()) {
        flush();
        return;
    }
    if (!later_.isActive())
        later_.start(int(interval_.count() - elapsed));
}

void PacedUpdate::flush()
{
    later_.stop();
    sinceShown_.start();
    show_();
}

} // namespace tarnlink
