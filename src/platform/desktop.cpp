#include "platform/desktop.h"

#include "platform/x11.h"

#include <QScreen>
#include <QWindow>

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>

QRect SnapshotDesktop(QScreen* primary)
{
    if (primary == nullptr)
        return {};
    if (x11::Connection() == nullptr)
        return primary->virtualGeometry();
    QRect device;
    for (const QScreen* screen : primary->virtualSiblings()) {
        const QRect logical = screen->geometry();
        device |= QRect(logical.topLeft(), logical.size() * screen->devicePixelRatio());
    }
    const qreal ratio = primary->devicePixelRatio();
    const QPoint origin = primary->geometry().topLeft();
    return {origin + (device.topLeft() - origin) / ratio, device.size() / ratio};
}

namespace {

// The monitors RandR shows the screen on, the primary one first; none when
// the server has no RandR 1.5.
std::vector<DeviceRect> Monitors(xcb_connection_t* c, std::uint32_t root)
{
    std::vector<DeviceRect> monitors;
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(c, &xcb_randr_id);
    if (randr == nullptr || !randr->present)
        return monitors;
    xcb_randr_query_version_reply_t* version =
        xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 5), nullptr);
    const bool hasMonitors = version && (version->major_version > 1 || version->minor_version >= 5);
    std::free(version);
    if (!hasMonitors)
        return monitors;
    xcb_randr_get_monitors_reply_t* reply =
        xcb_randr_get_monitors_reply(c, xcb_randr_get_monitors(c, root, 1), nullptr);
    if (reply == nullptr)
        return monitors;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(reply); it.rem > 0; xcb_randr_monitor_info_next(&it)) {
        const DeviceRect r{it.data->x, it.data->y, it.data->width, it.data->height};
        if (it.data->primary)
            monitors.insert(monitors.begin(), r);
        else
            monitors.push_back(r);
    }
    std::free(reply);
    return monitors;
}

} // namespace

std::optional<SnapshotPlacement> X11SnapshotPlacement(double scale, QSize bannerSize)
{
    xcb_connection_t* c = x11::Connection();
    const std::uint32_t root = x11::Root();
    if (c == nullptr || root == 0)
        return std::nullopt;
    // The screen's size now: RandR may have changed it since the connection
    // was made.
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, root), nullptr);
    if (geometry == nullptr)
        return std::nullopt;
    const int width = geometry->width;
    const int height = geometry->height;
    std::free(geometry);
    return PlaceSnapshot(width, height, Monitors(c, root), 0, scale, bannerSize.width(), bannerSize.height());
}

void PlaceInDevicePixels(QWindow* window, const DeviceRect& device, bool withSize)
{
    xcb_connection_t* c = x11::Connection();
    if (window == nullptr || c == nullptr)
        return;
    const auto id = static_cast<std::uint32_t>(window->winId());
    const std::uint32_t values[] = {static_cast<std::uint32_t>(device.x), static_cast<std::uint32_t>(device.y),
                                    static_cast<std::uint32_t>(device.width),
                                    static_cast<std::uint32_t>(device.height)};
    std::uint16_t mask = XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y;
    if (withSize) {
        mask |= XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT;
        // At a scale the toolkit asks the window manager for sizes in steps
        // of one logical pixel, which would cut a size that does not divide
        // by the scale down to the step below it.
        const std::uint32_t property = XCB_ATOM_WM_NORMAL_HINTS;
        if (auto hints = x11::Property32(id, property); hints && hints->size() >= 18) {
            constexpr std::uint32_t kUserSize = 2, kResizeSteps = 64, kBaseSize = 256;
            std::vector<std::uint32_t>& h = *hints;
            h[0] = (h[0] & ~(kResizeSteps | kBaseSize)) | kUserSize;
            h[3] = values[2];
            h[4] = values[3];
            x11::SetProperty32(id, property, XCB_ATOM_WM_SIZE_HINTS, h);
        }
    }
    xcb_configure_window(c, id, mask, values);
    xcb_flush(c);
}
