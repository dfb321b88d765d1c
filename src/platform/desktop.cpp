#include "platform/desktop.h"

#include "platform/x11.h"

#include <QScreen>

QRect SnapshotDesktop(QScreen* primary)
{
    if (primary == nullptr)
        return {};
    if (x11::Connection() == nullptr)
        return primary->virtualGeometry();
    QRect device;
    for (const QScreen* screen : primary->virtualSiblings()) {
        const QRect logical = screen->geometry();
        device |= QRect(logical.topLeft(), logical.size() * screen->devicePixelRatio());
    }
    const qreal ratio = primary->devicePixelRatio();
    const QPoint origin = primary->geometry().topLeft();
    return {origin + (device.topLeft() - origin) / ratio, device.size() / ratio};
}
