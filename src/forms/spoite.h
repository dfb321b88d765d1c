// The eyedropper cursor "SPOITE": 32 x 32 logical pixels, hot spot on the tip
// at (1, 14).
#pragma once

#include <QCursor>

// Drawn for the given device pixel ratio, so that it stays crisp on a scaled
// screen. The ordinary pointer when the drawing cannot be loaded.
QCursor SpoiteCursor(qreal ratio);
