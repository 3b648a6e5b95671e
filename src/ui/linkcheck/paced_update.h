#pragma once

// Shows changes that may come in a flood (a check run reports three times per link) at most once
// per interval, and once more after the last of them. Every change repainted at once would keep
// the GUI thread painting, and a busy event loop starves the program's timers.

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <functional>

namespace tarnlink {

class PacedUpdate {
public:
    PacedUpdate(std::chrono::milliseconds interval, std::function<void()> show);

    // Shows now when the last showing is an interval ago, else when it will be.
    void changed();
    // Shows what changed now.
    void flush();

private:
    std::chrono::milliseconds interval_;
    std::function<void()> show_;
    QElapsedTimer sinceShown_;
    QTimer later_;
};

} // namespace tarnlink
