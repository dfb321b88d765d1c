// The keep-above-others layer. The window keeps its position, its size and
// its one native window either way (see platform/windowlayer.h).
#include "core/mfunc.h"
#include "platform/windowlayer.h"

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

bool SetLayer(QWidget* window, bool above)
{
    QWindow* handle = NativeWindow(window);
    if (handle == nullptr)
        return false;
    SetKeepAbove(handle, above);
    // Either way the window comes first among the windows of its layer.
    if (handle->isVisible())
        handle->raise();
    return KeepsAbove(handle) == above;
}

} // namespace

bool SetTopmost(QWidget* window) { return SetLayer(window, true); }

bool ClearTopmost(QWidget* window) { return SetLayer(window, false); }
