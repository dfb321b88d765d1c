// The desktop's layer above ordinary windows, and what the desktop keeps for
// a top-level window that a hide would make it forget.
#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWindow;

// Puts the window into the layer above ordinary windows, or takes it out,
// without moving or resizing it and keeping its one native window. On X11
// this is the window manager's _NET_WM_STATE_ABOVE, asked for directly: Qt's
// stay-on-top flag would make the next show replace the native window.
void SetKeepAbove(QWindow* window, bool above);
// What the last SetKeepAbove asked for.
bool KeepsAbove(const QWindow* window);

// On X11: the window a running window manager names on the root window and
// on itself, which a new manager replaces; 0 when none runs (the root may
// still name the window of one that has gone) and elsewhere.
std::uint32_t WindowManagerCheck();

// On X11: whether the running window manager keeps windows in a layer above
// ordinary ones (i3 has none); true elsewhere.
bool ManagerHasUpperLayer();

// What the desktop keeps for a shown window and drops when it is hidden: on
// X11 the desktop it is on ("on all desktops" included) and its states.
struct DesktopPlacement {
    bool known = false;
    bool withDesktop = false;
    std::uint32_t desktop = 0;
    std::vector<std::uint32_t> states;
    // Where the window's frame stands, in logical pixels, when known; where
    // its client area stands when the manager tells nothing of a frame.
    std::optional<QPoint> framePosition;
    bool clientPosition = false;
};

// Taken while the window is shown, before it is hidden.
DesktopPlacement SaveDesktopPlacement(QWindow* window);
// Handed back to the hidden window just before it is shown again.
void RestoreDesktopPlacement(QWindow* window, const DesktopPlacement& placement);
// Moves the window to the place kept, and tells whether it stands there.
void PutBack(QWindow* window, const DesktopPlacement& placement);
bool StandsAt(QWindow* window, const DesktopPlacement& placement);

// Keeps a window the window manager does not manage (override-redirect)
// right below the given managed windows: below the lowest of their frames.
// Returns true when it already stood there and every one of them is shown,
// false when it was moved or a window is not shown yet.
bool KeepBelow(QWindow* window, const std::vector<QWindow*>& above);
// Asks a compositing manager to keep drawing the unmanaged window in its
// place among the others: a window the size of the screen is otherwise
// handed straight to the screen, over every other window.
void KeepComposited(QWindow* window);

// Calls `changed` soon after the X server restacks, maps or moves any
// top-level window, for as long as the returned object lives; nothing
// elsewhere.
std::shared_ptr<void> WatchStacking(std::function<void()> changed);

// Where the frames of the shown windows stand, in the X screen's device
// pixels; empty off X11.
std::vector<QRect> FrameRectangles(const std::vector<QWindow*>& windows);

// The part of the X screen the desktop leaves to windows (outside its
// panels) on the current desktop, in device pixels, when it says.
std::optional<QRect> DesktopWorkArea();

// Waits `minimum` ms, and under a compositing manager, which fades a hidden
// window out over some frames, on until the given part of the X screen
// (device pixels) has stopped changing, `limit` ms at most.
void WaitForFadeOut(const QRect& area, int minimum, int limit);
