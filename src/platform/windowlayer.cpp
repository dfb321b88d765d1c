#include "platform/windowlayer.h"

#include "platform/x11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
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

bool ManagerHasUpperLayer()
{
    if (x11::Connection() == nullptr || WindowManagerCheck() == 0)
        return true;
    const auto supported = x11::Property32(x11::Root(), x11::Atom("_NET_SUPPORTED"));
    return supported &&
           std::find(supported->begin(), supported->end(), x11::Atom("_NET_WM_STATE_ABOVE")) != supported->end();
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
        // A manager that publishes no frame extents (i3) is taken at its
        // word: the place kept is the client area's, put back as such.
        const auto frame = x11::Property32(id, x11::Atom("_NET_FRAME_EXTENTS"));
        const bool framed = frame && frame->size() == 4;
        const qreal ratio = window->devicePixelRatio();
        const int left = origin->dst_x - (framed ? static_cast<int>((*frame)[0]) : 0);
        const int top = origin->dst_y - (framed ? static_cast<int>((*frame)[2]) : 0);
        placement.framePosition = QPoint(qRound(left / ratio), qRound(top / ratio));
        placement.clientPosition = !framed;
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
    // The layer is asked for once the window is shown again (SetKeepAbove),
    // not carried into the mapping: some managers (icewm) keep a layer found
    // at the mapping for good and ignore a later request to leave it.
    std::erase(states, x11::Atom("_NET_WM_STATE_ABOVE"));
    x11::SetProperty32(id, x11::Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, states);
}

void PutBack(QWindow* window, const DesktopPlacement& placement)
{
    if (window == nullptr || !placement.framePosition)
        return;
    if (x11::Connection() != nullptr && window->isVisible()) {
        // A shown window is moved through the manager, as a pager moves it:
        // some managers keep a window's own move inside the screen.
        constexpr std::uint32_t kNorthWest = 1;
        constexpr std::uint32_t kStatic = 10;
        constexpr std::uint32_t kXAndY = (1u << 8) | (1u << 9);
        constexpr std::uint32_t kFromPager = 2u << 12;
        const QPoint device = *placement.framePosition * window->devicePixelRatio();
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = NativeId(window);
        event.type = x11::Atom("_NET_MOVERESIZE_WINDOW");
        event.data.data32[0] = (placement.clientPosition ? kStatic : kNorthWest) | kXAndY | kFromPager;
        event.data.data32[1] = static_cast<std::uint32_t>(device.x());
        event.data.data32[2] = static_cast<std::uint32_t>(device.y());
        xcb_connection_t* c = x11::Connection();
        xcb_send_event(c, 0, x11::Root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(c);
        return;
    }
    if (placement.clientPosition)
        window->setPosition(*placement.framePosition);
    else
        window->setFramePosition(*placement.framePosition);
}

bool StandsAt(QWindow* window, const DesktopPlacement& placement)
{
    if (window == nullptr || !placement.framePosition)
        return true;
    const DesktopPlacement now = SaveDesktopPlacement(window);
    return !now.framePosition || now.framePosition == placement.framePosition;
}

namespace {

// The child of the root window that holds the window: the window manager's
// frame around it, or the window itself when nothing reparented it.
std::uint32_t TopLevelOf(xcb_connection_t* c, std::uint32_t id)
{
    const std::uint32_t root = x11::Root();
    for (int depth = 0; depth < 16 && id != 0; ++depth) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, id), nullptr);
        if (tree == nullptr)
            return 0;
        const std::uint32_t parent = tree->parent;
        std::free(tree);
        if (parent == root || parent == 0)
            return id;
        id = parent;
    }
    return 0;
}

bool Viewable(xcb_connection_t* c, std::uint32_t id)
{
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr);
    const bool viewable = attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    return viewable;
}

} // namespace

bool KeepBelow(QWindow* window, const std::vector<QWindow*>& above)
{
    xcb_connection_t* c = x11::Connection();
    if (window == nullptr || c == nullptr || !window->isVisible())
        return true;
    const std::uint32_t own = TopLevelOf(c, NativeId(window));
    std::vector<std::uint32_t> frames;
    bool shown = true;
    for (QWindow* other : above) {
        if (other == nullptr || !other->isVisible())
            continue;
        const std::uint32_t frame = TopLevelOf(c, NativeId(other));
        shown = shown && frame != 0 && Viewable(c, NativeId(other));
        if (frame != 0 && frame != own)
            frames.push_back(frame);
    }
    if (own == 0 || frames.empty())
        return shown;
    // The root's children come bottom to top.
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, x11::Root()), nullptr);
    if (tree == nullptr)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const int count = xcb_query_tree_children_length(tree);
    int ownIndex = -1;
    int lowest = count;
    std::uint32_t lowestFrame = 0;
    for (int i = 0; i < count; ++i) {
        if (children[i] == own)
            ownIndex = i;
        else if (std::find(frames.begin(), frames.end(), children[i]) != frames.end() && i < lowest) {
            lowest = i;
            lowestFrame = children[i];
        }
    }
    // Right below means no other shown window in between: some managers
    // restack all their frames together, which slides other windows'
    // frames over the unmanaged one.
    bool directlyBelow = ownIndex >= 0 && ownIndex < lowest;
    for (int i = ownIndex + 1; directlyBelow && i < lowest; ++i)
        directlyBelow = !Viewable(c, children[i]);
    std::free(tree);
    if (ownIndex < 0 || lowestFrame == 0)
        return false;
    if (directlyBelow)
        return shown;
    const std::uint32_t values[] = {lowestFrame, XCB_STACK_MODE_BELOW};
    xcb_configure_window(c, own, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
    xcb_flush(c);
    return false;
}

void KeepComposited(QWindow* window)
{
    if (window == nullptr || x11::Connection() == nullptr)
        return;
    constexpr std::uint32_t kNeverBypass = 2;
    x11::SetProperty32(NativeId(window), x11::Atom("_NET_WM_BYPASS_COMPOSITOR"), XCB_ATOM_CARDINAL, {kNeverBypass});
}

namespace {

bool ForManager(std::uint32_t type)
{
    static const char* const requests[] = {"_NET_WM_STATE",        "_NET_MOVERESIZE_WINDOW",    "_NET_ACTIVE_WINDOW",
                                           "_NET_WM_DESKTOP",      "_NET_RESTACK_WINDOW",       "_NET_CLOSE_WINDOW",
                                           "_NET_WM_MOVERESIZE",   "WM_CHANGE_STATE",           "_KDE_WM_CHANGE_STATE",
                                           "_NET_CURRENT_DESKTOP", "_NET_REQUEST_FRAME_EXTENTS"};
    return std::any_of(std::begin(requests), std::end(requests),
                       [type](const char* name) { return x11::Atom(name) == type; });
}

class StackingFilter : public QAbstractNativeEventFilter {
public:
    explicit StackingFilter(std::function<void()> changed) : changed_(std::move(changed))
    {
        pending_.setSingleShot(true);
        pending_.setInterval(0);
        QObject::connect(&pending_, &QTimer::timeout, [this] { changed_(); });
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const std::uint8_t kind = event->response_type & 0x7f;
        // Watching the root brings the requests clients send its window
        // manager, this one's own included: they are not the toolkit's.
        if (kind == XCB_CLIENT_MESSAGE && ForManager(reinterpret_cast<const xcb_client_message_event_t*>(event)->type))
            return true;
        std::uint32_t parent = 0;
        if (kind == XCB_CONFIGURE_NOTIFY)
            parent = reinterpret_cast<const xcb_configure_notify_event_t*>(event)->event;
        else if (kind == XCB_MAP_NOTIFY)
            parent = reinterpret_cast<const xcb_map_notify_event_t*>(event)->event;
        // Several changes in a row are answered once.
        if (parent != 0 && parent == x11::Root() && !pending_.isActive())
            pending_.start();
        return false;
    }

private:
    std::function<void()> changed_;
    QTimer pending_;
};

} // namespace

std::shared_ptr<void> WatchStacking(std::function<void()> changed)
{
    xcb_connection_t* c = x11::Connection();
    if (c == nullptr)
        return {};
    // The root's changes of its children reach this client only when asked
    // for, added to what the toolkit already asks for there.
    const std::uint32_t root = x11::Root();
    std::uint32_t mask = 0;
    if (xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr)) {
        mask = attributes->your_event_mask;
        std::free(attributes);
    }
    const std::uint32_t watched = mask | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &watched);
    xcb_flush(c);
    auto* filter = new StackingFilter(std::move(changed));
    QCoreApplication::instance()->installNativeEventFilter(filter);
    return std::shared_ptr<void>(filter, [mask](void* p) {
        auto* stopped = static_cast<StackingFilter*>(p);
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::instance()->removeNativeEventFilter(stopped);
        if (xcb_connection_t* connection = x11::Connection()) {
            xcb_change_window_attributes(connection, x11::Root(), XCB_CW_EVENT_MASK, &mask);
            xcb_flush(connection);
        }
        delete stopped;
    });
}

std::vector<QRect> FrameRectangles(const std::vector<QWindow*>& windows)
{
    std::vector<QRect> frames;
    xcb_connection_t* c = x11::Connection();
    if (c == nullptr)
        return frames;
    for (QWindow* window : windows) {
        if (window == nullptr || !window->isVisible())
            continue;
        const std::uint32_t frame = TopLevelOf(c, NativeId(window));
        if (frame == 0 || !Viewable(c, frame))
            continue;
        if (xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, frame), nullptr)) {
            const int border = geometry->border_width;
            frames.emplace_back(geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border);
            std::free(geometry);
        }
    }
    return frames;
}

std::optional<QRect> DesktopWorkArea()
{
    if (x11::Connection() == nullptr)
        return std::nullopt;
    const auto areas = x11::Property32(x11::Root(), x11::Atom("_NET_WORKAREA"));
    const auto current = x11::Property32(x11::Root(), x11::Atom("_NET_CURRENT_DESKTOP"));
    const std::size_t desktop = current && !current->empty() ? current->front() : 0;
    if (!areas || areas->size() < 4 * (desktop + 1))
        return std::nullopt;
    const std::uint32_t* area = areas->data() + 4 * desktop;
    const QRect work(static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
                     static_cast<int>(area[3]));
    return work.isEmpty() ? std::nullopt : std::optional<QRect>(work);
}

namespace {

bool CompositingManagerRuns(xcb_connection_t* c)
{
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(0);
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, x11::Atom(name.constData())), nullptr);
    const bool runs = owner != nullptr && owner->owner != XCB_NONE;
    std::free(owner);
    return runs;
}

QByteArray ScreenPixels(xcb_connection_t* c, const QRect& area)
{
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, x11::Root(), static_cast<std::int16_t>(area.x()),
                      static_cast<std::int16_t>(area.y()), static_cast<std::uint16_t>(area.width()),
                      static_cast<std::uint16_t>(area.height()), ~0u),
        nullptr);
    if (image == nullptr)
        return {};
    QByteArray pixels(reinterpret_cast<const char*>(xcb_get_image_data(image)), xcb_get_image_data_length(image));
    std::free(image);
    return pixels;
}

} // namespace

void WaitForFadeOut(const QRect& area, int minimum, int limit)
{
    QElapsedTimer timer;
    timer.start();
    xcb_connection_t* c = x11::Connection();
    if (c == nullptr || area.isEmpty() || !CompositingManagerRuns(c)) {
        QThread::msleep(static_cast<unsigned long>(std::max(0, minimum)));
        return;
    }
    // The area is looked at frame by frame; after the minimum, the fade is
    // over once the area stays the same for three frames: a busy compositor
    // can show the same frame of a fade twice in a row (mutter's fade left a
    // faint ghost of the main window in the copy then).
    constexpr int kFrame = 17;
    constexpr int kStillFrames = 3;
    QByteArray last = ScreenPixels(c, area);
    int still = 0;
    while (timer.elapsed() < limit) {
        QThread::msleep(kFrame);
        QByteArray now = ScreenPixels(c, area);
        still = now == last ? still + 1 : 0;
        if (still >= kStillFrames && timer.elapsed() >= minimum)
            return;
        last = std::move(now);
    }
}
