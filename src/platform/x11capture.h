// Screen captures for X11 and for any desktop that lets the toolkit read it.
#pragma once

#include "platform/screencapture.h"

#include <memory>

// The toolkit's own copy of the screen (QScreen::grabWindow): works wherever
// a client may read the screen, through plain image requests on X11, which
// take over a second for an 8K desktop.
class ToolkitScreenCapture : public ScreenCapture {
public:
    CaptureResult Capture(const QRect& desktop) override;
};

// The X server's shared-memory image extension (MIT-SHM): the server writes
// the root window's pixels straight into a shared segment, kept from one
// snapshot to the next, that the picture shares; the result also lets the
// server draw the picture from there. Falls back to the toolkit's copy where the extension is
// missing or refused (a remote display, a server in another container).
class X11ShmScreenCapture : public ScreenCapture {
public:
    X11ShmScreenCapture();
    ~X11ShmScreenCapture() override;
    CaptureResult Capture(const QRect& desktop) override;

    struct Segment;

private:
    QImage CopyOfRoot();

    std::shared_ptr<Segment> kept_;
};
