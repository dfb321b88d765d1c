// Which kind of desktop Tesmar runs on, and the screen capture that fits it.
#include "platform/portalcapture.h"
#include "platform/screencapture.h"
#include "platform/x11.h"
#include "platform/x11capture.h"

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// XWayland announces itself through an extension of its own name; a plain X
// server (Xorg, Xvfb, Xephyr, a VNC server) lets its clients read the screen,
// whatever the environment of the program says.
bool IsXWayland(xcb_connection_t* c)
{
    static const char kName[] = "XWAYLAND";
    xcb_query_extension_reply_t* reply =
        xcb_query_extension_reply(c, xcb_query_extension(c, std::strlen(kName), kName), nullptr);
    const bool present = reply != nullptr && reply->present;
    std::free(reply);
    return present;
}

} // namespace

bool IsWaylandSession()
{
    // Judged by the display Tesmar really uses: an X11 client under XWayland
    // cannot read the screen either.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    if (xcb_connection_t* c = x11::Connection()) {
        static const bool xwayland = IsXWayland(c);
        return xwayland;
    }
    // Neither (an offscreen run, say): the session's own word.
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
