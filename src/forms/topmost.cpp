// The keep-above-others layer, through the window's own stay-on-top hint.
// The hint is set on the QWindow, never through QWidget::setWindowFlag: that
// one hides the window, recreates it under a new native id and can shift it by
// its frame. The window keeps its position and size either way.
#include "core/mfunc.h"

#include <QWidget>
#include <QWindow>

namespace {

QWindow* NativeWindow(QWidget* window)
{
    if (window == nullptr || !window->isWindow())
        return nullptr;
    if (window->windowHandle() == nullptr)
        window->winId(); // a window never shown yet gets its native window now
    return window->windowHandle();
}

} // namespace

bool SetTopmost(QWidget* window)
{
    QWindow* handle = NativeWindow(window);
    if (handle == nullptr)
        return false;
    handle->setFlag(Qt::WindowStaysOnTopHint, true);
    if (handle->isVisible())
        handle->raise();
    return handle->flags().testFlag(Qt::WindowStaysOnTopHint);
}

bool ClearTopmost(QWidget* window)
{
    QWindow* handle = NativeWindow(window);
    if (handle == nullptr)
        return false;
    handle->setFlag(Qt::WindowStaysOnTopHint, false);
    // Out of the upper layer, the window still comes first among the ordinary ones.
    if (handle->isVisible())
        handle->raise();
    return !handle->flags().testFlag(Qt::WindowStaysOnTopHint);
}
