#include "platform/x11capture.h"

#include "platform/x11.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The pixel layout QImage::Format_RGB32 reads: 32 bits per pixel, red in
// bits 16-23, in the machine's byte order (little-endian here).
bool ServerWritesRgb32(xcb_connection_t* c, const xcb_screen_t* screen)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || screen->root_depth < 24)
        return false;
    bool bits32 = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == screen->root_depth)
            bits32 = f.data->bits_per_pixel == 32;
    if (!bits32)
        return false;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d))
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
            if (v.data->visual_id == screen->root_visual)
                return v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 && v.data->blue_mask == 0xff;
    return false;
}

} // namespace

// A shared-memory segment the server writes the screen into. It is kept from
// one snapshot to the next: a fresh segment the size of an 8K screen costs
// several times the copy itself in page faults, in the server and in Tesmar.
struct X11ShmScreenCapture::Segment {
    void* address = nullptr;
    std::size_t bytes = 0;
    std::uint32_t id = 0; // the server's name for it; 0 when not attached
    bool inUse = false;   // a picture still shows these pixels

    ~Segment()
    {
        // Once the toolkit has closed its connection, the server has let go
        // of the segment by itself.
        if (xcb_connection_t* c = id != 0 ? x11::Connection() : nullptr) {
            xcb_shm_detach(c, id);
            xcb_flush(c);
        }
        if (address != nullptr)
            shmdt(address);
    }
};

namespace {

using SegmentPtr = std::shared_ptr<X11ShmScreenCapture::Segment>;

// Called when the last picture sharing the segment's pixels goes away.
void ReleaseSegment(void* info)
{
    auto* held = static_cast<SegmentPtr*>(info);
    (*held)->inUse = false;
    delete held;
}

SegmentPtr NewSegment(xcb_connection_t* c, std::size_t bytes)
{
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return {};
    void* address = shmat(id, nullptr, 0);
    // Marked for removal at once, before the X server is asked to attach it
    // (Linux lets a marked segment be attached while someone holds it): the
    // memory goes away with its last user, even if Tesmar ends in the middle.
    shmctl(id, IPC_RMID, nullptr);
    if (address == reinterpret_cast<void*>(-1))
        return {};
    auto segment = std::make_shared<X11ShmScreenCapture::Segment>();
    segment->address = address;
    segment->bytes = bytes;
    const xcb_shm_seg_t name = xcb_generate_id(c);
    xcb_generic_error_t* error = xcb_request_check(c, xcb_shm_attach_checked(c, name, std::uint32_t(id), 0));
    if (error != nullptr) {
        std::free(error);
        return {};
    }
    segment->id = name;
    return segment;
}

// Draws a picture from a kept segment onto a window with the server's own
// copy: the picture never passes through the toolkit's window buffer.
class SegmentPainter {
public:
    SegmentPainter(QSize size, SegmentPtr segment) : size_(size), segment_(std::move(segment)) {}

    bool operator()(WId window, const QRect& area)
    {
        xcb_connection_t* c = x11::Connection();
        if (c == nullptr || !Fits(c, std::uint32_t(window)))
            return false;
        const QRect part = area & QRect(QPoint(0, 0), size_);
        if (!part.isEmpty())
            xcb_shm_put_image(c, std::uint32_t(window), Context(c), std::uint16_t(size_.width()),
                              std::uint16_t(size_.height()), std::uint16_t(part.x()), std::uint16_t(part.y()),
                              std::uint16_t(part.width()), std::uint16_t(part.height()), std::int16_t(part.x()),
                              std::int16_t(part.y()), RootDepth(c), XCB_IMAGE_FORMAT_Z_PIXMAP, 0, segment_->id, 0);
        xcb_flush(c);
        return true;
    }

private:
    static std::uint8_t RootDepth(xcb_connection_t* c)
    {
        return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root_depth;
    }

    // The server copies the segment only onto a window of the screen's depth.
    bool Fits(xcb_connection_t* c, std::uint32_t window)
    {
        if (window != checked_) {
            xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
            fits_ = geometry != nullptr && geometry->depth == RootDepth(c);
            std::free(geometry);
            checked_ = window;
        }
        return fits_;
    }

    // One graphics context for every window of the screen's depth, kept for
    // the connection's life; no exposure events come of its copies.
    static xcb_gcontext_t Context(xcb_connection_t* c)
    {
        static xcb_connection_t* madeOn = nullptr;
        static xcb_gcontext_t context = 0;
        if (madeOn != c) {
            context = xcb_generate_id(c);
            const std::uint32_t noExposures = 0;
            xcb_create_gc(c, context, x11::Root(), XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
            madeOn = c;
        }
        return context;
    }

    QSize size_;
    SegmentPtr segment_;
    std::uint32_t checked_ = 0;
    bool fits_ = false;

    friend class ImagePainter;
};

// Draws a picture Tesmar holds (the toolkit's copy of the screen) onto a
// window with plain image requests, in bands that fit the server's largest
// request. Drawn this way rather than by the toolkit, the window's device
// pixels beyond its rounded logical size (the last column or row at a scale
// that does not divide the screen) are drawn too.
class ImagePainter {
public:
    explicit ImagePainter(QImage image) : image_(std::move(image)) {}

    bool operator()(WId window, const QRect& area)
    {
        xcb_connection_t* c = x11::Connection();
        const xcb_screen_t* screen = c != nullptr ? xcb_setup_roots_iterator(xcb_get_setup(c)).data : nullptr;
        if (screen == nullptr || image_.format() != QImage::Format_RGB32 || !ServerWritesRgb32(c, screen))
            return false;
        if (window != checked_) {
            xcb_get_geometry_reply_t* geometry =
                xcb_get_geometry_reply(c, xcb_get_geometry(c, std::uint32_t(window)), nullptr);
            fits_ = geometry != nullptr && geometry->depth == screen->root_depth;
            std::free(geometry);
            checked_ = window;
        }
        if (!fits_)
            return false;
        const QRect part = area & image_.rect();
        if (part.isEmpty())
            return true;
        const std::size_t rowBytes = std::size_t(part.width()) * 4;
        const std::size_t largest = std::size_t(xcb_get_maximum_request_length(c)) * 4 - 64;
        const int rows = int(std::max<std::size_t>(1, largest / rowBytes));
        std::vector<std::uint8_t> band;
        for (int y = part.top(); y <= part.bottom(); y += rows) {
            const int count = std::min(rows, part.bottom() + 1 - y);
            band.resize(rowBytes * std::size_t(count));
            for (int row = 0; row < count; ++row)
                std::memcpy(band.data() + rowBytes * std::size_t(row), image_.constScanLine(y + row) + part.x() * 4,
                            rowBytes);
            xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, std::uint32_t(window), SegmentPainter::Context(c),
                          std::uint16_t(part.width()), std::uint16_t(count), std::int16_t(part.x()), std::int16_t(y), 0,
                          screen->root_depth, std::uint32_t(band.size()), band.data());
        }
        xcb_flush(c);
        return true;
    }

private:
    QImage image_;
    WId checked_ = 0;
    bool fits_ = false;
};

} // namespace

QImage X11ShmScreenCapture::CopyOfRoot()
{
    xcb_connection_t* c = x11::Connection();
    if (c == nullptr)
        return {};
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    if (shm == nullptr || !shm->present)
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (screen == nullptr || !ServerWritesRgb32(c, screen))
        return {};
    const int width = screen->width_in_pixels;
    const int height = screen->height_in_pixels;
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    if (bytes == 0)
        return {};

    // The kept segment is written again only when no picture shows it any
    // more; otherwise (or at a new screen size) a new one takes its place.
    if (kept_ == nullptr || kept_->inUse || kept_->bytes != bytes) {
        kept_ = NewSegment(c, bytes);
        if (kept_ == nullptr)
            return {};
    }
    xcb_generic_error_t* error = nullptr;
    xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(
        c,
        xcb_shm_get_image(c, screen->root, 0, 0, static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height),
                          ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, kept_->id, 0),
        &error);
    const bool copied = reply != nullptr && error == nullptr;
    std::free(reply);
    std::free(error);
    if (!copied)
        return {};
    // The picture shares the segment's pixels; no second copy of the screen
    // is made.
    kept_->inUse = true;
    return QImage(static_cast<uchar*>(kept_->address), width, height, width * 4, QImage::Format_RGB32, ReleaseSegment,
                  new SegmentPtr(kept_));
}

X11ShmScreenCapture::X11ShmScreenCapture() = default;
X11ShmScreenCapture::~X11ShmScreenCapture() = default;

CaptureResult ToolkitScreenCapture::Capture(const QRect& desktop)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    // Window 0 is the whole desktop; from the primary screen's corner to the
    // desktop's, in the screen's own logical pixels.
    const QPoint from = desktop.topLeft() - screen->geometry().topLeft();
    return {screen->grabWindow(0, from.x(), from.y(), desktop.width(), desktop.height()).toImage(), {}};
}

CaptureResult X11ShmScreenCapture::Capture(const QRect& desktop)
{
    QImage image = CopyOfRoot();
    if (image.isNull()) {
        CaptureResult copy = ToolkitScreenCapture().Capture(desktop);
        if (!copy.image.isNull())
            copy.onScreen = ImagePainter(copy.image);
        return copy;
    }
    const QSize size = image.size();
    return {std::move(image), {}, SegmentPainter(size, kept_)};
}
