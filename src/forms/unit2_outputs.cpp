#include "forms/unit2_outputs.h"

#include "app/application.h"
#include "forms/spoite.h"
#include "forms/unit1.h"
#include "forms/unit2.h"
#include "forms/unit3.h"
#include "platform/screencapture.h"
#include "platform/windowlayer.h"
#include "widgets/timage.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <malloc.h>

namespace {

// Under XWayland the snapshot window is left to the X server: the
// compositor shows such a window where it stands, over every output it
// spans and above every other window, and no full-screen application is
// taken out of its state.
bool XWayland() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// Asks for full screen on the window's own output before the window is
// mapped, so that its first frame already has the output's size.
void CoverOutput(QWidget* window, QScreen* screen)
{
    window->setScreen(screen);
    window->setGeometry(screen->geometry());
    CommitFrameForEveryConfigure(window);
    {
        // Asked for anew: a native window made again after the last picking
        // would not learn a state the widget already holds.
        window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
    }
}

// The compositor holds every change of a full-screen window's size or state
// (a press on another output moves the focus) until the window commits a
// frame after acknowledging it, and shows the window's older frame
// meanwhile, up to 200 ms and longer when changes follow each other. Qt 6.4
// acknowledges a change that keeps the window's size without drawing
// anything; it hands the window a state change event for every change it
// acknowledges, though (also when the state stays the same), and an expose
// event for the first. Each of them is therefore followed by a repaint,
// which always reaches the compositor as a new frame: without it, the
// snapshot appears late and the readout stays behind the picks.
class CommitEveryConfigure : public QObject {
public:
    explicit CommitEveryConfigure(QWidget* widget) : QObject(widget), widget_(widget) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Expose || type == QEvent::WindowStateChange || type == QEvent::ScreenChangeInternal) &&
            static_cast<QWindow*>(watched)->isExposed()) {
            // A pixel that is really drawn: a repaint hidden under a child
            // draws nothing, and Qt then hands the compositor no frame.
            QWidget* top = widget_->childAt(0, 0);
            if (top == nullptr)
                top = widget_;
            top->update(QRect(top->mapFrom(widget_, QPoint(0, 0)), QSize(1, 1)));
        }
        return false;
    }

private:
    QWidget* widget_;
};

} // namespace

void CommitFrameForEveryConfigure(QWidget* window)
{
    // The native window is made anew for every picking.
    window->winId();
    // Looked up by its own type: without a meta-object of its own, findChild
    // would take any child object for it.
    CommitEveryConfigure* filter = nullptr;
    for (QObject* child : window->children())
        if ((filter = dynamic_cast<CommitEveryConfigure*>(child)) != nullptr)
            break;
    if (!filter)
        filter = new CommitEveryConfigure(window);
    window->windowHandle()->installEventFilter(filter);
}

TOutputSnapshot::TOutputSnapshot(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("画面のハードコピー"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
}

void TOutputSnapshot::SetPart(const QImage& picture, const PictureRect& part, QPoint offset)
{
    picture_ = picture;
    part_ = part;
    offset_ = offset;
    update();
}

void TOutputSnapshot::Clear()
{
    picture_ = QImage();
    part_ = {};
}

void TOutputSnapshot::DropNativeWindow()
{
    if (!isVisible())
        destroy();
}

void TOutputSnapshot::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const QRect source(part_.left, part_.top, part_.right - part_.left, part_.bottom - part_.top);
    if (picture_.isNull() || source.isEmpty()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(rect()), picture_, source);
}

QPointF TOutputSnapshot::OnDesktop(const QMouseEvent* event) const { return event->position() + offset_; }

// Presses and moves go to the snapshot window's own handlers, in the
// coordinates of the box around every output: a drag may start on one
// output and go on over another.
void TOutputSnapshot::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = OnDesktop(event);
    Form2->imgMainMouseDown(this, event->button(), p.x(), p.y());
}

void TOutputSnapshot::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TOutputSnapshot::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = OnDesktop(event);
    Form2->imgMainMouseMove(this, p.x(), p.y());
}

void TOutputSnapshot::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = OnDesktop(event).toPoint();
    Form2->imgMainMouseUp(this, event->button(), p.x(), p.y());
}

TForm2::~TForm2() { qDeleteAll(others_); }

void TForm2::setVisible(bool visible)
{
    // Natively, Qt 6.4 takes a window's scale from the output it is made on,
    // and learns a new one only once the compositor shows the window there.
    // The snapshot window is made on the main window's output, where picking
    // begins, so that its first frames already have that output's scale.
    if (visible && !isVisible() && !XWayland() && IsWaylandSession()) {
        QScreen* origin = Form1->screen() ? Form1->screen() : QGuiApplication::primaryScreen();
        if (windowHandle() != nullptr && windowHandle()->screen() != origin)
            destroy();
        // Qt finds the output of a window it makes from its place.
        setScreen(origin);
        setGeometry(origin->geometry());
    }
    QWidget::setVisible(visible);
}

QRect TForm2::LayOutOutputs(QScreen* origin)
{
    // The box around every output; the portal's picture covers it.
    const QList<QScreen*> screens = origin->virtualSiblings();
    QRect box;
    for (const QScreen* s : screens)
        box |= s->geometry();
    outputs_.clear();
    for (const QScreen* s : screens) {
        const QRect g = s->geometry().translated(-box.topLeft());
        outputs_.push_back(
            {double(g.left()), double(g.top()), double(g.width()), double(g.height()), s->devicePixelRatio()});
    }
    return box;
}

void TForm2::ShowOnOutputs(QScreen* origin, const QRect& box)
{
    const QRect output = origin->geometry();
    if (XWayland()) {
        // One window over the whole box: the X server hands a drag from one
        // output to the next within a window, not across two.
        readoutCorner_ = output.bottomRight() + QPoint(1, 1) - box.topLeft();
        setGeometry(box);
        imgMain->setGeometry(QRect(QPoint(0, 0), box.size()));
        readout->move(*readoutCorner_ - QPoint(readout->width(), readout->height()));
        readout->show();
        readout->raise();
        return;
    }
    // This window covers the output where picking began and carries the
    // banner's text and the readout; its image lies at the box's corner, so
    // that the image's coordinates are the box's on every output.
    readoutCorner_.reset();
    CoverOutput(this, origin);
    imgMain->setGeometry(QRect(box.topLeft() - output.topLeft(), box.size()));
    readout->move(width() - readout->width(), height() - readout->height());
    readout->show();
    readout->raise();

    const QList<QScreen*> screens = origin->virtualSiblings();
    while (others_.size() < static_cast<std::size_t>(screens.size()))
        others_.push_back(new TOutputSnapshot);
    const QImage& picture = imgMain->Picture();
    std::size_t used = 0;
    for (int i = 0; i < screens.size(); ++i) {
        if (screens[i] == origin)
            continue;
        TOutputSnapshot* other = others_[used++];
        CoverOutput(other, screens[i]);
        other->SetPart(picture, PartOfOutput(outputs_, i, picture.width(), picture.height()),
                       screens[i]->geometry().topLeft() - box.topLeft());
        other->setCursor(SpoiteCursor(screens[i]->devicePixelRatio()));
        other->show();
    }
}

void TForm2::CloseOutputs()
{
    for (TOutputSnapshot* other : others_) {
        other->Clear();
        if (other->isVisible())
            CloseWindow(other);
    }
    // Nothing is gained by keeping the picture: the next start takes a new
    // one, and every byte of it goes back now. The windows' buffers go with
    // their native windows.
    imgMain->SetPictureSize(0, 0);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isVisible())
                destroy();
            for (TOutputSnapshot* other : others_)
                other->DropNativeWindow();
            malloc_trim(0);
        },
        Qt::QueuedConnection);
    if (mainHidden_) {
        mainHidden_ = false;
        Form1->show();
    }
    if (swayDesktop_) {
        // The snapshot took the full-screen state from an application on its
        // output, and sway puts a window shown again in the middle of its
        // output: both are handed back once sway shows the main window.
        sway::RestoreFullScreen(*swayDesktop_);
        if (!putBack_) {
            putBack_ = new QTimer(this);
            putBack_->setInterval(20);
            connect(putBack_, &QTimer::timeout, this, [this] { RunGuarded([this] { PutBackOnSway(); }); });
        }
        putBackTries_ = 0;
        putBack_->start();
    }
}

void TForm2::PutBackOnSway()
{
    // Up to a second for sway to show the main window.
    if (!swayDesktop_ || isVisible() || sway::PutBackMain(*swayDesktop_, Form1->windowTitle()) ||
        ++putBackTries_ >= 50) {
        putBack_->stop();
        swayDesktop_.reset();
    }
}
