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
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QToolButton>

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
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                   (IsWaylandSession() && QGuiApplication::platformName() == QLatin1String("xcb")
                        ? Qt::BypassWindowManagerHint
                        : Qt::WindowFlags()));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(TesmarFont(12));
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
    Form1->hide();
    // 100 ms for the screen to settle from the hide. The hide itself is
    // handed over and the previous snapshot let go meanwhile (only one is
    // ever held), and the wait is only what is left of the 100 ms.
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    imgMain->SetPictureSize(0, 0);
    QThread::msleep(static_cast<unsigned long>(std::max<qint64>(0, 100 - waited.elapsed())));

    // The snapshot covers every monitor; the primary one says where the
    // banner goes.
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = wayland ? LayOutOutputs(origin) : SnapshotDesktop(screen);
    const int w = desktop.width();
    const int h = desktop.height();
    setGeometry(desktop);
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
        Form1->windowHandle()->setFramePosition(mainPlace);
        RestoreDesktopPlacement(Form1->windowHandle(), mainPlacement);
        Form1->show();
        SetTopmost(Form1);
        readout->hide();
        Form3->show();
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
