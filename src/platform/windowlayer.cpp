#include "platform/windowlayer.h"

#include "platform/x11.h"

#include <QElapsedTimer>
#include <QThread>
#include <QVariant>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr char kKeepAbove[] = "tesmarKeepAbove";
constexpr std::uint32_t kRemove = 0;
constexpr std::uint32_t kAdd = 1;
constexpr std::uint32_t kFromApplication = 1;

std::uint32_t NativeId(QWindow* window) { return static_cast<std::uint32_t>(window->winId()); }

// Asks the window manager to change one state of a mapped window.
void SendStateChange(QWindow* window, std::uint32_t action, std::uint32_t state)
{
    xcb_connection_t* c = x11::Connection();
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = NativeId(window);
    event.type = x11::Atom("_NET_WM_STATE");
    event.data.data32[0] = action;
    event.data.data32[1] = state;
    event.data.data32[3] = kFromApplication;
    xcb_send_event(c, 0, x11::Root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

// A window not mapped carries the states it asks for at its next mapping in
// its own property; Qt adds its own to them when it maps the window.
void EditUnmappedStates(QWindow* window, std::uint32_t state, bool present)
{
    const std::uint32_t property = x11::Atom("_NET_WM_STATE");
    std::vector<std::uint32_t> states =
        x11::Property32(NativeId(window), property).value_or(std::vector<std::uint32_t>{});
    std::erase(states, state);
    if (present)
        states.push_back(state);
    x11::SetProperty32(NativeId(window), property, XCB_ATOM_ATOM, states);
}

} // namespace

std::uint32_t WindowManagerCheck()
{
    xcb_connection_t* c = x11::Connection();
    const std::uint32_t check = x11::Atom("_NET_SUPPORTING_WM_CHECK");
    const auto named = x11::Property32(x11::Root(), check);
    if (c == nullptr || !named || named->empty() || named->front() == 0)
        return 0;
    const std::uint32_t id = named->front();
    xcb_generic_error_t* error = nullptr;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, id, check, XCB_ATOM_WINDOW, 0, 1), &error);
    std::free(error); // a window that is gone: no manager
    const bool alive = reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) == 4 &&
                       *static_cast<const std::uint32_t*>(xcb_get_property_value(reply)) == id;
    std::free(reply);
    return alive ? id : 0;
}

bool StackedBelow(QWindow* window, QWindow* other)
{
    if (window == nullptr || other == nullptr || x11::Connection() == nullptr)
        return false;
    const auto stacking = x11::Property32(x11::Root(), x11::Atom("_NET_CLIENT_LIST_STACKING"));
    if (!stacking)
        return false;
    // Bottom to top.
    const auto at = [&](QWindow* w) { return std::find(stacking->begin(), stacking->end(), NativeId(w)); };
    const auto mine = at(window);
    const auto theirs = at(other);
    return mine != stacking->end() && theirs != stacking->end() && mine < theirs;
}

namespace {

// Waits, briefly, until the window manager has let go of a hidden window:
// until then it may still wipe what is written on the window. Without a
// window manager nobody will.
void WaitUntilWithdrawn(std::uint32_t id)
{
    if (WindowManagerCheck() == 0)
        return;
    const std::uint32_t wmState = x11::Atom("WM_STATE");
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 500) {
        const auto state = x11::Property32(id, wmState);
        if (!state || state->empty() || (*state)[0] == 0 /* WithdrawnState */)
            return;
        QThread::msleep(2);
    }
}

} // namespace

void SetKeepAbove(QWindow* window, bool above)
{
    if (window == nullptr)
        return;
    window->setProperty(kKeepAbove, above);
    if (x11::Connection() == nullptr) {
        window->setFlag(Qt::WindowStaysOnTopHint, above);
        return;
    }
    const std::uint32_t state = x11::Atom("_NET_WM_STATE_ABOVE");
    if (window->isVisible())
        SendStateChange(window, above ? kAdd : kRemove, state);
    else
        EditUnmappedStates(window, state, above);
}

bool KeepsAbove(const QWindow* window)
{
    if (window == nullptr)
        return false;
    const QVariant asked = window->property(kKeepAbove);
    return asked.isValid() ? asked.toBool() : window->flags().testFlag(Qt::WindowStaysOnTopHint);
}

DesktopPlacement SaveDesktopPlacement(QWindow* window)
{
    DesktopPlacement placement;
    if (window == nullptr || x11::Connection() == nullptr || !window->isVisible())
        return placement;
    const std::uint32_t id = NativeId(window);
    placement.known = true;
    if (const auto desktop = x11::Property32(id, x11::Atom("_NET_WM_DESKTOP")); desktop && !desktop->empty()) {
        placement.withDesktop = true;
        placement.desktop = desktop->front();
    }
    placement.states = x11::Property32(id, x11::Atom("_NET_WM_STATE")).value_or(std::vector<std::uint32_t>{});
    xcb_connection_t* c = x11::Connection();
    if (xcb_translate_coordinates_reply_t* origin =
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, x11::Root(), 0, 0), nullptr)) {
        // The frame's corner from what the X server and the window manager
        // say now; the toolkit's own idea of the frame can be stale.
        const auto frame = x11::Property32(id, x11::Atom("_NET_FRAME_EXTENTS"));
        const bool framed = frame && frame->size() == 4;
        const qreal ratio = window->devicePixelRatio();
        const int left = origin->dst_x - (framed ? static_cast<int>((*frame)[0]) : 0);
        const int top = origin->dst_y - (framed ? static_cast<int>((*frame)[2]) : 0);
        placement.framePosition = QPoint(qRound(left / ratio), qRound(top / ratio));
        std::free(origin);
    }
    return placement;
}

void RestoreDesktopPlacement(QWindow* window, const DesktopPlacement& placement)
{
    if (window == nullptr || !placement.known || x11::Connection() == nullptr || window->isVisible())
        return;
    const std::uint32_t id = NativeId(window);
    WaitUntilWithdrawn(id);
    if (placement.withDesktop)
        x11::SetProperty32(id, x11::Atom("_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, {placement.desktop});
    std::vector<std::uint32_t> states = placement.states;
    // The layer is whatever was last asked for, not what it was before the hide.
    const std::uint32_t above = x11::Atom("_NET_WM_STATE_ABOVE");
    std::erase(states, above);
    if (KeepsAbove(window))
        states.push_back(above);
    x11::SetProperty32(id, x11::Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, states);
}
