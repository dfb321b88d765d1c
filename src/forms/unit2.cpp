#include "forms/unit2.h"

#include "app/application.h"
#include "core/mfunc.h"
#include "forms/unit1.h"
#include "forms/unit3.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QToolButton>

#include <cmath>

TForm2* Form2 = nullptr;

namespace {

ScreenGrabber& Grabber()
{
    static ScreenGrabber grabber;
    return grabber;
}

QImage GrabScreen(QScreen* screen)
{
    if (Grabber())
        return Grabber()(screen);
    if (screen == nullptr)
        return {};
    return screen->grabWindow(0).toImage();
}

} // namespace

void SetScreenGrabber(ScreenGrabber grabber) { Grabber() = std::move(grabber); }

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("画面のハードコピー"));
    // No focus: under some window managers a focused borderless window the
    // size of the screen is lifted above the windows kept on top.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(TesmarFont(12));
    imgMain = new TImage(this);
    imgMain->move(0, 0);
    connect(imgMain, &TImage::mouseDown, this,
            [this](Qt::MouseButton b, int x, int y) { imgMainMouseDown(imgMain, b, x, y); });
    connect(imgMain, &TImage::mouseMove, this, [this](int x, int y) { imgMainMouseMove(imgMain, x, y); });
    connect(imgMain, &TImage::mouseUp, this,
            [this](Qt::MouseButton b, int x, int y) { imgMainMouseUp(imgMain, b, x, y); });
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

void TForm2::FormShow(QObject*)
{
    // Where the main window's frame stands. A window whose keep-on-top hint
    // changed since it was last shown gets a new native window when it is
    // shown again; placed by its frame corner, it opens where it was.
    const QPoint mainPlace = Form1->pos();
    Form1->hide();
    QCoreApplication::processEvents();
    QThread::msleep(100);

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    const int w = desktop.width();
    const int h = desktop.height();
    setGeometry(desktop.left(), desktop.top(), w, h);
    imgMain->setGeometry(0, 0, w, h);
    QImage shot = GrabScreen(screen);
    if (shot.isNull()) {
        imgMain->SetPictureSize(w, h);
    } else {
        imgMain->SetPicture(shot);
    }

    Form1->windowHandle()->setFramePosition(mainPlace);
    Form1->show();
    SetTopmost(Form1);
    Form3->show();
    imgMainDown = 0;
    Form1->spbToolFrontWnd->setEnabled(false);
    const QPixmap spoite(QStringLiteral(":/cursors/SPOITE.png"));
    if (!spoite.isNull())
        imgMain->setCursor(QCursor(spoite, 1, 14));
}

void TForm2::FormClose(QObject*)
{
    if (Form1->frontWndOn == 0)
        ClearTopmost(Form1);
    else if (Form1->frontWndOn == 1)
        SetTopmost(Form1);
    Form1->spbToolFrontWnd->setEnabled(true);
    Form3->close();
}

void TForm2::PickAt(int x, int y)
{
    // The picture holds device pixels; on a scaled display one logical pixel
    // covers several of them, and the pointer's hot spot is the first.
    const double ratio = imgMain->Picture().devicePixelRatio();
    const int px = static_cast<int>(std::floor(x * ratio));
    const int py = static_cast<int>(std::floor(y * ratio));
    Form1->currentColor = imgMain->Pixel(px, py);
    Form1->scrValue->setValue(0);
    Form1->RefreshColor();
}

void TForm2::imgMainMouseDown(QObject*, Qt::MouseButton button, int x, int y)
{
    if (button == Qt::LeftButton) {
        PickAt(x, y);
        imgMainDown = 1;
    } else if (button == Qt::RightButton) {
        Form1->pixGetGroup->setExclusive(false);
        Form1->spbToolPixGet->setChecked(false);
        close();
        Form1->pixGetOn = 0;
    }
}

void TForm2::imgMainMouseMove(QObject*, int x, int y)
{
    if (imgMainDown == 1)
        PickAt(x, y);
}

void TForm2::imgMainMouseUp(QObject*, Qt::MouseButton, int, int) { imgMainDown = 0; }
