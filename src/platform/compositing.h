#pragma once

namespace tarnlink {

// Whether the desktop draws windows through a compositor, so that a window's opacity shows:
// always on Wayland, on X11 when a compositing manager owns the screen's _NET_WM_CM selection,
// never on the offscreen and other platforms.
bool CompositingActive();

} // namespace tarnlink
