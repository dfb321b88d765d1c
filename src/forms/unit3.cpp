#include "forms/unit3.h"

#include "app/application.h"
#include "core/mfunc.h"
#include "forms/unit1.h"
#include "platform/desktop.h"
#include "platform/screencapture.h"
#include "platform/windowlayer.h"
#include "platform/x11.h"
#include "widgets/tedit.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(TesmarFont(12));
    setFixedSize(248, 32);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(0, 0, 248, 32);

    Label1 = new QLabel(QStringLiteral("右クリックで元の画面に戻ります"), Panel1);
    Label1->setFont(TesmarFont(16, true));
    Label1->setGeometry(8, 8, 231, 16);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(palette);

    Panel1->installEventFilter(this);
    Label1->installEventFilter(this);
}

void TForm3::showEvent(QShowEvent* event)
{
    RunGuarded([this] { FormShow(this); });
    QWidget::showEvent(event);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        if (watched == Label1) {
            RunGuarded([&] { Label1MouseDown(Label1, mouse->button(), p.x(), p.y()); });
            return true;
        }
        if (watched == Panel1) {
            RunGuarded([&] { Panel1MouseDown(Panel1, mouse->button(), p.x(), p.y()); });
            return true;
        }
    }
    if (ownMove_ && (watched == Label1 || watched == Panel1)) {
        if (event->type() == QEvent::MouseMove) {
            move(QCursor::pos() - moveGrip_);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            ownMove_ = false;
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm3::FormShow(QObject*)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    if (const std::optional<SnapshotPlacement> place = X11SnapshotPlacement(ratio, size())) {
        // The primary monitor's corner in device pixels: its logical
        // rectangle is rounded at a scale that does not divide its size.
        DeviceRect banner = place->banner;
        // The corner outside any panel the desktop keeps there: a manager may
        // stack its panel over windows kept on top.
        if (const auto work = DesktopWorkArea();
            work && work->intersects(QRect(banner.x, banner.y, banner.width, banner.height))) {
            banner.x = std::min(banner.x, work->x() + work->width() - banner.width);
            banner.y = std::min(banner.y, work->y() + work->height() - banner.height);
        }
        const QPoint origin = desktop.topLeft();
        move(origin + (QPoint(banner.x, banner.y) - origin) / ratio);
        PlaceInDevicePixels(windowHandle(), banner, false);
    } else {
        move(desktop.left() + desktop.width() - width(), desktop.top() + desktop.height() - height());
    }
    SetTopmost(this);
}

void TForm3::FollowWindowManager()
{
    // A manager without an upper layer (i3) cannot keep the banner above
    // the snapshot, and it gives small windows a size and place of its own
    // (i3: 50 pixels high at least, moved by its frame): the banner is then
    // placed and stacked by Tesmar, as the snapshot is.
    ownMove_ = false;
    const bool unmanaged = x11::Connection() != nullptr && !IsWaylandSession() && !ManagerHasUpperLayer();
    if (unmanaged != windowFlags().testFlag(Qt::X11BypassWindowManagerHint) && !isVisible())
        setWindowFlag(Qt::X11BypassWindowManagerHint, unmanaged);
}

void TForm3::StartMove()
{
    // The window manager moves the borderless banner with the pointer, as if
    // its title bar had been pressed; one it does not manage moves itself.
    ++movesStarted;
    if (windowFlags().testFlag(Qt::X11BypassWindowManagerHint)) {
        ownMove_ = true;
        moveGrip_ = QCursor::pos() - pos();
        return;
    }
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWindow* handle = windowHandle())
        handle->startSystemMove();
}

void TForm3::Panel1MouseDown(QObject*, Qt::MouseButton, int, int) { StartMove(); }

void TForm3::Label1MouseDown(QObject*, Qt::MouseButton, int, int) { StartMove(); }

TSnapshotReadout::TSnapshotReadout(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(kWidth, kHeight);
}

void TSnapshotReadout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect();
    painter.fillRect(frame, palette().window());
    painter.setPen(palette().light().color());
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(palette().dark().color());
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());

    // The banner's line, as the banner window shows it elsewhere.
    painter.setFont(TesmarFont(16, true));
    painter.setPen(Qt::red);
    painter.drawText(QRect(8, 8, 231, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("右クリックで元の画面に戻ります"));

    // The picked colour: swatch, then its three text forms.
    const TColor colour = Form1 ? Form1->currentColor : 0;
    const QRect swatch(8, 32, 56, 56);
    painter.fillRect(swatch, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    painter.setPen(palette().windowText().color());
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.setFont(TesmarFont(12));
    const QString forms[3][2] = {
        {QStringLiteral("10進"), Form1 ? Form1->edtDec->text() : QString()},
        {QStringLiteral("16進"), Form1 ? Form1->edtHex->text() : QString()},
        {QStringLiteral("HTML"), Form1 ? Form1->edtHtml->text() : QString()},
    };
    for (int i = 0; i < 3; ++i) {
        const int top = 34 + i * 18;
        painter.drawText(QRect(74, top, 40, 16), Qt::AlignLeft | Qt::AlignVCenter, forms[i][0]);
        painter.drawText(QRect(116, top, 124, 16), Qt::AlignLeft | Qt::AlignVCenter, forms[i][1]);
    }
}
