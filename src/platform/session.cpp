// Which kind of desktop Tesmar runs on, and the screen capture that fits it.
#include "platform/portalcapture.h"
#include "platform/screencapture.h"
#include "platform/x11.h"
#include "platform/x11capture.h"

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

bool HasExtension(xcb_connection_t* c, const char* name)
{
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
        c, xcb_query_extension(c, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const bool present = reply != nullptr && reply->present;
    std::free(reply);
    return present;
}

// Xwayland names its RandR outputs XWAYLAND0, XWAYLAND1, ...
bool HasXWaylandOutputs(xcb_connection_t* c)
{
    if (!HasExtension(c, "RANDR"))
        return false;
    std::free(xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 3), nullptr));
    xcb_randr_get_screen_resources_current_reply_t* resources = xcb_randr_get_screen_resources_current_reply(
        c, xcb_randr_get_screen_resources_current(c, x11::Root()), nullptr);
    if (resources == nullptr)
        return false;
    const xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(resources);
    const int count = xcb_randr_get_screen_resources_current_outputs_length(resources);
    bool found = false;
    for (int i = 0; i < count && !found; ++i) {
        xcb_randr_get_output_info_reply_t* info = xcb_randr_get_output_info_reply(
            c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp), nullptr);
        if (info == nullptr)
            continue;
        const std::string_view name(reinterpret_cast<const char*>(xcb_randr_get_output_info_name(info)),
                                    std::size_t(xcb_randr_get_output_info_name_length(info)));
        found = name.substr(0, 8) == "XWAYLAND";
        std::free(info);
    }
    std::free(resources);
    return found;
}

// XWayland says so through an extension of its own name (since Xwayland
// 23.1) or, before, through the names of its outputs. A plain X server
// (Xorg, Xvfb, Xephyr, a VNC server) lets its clients read the screen,
// whatever the environment of the program says.
bool IsXWayland(xcb_connection_t* c) { return HasExtension(c, "XWAYLAND") || HasXWaylandOutputs(c); }

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
