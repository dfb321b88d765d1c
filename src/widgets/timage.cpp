#include "widgets/timage.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <xcb/xcb.h>

#include <cmath>

namespace {

// Qt 6.4 hands a widget its mouse position rounded to whole logical pixels;
// the position in the window keeps the fraction that tells the device pixels
// of a scaled screen apart. Events made up without one (a scene position
// not within a pixel of the widget's own) keep the widget's position.
QPointF ExactPosition(const QWidget* widget, const QMouseEvent* event)
{
    const QPointF fromWindow = event->scenePosition() - widget->mapTo(widget->window(), QPointF(0, 0));
    const QPointF rounded = event->position();
    if (std::abs(fromWindow.x() - rounded.x()) < 1 && std::abs(fromWindow.y() - rounded.y()) < 1)
        return fromWindow;
    return rounded;
}

} // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

QPoint TImage::PixelAt(QPointF position) const
{
    const qreal half = 0.5 / devicePixelRatioF();
    return {int(std::floor(position.x() + half)), int(std::floor(position.y() + half))};
}

void TImage::showEvent(QShowEvent* event)
{
    // Presses reach the window first, where the toolkit hands them on to a
    // control. Installing the filter again on a later showing adds no second one.
    if (QWindow* handle = window()->windowHandle())
        handle->installEventFilter(this);
    QWidget::showEvent(event);
}

bool TImage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    // Qt hands a press to the control under its position rounded to whole
    // logical pixels: on a scaled screen a device pixel on this control's
    // last row or column goes to its neighbour, often a scroll bar. Such a
    // press is given to this control, at the whole pixel that holds it; the
    // exact position travels with it.
    QWidget* top = window();
    if (watched != top->windowHandle())
        return false;
    auto* press = static_cast<QMouseEvent*>(event);
    const QPointF exact = press->scenePosition();
    const QPoint held = PixelAt(exact);
    if (top->childAt(held) != this || top->childAt(press->position().toPoint()) == this)
        return false;
    QMouseEvent handed(press->type(), QPointF(held), exact, press->globalPosition(), press->button(), press->buttons(),
                       press->modifiers(), press->pointingDevice());
    handed.setTimestamp(press->timestamp());
    QCoreApplication::sendEvent(watched, &handed);
    press->setAccepted(handed.isAccepted());
    return true;
}

QRgb TImage::ToRgb(TColor color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }

TColor TImage::FromRgb(QRgb rgb) { return MakeColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

void TImage::SetPictureSize(int width, int height)
{
    SetOnScreenPainter({});
    picture_ = QImage(width, height, QImage::Format_RGB32);
    picture_.fill(Qt::white);
    resize(width, height);
    update();
}

void TImage::SetPicture(const QImage& image) { SetPicture(image, {}); }

void TImage::SetPicture(const QImage& image, OnScreenPainter onScreen)
{
    picture_ = image.convertToFormat(QImage::Format_RGB32);
    // A converted picture no longer holds the pixels the painter draws.
    SetOnScreenPainter(picture_.constBits() == image.constBits() ? std::move(onScreen) : OnScreenPainter());
    update();
}

void TImage::SetOnScreenPainter(OnScreenPainter onScreen)
{
    if (!onScreen_ && !onScreen)
        return;
    onScreen_ = std::move(onScreen);
    if (onScreen_)
        setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen, static_cast<bool>(onScreen_));
}

// Without a paint engine the toolkit neither draws the control into its own
// copy of the window nor copies that over what the painter drew.
QPaintEngine* TImage::paintEngine() const { return onScreen_ ? nullptr : QWidget::paintEngine(); }

void TImage::PaintOnScreen(const QRegion& region)
{
    // The toolkit asks for paints of a hidden window too; its showing brings
    // a paint of its own. A full-screen copy drawn for nothing would hold up
    // the window system.
    if (!isVisible() || windowHandle() == nullptr || !windowHandle()->isExposed())
        return;
    // The logical pixels asked for, widened to whole device pixels.
    const qreal ratio = devicePixelRatioF();
    for (const QRect& r : region) {
        const QRect device =
            QRect(QPoint(int(std::floor(r.left() * ratio)), int(std::floor(r.top() * ratio))),
                  QPoint(int(std::ceil((r.right() + 1) * ratio)) - 1, int(std::ceil((r.bottom() + 1) * ratio)) - 1)) &
            picture_.rect();
        if (!device.isEmpty() && !onScreen_(winId(), device)) {
            // Drawn by the toolkit from now on.
            SetOnScreenPainter({});
            update();
            return;
        }
    }
}

bool TImage::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    // The toolkit paints only what lies inside the window's logical size,
    // rounded: at a scale the window's last device column or row can lie
    // beyond it (a snapshot 1366 device pixels wide at 2.5 is 546 logical
    // pixels, 1365 device pixels). That part of an exposure is drawn here,
    // in the server's own device pixels.
    if (onScreen_ && eventType == "xcb_generic_event_t" && isVisible()) {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_EXPOSE) {
            const auto* expose = static_cast<const xcb_expose_event_t*>(message);
            const qreal ratio = devicePixelRatioF();
            const QRect painted(
                mapFromParent(QPoint(0, 0)) * ratio,
                QSize(int(std::floor(window()->width() * ratio)), int(std::floor(window()->height() * ratio))));
            const QRegion beyond =
                QRegion(QRect(expose->x, expose->y, expose->width, expose->height)).subtracted(painted);
            for (const QRect& r : beyond) {
                const QRect device = r & picture_.rect();
                if (!device.isEmpty())
                    onScreen_(winId(), device);
            }
        }
    }
    return QWidget::nativeEvent(eventType, message, result);
}

void TImage::FillRect(int left, int top, int right, int bottom, TColor color)
{
    SetOnScreenPainter({}); // the painter would show the picture as it was
    const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & picture_.rect();
    if (area.isEmpty())
        return;
    const QRgb rgb = ToRgb(color);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            row[x] = rgb;
    }
    update(area);
}

void TImage::DrawLine(int x1, int y1, int x2, int y2, TColor color)
{
    // Only the straight lines the windows draw: horizontal or vertical.
    if (x1 == x2) {
        FillRect(x1, std::min(y1, y2), x1 + 1, std::max(y1, y2) + 1, color);
    } else if (y1 == y2) {
        FillRect(std::min(x1, x2), y1, std::max(x1, x2) + 1, y1 + 1, color);
    } else {
        SetOnScreenPainter({});
        QPainter painter(&picture_);
        painter.setPen(QColor::fromRgb(ToRgb(color)));
        painter.drawLine(x1, y1, x2, y2);
        update();
    }
}

void TImage::DrawOutline(int left, int top, int right, int bottom, TColor color)
{
    DrawLine(left, top, right, top, color);
    DrawLine(left, bottom, right, bottom, color);
    DrawLine(left, top, left, bottom, color);
    DrawLine(right, top, right, bottom, color);
}

void TImage::SetPixel(int x, int y, TColor color)
{
    SetOnScreenPainter({}); // the painter would show the picture as it was
    if (!picture_.valid(x, y))
        return;
    reinterpret_cast<QRgb*>(picture_.scanLine(y))[x] = ToRgb(color);
    update(x, y, 1, 1);
}

TColor TImage::Pixel(int x, int y) const
{
    if (!picture_.valid(x, y))
        return 0;
    return FromRgb(picture_.pixel(x, y));
}

void TImage::paintEvent(QPaintEvent* event)
{
    if (onScreen_) {
        PaintOnScreen(event->region());
        return;
    }
    // Only what the picture does not cover gets the background: a full-screen
    // snapshot is drawn once, not painted over twice.
    QPainter painter(this);
    const qreal ratio = picture_.devicePixelRatio();
    if (ratio == 1.0) {
        const QRegion uncovered = QRegion(event->rect()).subtracted(picture_.rect());
        for (const QRect& r : uncovered)
            painter.fillRect(r, palette().window());
        const QRect exposed = event->rect() & picture_.rect();
        if (!exposed.isEmpty())
            painter.drawImage(exposed.topLeft(), picture_, exposed);
        return;
    }
    // A picture of device pixels, such as a copy of a scaled screen, covers
    // its logical size: the whole picture, not its first device pixels.
    const QRectF covered(QPointF(0, 0), picture_.deviceIndependentSize());
    const QRegion uncovered = QRegion(event->rect()).subtracted(QRegion(covered.toAlignedRect()));
    for (const QRect& r : uncovered)
        painter.fillRect(r, palette().window());
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(covered, picture_);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseDown(event->button(), p.x(), p.y());
    emit pointerDown(event->button(), ExactPosition(this, event));
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click: the double-click comes first, then
    // the press itself, as with any other press.
    if (event->button() == Qt::LeftButton)
        emit dblClick();
    const QPoint p = event->position().toPoint();
    emit mouseDown(event->button(), p.x(), p.y());
    emit pointerDown(event->button(), ExactPosition(this, event));
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseMove(p.x(), p.y());
    emit pointerMove(ExactPosition(this, event));
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseUp(event->button(), p.x(), p.y());
}

TShape::TShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
