#include "forms/spoite.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

QCursor SpoiteCursor(qreal ratio)
{
    const QImage drawing(QStringLiteral(":/cursors/SPOITE.png"));
    if (drawing.isNull())
        return {};
    // Each pixel of the drawing becomes a block of whole device pixels: no
    // blur at any scale; at a fractional scale the next whole one, so the
    // cursor is a little larger rather than smudged.
    const int factor = std::max(1, static_cast<int>(std::ceil(ratio - 0.01)));
    if (factor == 1)
        return QCursor(QPixmap::fromImage(drawing), 1, 14);
    QPixmap scaled =
        QPixmap::fromImage(drawing.scaled(drawing.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    scaled.setDevicePixelRatio(factor);
    // The hot spot counts the drawing's own pixels (Qt 6.4 on X11 takes it
    // so): the tip's block starts at factor times the tip.
    return QCursor(scaled, factor * 1, factor * 14);
}
