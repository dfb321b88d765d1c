// The desktop's layer above ordinary windows, and what the desktop keeps for
// a top-level window that a hide would make it forget.
#pragma once

#include <QPoint>

#include <cstdint>
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

// On X11: whether the window manager stacks the window below the other one
// (both managed and shown); false when it does not say.
bool StackedBelow(QWindow* window, QWindow* other);

// What the desktop keeps for a shown window and drops when it is hidden: on
// X11 the desktop it is on ("on all desktops" included) and its states.
struct DesktopPlacement {
    bool known = false;
    bool withDesktop = false;
    std::uint32_t desktop = 0;
    std::vector<std::uint32_t> states;
    // Where the window's frame stands, in logical pixels, when known.
    std::optional<QPoint> framePosition;
};

// Taken while the window is shown, before it is hidden.
DesktopPlacement SaveDesktopPlacement(QWindow* window);
// Handed back to the hidden window just before it is shown again.
void RestoreDesktopPlacement(QWindow* window, const DesktopPlacement& placement);
