// Which kind of desktop Tesmar runs on, and the screen capture that fits it.
#include "platform/portalcapture.h"
#include "platform/screencapture.h"
#include "platform/x11.h"
#include "platform/x11capture.h"

#include <QByteArray>

bool IsWaylandSession()
{
    // The session, not the platform Qt chose: an X11 client under XWayland
    // cannot read the screen either.
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qgetenv("XDG_SESSION_TYPE").compare("wayland", Qt::CaseInsensitive) == 0;
}

std::unique_ptr<ScreenCapture> MakeScreenCapture()
{
    if (IsWaylandSession()) {
        // No Wayland client may read the screen by itself; the desktop's
        // screenshot portal is the way there. The toolkit's own copy gives an
        // empty or black picture.
        return std::make_unique<PortalCapture>();
    }
    if (x11::Connection() != nullptr)
        return std::make_unique<X11ShmScreenCapture>();
    return std::make_unique<ToolkitScreenCapture>();
}
