#include "ui/kit/window_animation.h"

#include "platform/compositing.h"
#include "settings/settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPropertyAnimation>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tarnlink {

namespace {

constexpr int kFrameUnitMs = 40;

CompositingProbe& probe()
{
    static CompositingProbe current;
    return current;
}

bool compositing()
{
    return probe() ? probe()() : CompositingActive();
}

bool windowFlag(const OptionsSection& o, AnimatedWindow window)
{
    switch (window) {
    case AnimatedWindow::Main:
        return o.chkMainW;
    case AnimatedWindow::Options:
        return o.chkOptionsW;
    case AnimatedWindow::Add:
        return o.chkAddW;
    case AnimatedWindow::Export:
        return o.chkExpW;
    case AnimatedWindow::Find:
        return o.chkFindW;
    case AnimatedWindow::Favorites:
        return o.chkFavW;
    case AnimatedWindow::Check:
        return o.chkCheckW;
    case AnimatedWindow::Sort:
        return o.chkSortW;
    }
    return false;
}

// An opacity fade that moves in whole steps.
class SteppedFade : public QPropertyAnimation {
public:
    SteppedFade(QWidget* window, const WindowAnimationChoice& choice, qreal from, qreal to)
        : QPropertyAnimation(window, "windowOpacity", window), steps_(choice.steps)
    {
        setDuration(choice.durationMs);
        setStartValue(from);
        setEndValue(to);
        // On X11 a new opacity is only sent when the connection is flushed, which an idle event
        // loop does not do: the window would jump from clear to whole at the end.
        connect(this, &QVariantAnimation::valueChanged, [] { QGuiApplication::sync(); });
    }

protected:
    QVariant interpolated(const QVariant& from, const QVariant& to, qreal progress) const override
    {
        return QPropertyAnimation::interpolated(from, to, std::floor(progress * steps_) / steps_);
    }

private:
    int steps_;
};

class WindowAnimator : public QObject {
public:
    WindowAnimator(QWidget& window, AnimatedWindow which, const OptionsSection& options)
        : QObject(&window), window_(window), which_(which), options_(options)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && !event->spontaneous()) {
            if (event->type() == QEvent::Show)
                opening();
            else if (event->type() == QEvent::Hide)
                closing();
        }
        return false;
    }

private:
    void opening()
    {
        stopOpening();
        const WindowAnimationChoice choice = WindowAnimationOf(options_, which_);
        if (!choice.onShow || !compositing())
            return;
        window_.setWindowOpacity(0.0);
        opening_ = new SteppedFade(&window_, choice, 0.0, 1.0);
        opening_->start(QAbstractAnimation::DeleteWhenStopped);
    }

    void closing()
    {
        stopOpening();
        const WindowAnimationChoice choice = WindowAnimationOf(options_, which_);
        if (!choice.onHide || !compositing())
            return;
        // The window is gone already; a picture of it fades out where it stood.
        auto* ghost = new QLabel(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                              | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
        ghost->setObjectName(QStringLiteral("WindowAnimationGhost"));
        ghost->setAttribute(Qt::WA_DeleteOnClose);
        ghost->setAttribute(Qt::WA_ShowWithoutActivating);
        ghost->setPixmap(window_.grab());
        ghost->setGeometry(window_.geometry());
        ghost->show();
        auto* fade = new SteppedFade(ghost, choice, 1.0, 0.0);
        connect(fade, &QAbstractAnimation::finished, ghost, &QWidget::close);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }

    // An opening cut short leaves the window fully opaque for whatever comes next.
    void stopOpening()
    {
        if (opening_)
            opening_->stop();
        if (window_.windowOpacity() < 1.0)
            window_.setWindowOpacity(1.0);
    }

    QWidget& window_;
    AnimatedWindow which_;
    const OptionsSection& options_;
    QPointer<QPropertyAnimation> opening_;
};

} // namespace

WindowAnimationChoice WindowAnimationOf(const OptionsSection& o, AnimatedWindow window)
{
    WindowAnimationChoice choice;
    const bool allowed = windowFlag(o, window);
    choice.onShow = allowed && o.chkOnShow;
    choice.onHide = allowed && o.chkOnHide;
    if (choice.onShow || choice.onHide) {
        choice.durationMs = std::clamp(o.spDelay, 1, 10) * std::clamp(o.spFrame, 1, 10) * kFrameUnitMs;
        choice.steps = std::clamp(o.spStep, 1, 99);
    }
    return choice;
}

void AnimateWindow(QWidget& window, AnimatedWindow which, const OptionsSection& options)
{
    new WindowAnimator(window, which, options);
}

void SetCompositingProbe(CompositingProbe p)
{
    probe() = std::move(p);
}

} // namespace tarnlink
