// The area the frozen screen covers: every monitor.
#pragma once

#include "core/pickmap.h"

#include <QRect>
#include <QSize>

#include <optional>

class QScreen;
class QWindow;

// The whole desktop in the primary screen's logical pixels, for a window
// that covers every monitor. On X11 Qt keeps each screen's top left corner
// in device pixels and divides only its size by the scale, so at a scale
// above 1 the screens' logical rectangles leave gaps between them; the
// desktop here spans all their device pixels, measured at the primary
// screen's scale. Elsewhere it is the screens' logical union.
QRect SnapshotDesktop(QScreen* primary);

// On X11: the snapshot's and the banner's places in device pixels, from the
// X screen's present size and its RandR monitors, at the given scale;
// bannerSize is the banner's logical size. Nothing elsewhere.
std::optional<SnapshotPlacement> X11SnapshotPlacement(double scale, QSize bannerSize);

// On X11: puts the window's native window exactly on these device pixels
// (its top left corner only, unless withSize), where the toolkit's logical
// geometry would round it a pixel off. Nothing elsewhere.
void PlaceInDevicePixels(QWindow* window, const DeviceRect& device, bool withSize);
