// Copying the screen when picking starts. Each kind of desktop has its own way
// to hand over the screen's pixels; the snapshot window only sees this
// interface and the picture it returns.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

struct CaptureResult {
    // The whole desktop in device pixels, its top left corner at the desktop's
    // top left corner. Null when the desktop did not hand the screen over.
    QImage image;
    // Why there is no picture, for the message shown to the user; empty when
    // the copy worked, or when it failed in a way the user need not be told.
    QString failure;
    // Draws part of the picture (device pixels, its corner at the window's)
    // straight onto a native window, without the toolkit's copy of it; false
    // when it cannot. Empty when the capture offers no such way.
    std::function<bool(WId window, const QRect& devicePixels)> onScreen = {};
};

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;
    // Copies every monitor as it is now. `desktop` is the union of the
    // screens' logical geometries. Returns when the copy is done; a capture
    // that waits for another process runs the event loop meanwhile.
    virtual CaptureResult Capture(const QRect& desktop) = 0;
};

// True on a Wayland session, whether Tesmar itself talks Wayland or X11
// through XWayland: there no client may read the screen by itself.
bool IsWaylandSession();

// The capture that fits this session.
std::unique_ptr<ScreenCapture> MakeScreenCapture();
