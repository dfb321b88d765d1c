// The area the frozen screen covers: every monitor.
#pragma once

#include <QRect>

class QScreen;

// The whole desktop in the primary screen's logical pixels, for a window
// that covers every monitor. On X11 Qt keeps each screen's top left corner
// in device pixels and divides only its size by the scale, so at a scale
// above 1 the screens' logical rectangles leave gaps between them; the
// desktop here spans all their device pixels, measured at the primary
// screen's scale. Elsewhere it is the screens' logical union.
QRect SnapshotDesktop(QScreen* primary);
