#include "forms/unit3.h"

#include "app/application.h"
#include "core/mfunc.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

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
    return QWidget::eventFilter(watched, event);
}

void TForm3::FormShow(QObject*)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    move(desktop.left() + desktop.width() - width(), desktop.top() + desktop.height() - height());
    SetTopmost(this);
}

void TForm3::StartMove()
{
    // The window manager moves the borderless banner with the pointer, as if
    // its title bar had been pressed.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    ++movesStarted;
    if (QWindow* handle = windowHandle())
        handle->startSystemMove();
}

void TForm3::Panel1MouseDown(QObject*, Qt::MouseButton, int, int) { StartMove(); }

void TForm3::Label1MouseDown(QObject*, Qt::MouseButton, int, int) { StartMove(); }
