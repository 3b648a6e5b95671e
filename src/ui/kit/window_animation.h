#pragma once

// Opening and closing animations of the program's windows, chosen per window in the preferences.
// A window is attached once, when it is created; from then on every show and hide that the
// program asks for (not the desktop's minimising and restoring) animates as the settings in
// memory say at that moment, so a change of the preferences reaches the windows that live for
// the whole run without a further call. The opening fades the window in; the closing fades out
// a picture of it, so the window itself is hidden at once and nobody waits for the animation.
// Where the desktop has no compositor a window's opacity does not show: the windows are then
// shown and hidden as they are.

#include <functional>

class QWidget;

namespace tarnlink {

struct OptionsSection;

// The windows with an animation choice of their own (ChkMainW ... ChkCheckW, and the sort
// window's choice held in memory).
enum class AnimatedWindow { Main, Options, Add, Export, Find, Favorites, Check, Sort };

struct WindowAnimationChoice {
    bool onShow = false;
    bool onHide = false;
    // 0 when the window animates neither way.
    int durationMs = 0;
    // The fade passes through this many levels of opacity.
    int steps = 1;
};

// The window's flag with ChkOnShow and ChkOnHide; the length is SpDelay × SpFrame × 40 ms (a
// frame of SpDelay × 40 ms, SpFrame frames), and SpStep the levels, each held to its box's range.
WindowAnimationChoice WindowAnimationOf(const OptionsSection& options, AnimatedWindow window);

// Attaches the animation to the window. The options are read at every show and hide, so they
// must outlive the window (the settings in memory do).
void AnimateWindow(QWidget& window, AnimatedWindow which, const OptionsSection& options);

// Whether window opacity shows on this desktop; tests replace the question, an empty probe
// restores it.
using CompositingProbe = std::function<bool()>;
void SetCompositingProbe(CompositingProbe probe);

} // namespace tarnlink
