#include "support/testsupport.h"

#include "app/application.h"
#include "forms/unit1.h"
#include "forms/windows.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

TesmarWindows::TesmarWindows()
{
    SetErrorReportHook([this](const QString& text) { errors << text; });
    CreateTesmarWindows();
}

TesmarWindows::~TesmarWindows()
{
    DestroyTesmarWindows();
    SetErrorReportHook({});
}

TForm1* TesmarWindows::main() const { return Form1; }

QString* CloseNextModal(int ms)
{
    auto* seen = new QString; // kept for the caller; tests are short-lived
    QTimer::singleShot(ms, qApp, [seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *seen = box->windowTitle() + QLatin1Char('|') + box->text();
            box->done(QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            *seen = dialog->windowTitle();
            dialog->reject();
        }
    });
    return seen;
}

// ---- Helpers of the main-window tests ----

#include "widgets/tscrollbar.h"

#include <QStyle>
#include <QStyleOptionSlider>

bool ShowAndActivate(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QRect ThumbRect(const TScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}

bool DragThumbTo(TScrollBar* bar, int value)
{
    const QPoint grip = ThumbRect(bar).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    const int step = value >= bar->sliderPosition() ? 1 : -1;
    QPoint at = grip;
    while (bar->sliderPosition() != value && at.x() >= -bar->width() && at.x() <= 2 * bar->width()) {
        at.rx() += step;
        QTest::mouseMove(bar, at);
    }
    const bool reached = bar->sliderPosition() == value;
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    return reached;
}

void SendAtDevicePixel(QWidget* window, QEvent::Type type, QPoint device, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF at = QPointF(device) / window->devicePixelRatioF();
    QMouseEvent event(type, at, at, window->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(window->windowHandle(), &event);
}
