#include "forms/unit2.h"

#include "app/application.h"
#include "core/mfunc.h"
#include "core/pickmap.h"
#include "forms/spoite.h"
#include "forms/unit1.h"
#include "forms/unit3.h"
#include "platform/desktop.h"
#include "platform/screencapture.h"
#include "platform/windowlayer.h"
#include "platform/x11.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtMath>

#include <algorithm>

TForm2* Form2 = nullptr;

namespace {

ScreenGrabber& Grabber()
{
    static ScreenGrabber grabber;
    return grabber;
}

// Every monitor as it is now, in device pixels, or why there is no picture.
CaptureResult CaptureScreen(QScreen* screen, const QRect& desktop)
{
    if (Grabber())
        return {Grabber()(screen), QString()};
    // The portal's client lives only for its request: nothing of the session
    // bus outlives the application.
    if (IsWaylandSession())
        return MakeScreenCapture()->Capture(desktop);
    static const std::unique_ptr<ScreenCapture> capture = MakeScreenCapture();
    CaptureResult result = capture->Capture(desktop);
    if (!result.failure.isEmpty())
        qWarning("%s", qUtf8Printable(result.failure));
    return result;
}

} // namespace

void SetScreenGrabber(ScreenGrabber grabber) { Grabber() = std::move(grabber); }

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("画面のハードコピー"));
    // No focus: under some window managers a focused borderless window the
    // size of the screen is lifted above the windows kept on top.
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    // On X11 the snapshot is not handed to the window manager: managers
    // shrink a window to one monitor or its work area, tile it, shift it or
    // lift it above the windows kept on top. Unmanaged, it lies exactly over
    // every monitor and is kept right below the main window and the banner.
    // Under XWayland the compositor would make it full screen on one output
    // only, with the picture's top left corner there.
    if (x11::Connection() != nullptr)
        flags |= Qt::X11BypassWindowManagerHint;
    setWindowFlags(flags);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(TesmarFont(12));
    stacking_ = new QTimer(this);
    connect(stacking_, &QTimer::timeout, this, &TForm2::KeepStacked);
    imgMain = new TImage(this);
    imgMain->move(0, 0);
    connect(imgMain, &TImage::pointerDown, this,
            [this](Qt::MouseButton b, QPointF p) { imgMainMouseDown(imgMain, b, p.x(), p.y()); });
    connect(imgMain, &TImage::pointerMove, this, [this](QPointF p) { imgMainMouseMove(imgMain, p.x(), p.y()); });
    connect(imgMain, &TImage::mouseUp, this,
            [this](Qt::MouseButton b, int x, int y) { imgMainMouseUp(imgMain, b, x, y); });
    readout = new TSnapshotReadout(this);
    readout->hide();
}

void TForm2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QPoint corner = readoutCorner_.value_or(QPoint(width(), height()));
    readout->move(corner.x() - readout->width(), corner.y() - readout->height());
}

void TForm2::EndFailedPicking()
{
    // Picking stops as a right press would stop it, then the user is told
    // why: a blank picture would look like a real one.
    const QString failure = captureFailure_;
    captureFailure_.clear();
    if (Form1->pixGetOn == 1)
        Form1->spbToolPixGetClick(Form1->spbToolPixGet);
    else if (isVisible())
        CloseWindow(this);
    setAttribute(Qt::WA_DontShowOnScreen, false);
    QMessageBox::warning(Form1, QStringLiteral("画面の色をｺﾋﾟｰできません"), failure, QMessageBox::Ok);
}

void TForm2::showEvent(QShowEvent* event)
{
    // Runs before the window is mapped, so the main window is out of the way
    // while the screen is copied.
    RunGuarded([this] { FormShow(this); });
    QWidget::showEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event)
{
    RunGuarded([this] { FormClose(this); });
    QWidget::closeEvent(event);
}

// On a scaled screen the pointer over the last device pixel of a row lies
// half a logical pixel from the edge; Qt 6.4 finds the widget under it from
// the rounded position, just outside the image, and hands the event to the
// window. It belongs to the image all the same.
void TForm2::PassToImage(QMouseEvent* event)
{
    QMouseEvent passed(event->type(), imgMain->mapFrom(this, event->position()), event->scenePosition(),
                       event->globalPosition(), event->button(), event->buttons(), event->modifiers());
    QCoreApplication::sendEvent(imgMain, &passed);
}

void TForm2::mousePressEvent(QMouseEvent* event) { PassToImage(event); }
void TForm2::mouseDoubleClickEvent(QMouseEvent* event) { PassToImage(event); }
void TForm2::mouseMoveEvent(QMouseEvent* event) { PassToImage(event); }
void TForm2::mouseReleaseEvent(QMouseEvent* event) { PassToImage(event); }

void TForm2::FormShow(QObject*)
{
    // What the desktop keeps for the main window and drops when it is hidden
    // (its place, "on all desktops"), handed back before it is shown again.
    const DesktopPlacement mainPlacement = SaveDesktopPlacement(Form1->windowHandle());
    const QPoint mainPlace = mainPlacement.framePosition.value_or(Form1->pos());
    wayland = IsWaylandSession();
    // On Wayland the picking starts on the main window's output.
    QScreen* origin = Form1->screen() ? Form1->screen() : QGuiApplication::primaryScreen();
    swayDesktop_.reset();
    // Only for windows sway really shows (not the offscreen platform of the
    // tests, run on a sway desktop).
    const QString platform = QGuiApplication::platformName();
    if (wayland && (platform.startsWith(QLatin1String("wayland")) || platform == QLatin1String("xcb")))
        swayDesktop_ = sway::Save(Form1->windowTitle());
    // No X11 window manager fades windows out on a Wayland session.
    const std::vector<QRect> mainFrame = wayland ? std::vector<QRect>() : FrameRectangles({Form1->windowHandle()});
    Form1->hide();
    // 100 ms for the screen to settle from the hide. The hide itself is
    // handed over and the previous snapshot let go meanwhile (only one is
    // ever held), and the wait is only what is left of the 100 ms.
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    imgMain->SetPictureSize(0, 0);
    // A compositing manager may still be fading the main window out then:
    // the copy would keep a ghost of it.
    const int left = static_cast<int>(std::max<qint64>(0, 100 - waited.elapsed()));
    if (mainFrame.empty())
        QThread::msleep(static_cast<unsigned long>(left));
    else
        WaitForFadeOut(mainFrame.front(), left, left + 400);

    // The snapshot covers every monitor; the primary one says where the
    // banner goes.
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect desktop = wayland ? LayOutOutputs(origin) : SnapshotDesktop(screen);
    // On X11 the snapshot covers the X screen's every device pixel, also
    // where no monitor shows it; its logical size is only rounded up. Under
    // XWayland each output gets a window of its own instead.
    const std::optional<SnapshotPlacement> devicePlace =
        wayland ? std::nullopt : X11SnapshotPlacement(screen ? screen->devicePixelRatio() : 1.0, Form3->size());
    if (devicePlace)
        desktop.setSize({devicePlace->logicalWidth, devicePlace->logicalHeight});
    const int w = desktop.width();
    const int h = desktop.height();
    setGeometry(desktop);
    deviceOrigin_ = desktop.topLeft() * devicePixelRatioF();
    if (devicePlace) {
        const DeviceRect place = devicePlace->snapshot;
        deviceOrigin_ = QPoint(place.x, place.y);
        PlaceInDevicePixels(windowHandle(), place, true);
        // Once more when shown: the toolkit hands the window manager its own
        // size steps again as it shows the window.
        QMetaObject::invokeMethod(
            this,
            [this, place] {
                if (isVisible())
                    PlaceInDevicePixels(windowHandle(), place, true);
            },
            Qt::QueuedConnection);
    }
    imgMain->setGeometry(0, 0, w, h);
    CaptureResult capture = CaptureScreen(screen, desktop);
    QImage& shot = capture.image;
    if (shot.isNull()) {
        imgMain->SetPictureSize(w, h);
        if (!capture.failure.isEmpty()) {
            // Not shown at all; picking ends once the start has finished.
            setAttribute(Qt::WA_DontShowOnScreen, true);
            captureFailure_ = capture.failure;
            QMetaObject::invokeMethod(this, &TForm2::EndFailedPicking, Qt::QueuedConnection);
        }
    } else {
        // The copy holds device pixels; shown at the desktop's scale, each
        // of them lands on its own device pixel and the copy fills the screen.
        double ratio = devicePixelRatioF();
        if (wayland)
            for (const OutputArea& o : outputs_)
                ratio = std::max(ratio, o.ratio);
        const PictureScale scale = ScaleOfPicture(shot.width(), shot.height(), w, h, ratio);
        shot.setDevicePixelRatio(scale.x);
        imgMain->SetPicture(shot, std::move(capture.onScreen));
    }
    imgMain->resize(w, h);

    if (wayland) {
        // The desktop neither places nor stacks windows for us: each output
        // gets a window of the snapshot, and the one where picking began
        // carries the banner and the readout. The main window would only be
        // shown behind them, and placed anew: it comes back when picking ends.
        mainHidden_ = captureFailure_.isEmpty();
        if (mainHidden_)
            ShowOnOutputs(origin, desktop);
        else
            Form1->show();
    } else {
        if (mainPlacement.framePosition)
            PutBack(Form1->windowHandle(), mainPlacement);
        else
            Form1->windowHandle()->setFramePosition(mainPlace);
        RestoreDesktopPlacement(Form1->windowHandle(), mainPlacement);
        Form1->show();
        SetTopmost(Form1);
        readout->hide();
        Form3->FollowWindowManager();
        Form3->show();
        clearMask();
        KeepComposited(windowHandle());
        mainPlacement_ = mainPlacement;
        putBacks_ = 0;
        shownSince_.start();
        stackingWatch_ = WatchStacking([this] { KeepStacked(); });
        stacking_->start(kStackingPoll);
        manager_ = WindowManagerCheck();
        managerSince_.invalidate();
        managerLooked_.start();
    }
    imgMainDown = 0;
    Form1->spbToolFrontWnd->setEnabled(false);
    imgMain->setCursor(SpoiteCursor(devicePixelRatioF()));
}

void TForm2::FormClose(QObject*)
{
    if (Form1->frontWndOn == 0)
        ClearTopmost(Form1);
    else if (Form1->frontWndOn == 1)
        SetTopmost(Form1);
    Form1->spbToolFrontWnd->setEnabled(true);
    CloseWindow(Form3);
    if (wayland)
        CloseOutputs();
}

void TForm2::KeepStacked()
{
    if (!isVisible()) {
        stacking_->stop();
        stackingWatch_.reset();
        return;
    }
    // The window manager frames and stacks the main window and the banner
    // after the snapshot is mapped, and restacks windows later: checked at
    // each change of the stacking, and now and then.
    const std::vector<QWindow*> above{Form1->windowHandle(), Form3->windowHandle()};
    const bool stacked = KeepBelow(windowHandle(), above);
    // A window manager that takes over while picking (a restart) stacks and
    // focuses the windows it finds as it likes. For a while after a new
    // manager appears (it may still be taking the windows on), the main
    // window is made active again and it and the banner are put back into
    // the upper layer whenever the snapshot had to be put back under them or
    // the main window lost the focus.
    // Looked at now and then, not at each of the many changes a window's
    // move brings.
    if (!managerLooked_.isValid() || managerLooked_.elapsed() >= kManagerLook) {
        managerLooked_.start();
        if (const std::uint32_t manager = WindowManagerCheck(); manager != manager_) {
            manager_ = manager;
            managerSince_.start();
        }
    }
    if (manager_ != 0 && managerSince_.isValid() && managerSince_.elapsed() <= kManagerSettle &&
        (!stacked || !Form1->isActiveWindow())) {
        Form1->activateWindow();
        SetTopmost(Form1);
        if (Form3->isVisible())
            SetTopmost(Form3);
    }
    // Some managers push a main window that stood partly below the screen's
    // edge back onto it when it is mapped again: it goes back where it stood.
    if (putBacks_ < kPutBacks && shownSince_.elapsed() < kPutBackTime &&
        !FrameRectangles({Form1->windowHandle()}).empty() && !StandsAt(Form1->windowHandle(), mainPlacement_)) {
        ++putBacks_;
        PutBack(Form1->windowHandle(), mainPlacement_);
    }
    // Some compositing managers draw an unmanaged window over every managed
    // one whatever the stacking: the snapshot leaves out the main window's
    // and the banner's frames, so they show, and take presses, in any case.
    // The frames are in the X screen's device pixels; the toolkit's logical
    // place of a window on a scaled monitor that does not start at the
    // screen's corner is not the device place divided by the scale.
    const qreal ratio = devicePixelRatioF();
    const QPoint origin = deviceOrigin_;
    // One logical pixel more on the right and at the bottom: the window's
    // logical size is rounded, and a mask of just that size would cut off
    // the last device column or row where the scale does not divide the
    // screen.
    QRegion shown(QRect(QPoint(0, 0), size() + QSize(1, 1)));
    for (const QRect& frame : FrameRectangles(above)) {
        const QRect device = frame.translated(-origin);
        shown -= QRect(QPoint(qFloor(device.left() / ratio), qFloor(device.top() / ratio)),
                       QPoint(qCeil((device.right() + 1) / ratio) - 1, qCeil((device.bottom() + 1) / ratio) - 1));
    }
    if (shown != mask())
        setMask(shown);
}

void TForm2::PickAt(double x, double y)
{
    // The picture holds device pixels; the pointer's fractional logical
    // position says which one lies under the hot spot.
    const QImage& picture = imgMain->Picture();
    const PicturePoint p = wayland ? DesktopPixelAt(outputs_, x, y, picture.width(), picture.height())
                                   : PicturePixelAt(x, y, picture.width(), picture.height(), imgMain->width(),
                                                    imgMain->height(), devicePixelRatioF());
    Form1->currentColor = imgMain->Pixel(p.x, p.y);
    Form1->scrValue->setValue(0);
    Form1->RefreshColor();
    if (readout->isVisible())
        readout->update();
}

void TForm2::imgMainMouseDown(QObject*, Qt::MouseButton button, double x, double y)
{
    if (button == Qt::LeftButton) {
        PickAt(x, y);
        imgMainDown = 1;
    } else if (button == Qt::RightButton) {
        Form1->pixGetGroup->setExclusive(false);
        Form1->spbToolPixGet->setChecked(false);
        CloseWindow(this);
        Form1->pixGetOn = 0;
    }
}

void TForm2::imgMainMouseMove(QObject*, double x, double y)
{
    if (imgMainDown == 1)
        PickAt(x, y);
}

void TForm2::imgMainMouseUp(QObject*, Qt::MouseButton, int, int) { imgMainDown = 0; }
