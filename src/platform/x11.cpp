#include "platform/x11.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace x11 {

xcb_connection_t* Connection()
{
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->connection() : nullptr;
}

std::uint32_t Root()
{
    xcb_connection_t* c = Connection();
    if (c == nullptr)
        return 0;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return screen ? screen->root : 0;
}

std::uint32_t Atom(const char* name)
{
    static std::map<std::string, std::uint32_t> known;
    if (auto it = known.find(name); it != known.end())
        return it->second;
    xcb_connection_t* c = Connection();
    if (c == nullptr)
        return 0;
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const std::uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    if (atom != 0)
        known[name] = atom;
    return atom;
}

std::optional<std::vector<std::uint32_t>> Property32(std::uint32_t window, std::uint32_t property)
{
    xcb_connection_t* c = Connection();
    if (c == nullptr || window == 0 || property == 0)
        return std::nullopt;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    if (reply == nullptr)
        return std::nullopt;
    std::optional<std::vector<std::uint32_t>> values;
    if (reply->type != XCB_NONE && reply->format == 32) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.emplace(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

void SetProperty32(std::uint32_t window, std::uint32_t property, std::uint32_t type,
                   const std::vector<std::uint32_t>& values)
{
    xcb_connection_t* c = Connection();
    if (c == nullptr || window == 0 || property == 0)
        return;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, 32, static_cast<std::uint32_t>(values.size()),
                        values.data());
    xcb_flush(c);
}

} // namespace x11
