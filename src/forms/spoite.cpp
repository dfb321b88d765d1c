#include "forms/spoite.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

// The eyedropper of the 32 x 32 drawing as outlines, in the drawing's own
// pixels: the tube from the collar down to the tip at (1, 14), the collar
// across it and the bulb at the upper right; black outlines filled white.
void PaintSpoite(QPainter& painter)
{
    const QPointF tubeTop(8.2, 7.8);
    const QPointF tubeEnd(2.3, 13.7);
    painter.setPen(QPen(Qt::black, 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tubeTop, tubeEnd);
    painter.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tubeTop, tubeEnd + QPointF(0.4, -0.4));

    QPainterPath bulb;
    bulb.addEllipse(QPointF(11.3, 5.7), 3.3, 3.3);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(bulb);

    painter.setPen(QPen(Qt::black, 1.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.9, 5.6), QPointF(10.6, 10.3));
}

} // namespace

QCursor SpoiteCursor(qreal ratio)
{
    const QImage drawing(QStringLiteral(":/cursors/SPOITE.png"));
    if (drawing.isNull())
        return {};
    if (!(ratio > 1.01) || !std::isfinite(ratio))
        return QCursor(QPixmap::fromImage(drawing), 1, 14);
    // On a scaled screen the cursor is drawn anew at its device size, so
    // that it is as large as the drawing on any screen, neither blocky nor
    // blurred.
    const int side = static_cast<int>(std::lround(32 * ratio));
    QImage scaled(side, side, QImage::Format_ARGB32_Premultiplied);
    scaled.fill(Qt::transparent);
    {
        QPainter painter(&scaled);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ratio, ratio);
        PaintSpoite(painter);
    }
    QPixmap pixmap = QPixmap::fromImage(scaled);
    pixmap.setDevicePixelRatio(ratio);
    // The hot spot counts device pixels (Qt 6.4 on X11 takes it so): the
    // start of the tip's pixel at the scale.
    return QCursor(pixmap, static_cast<int>(std::lround(ratio)), static_cast<int>(std::lround(14 * ratio)));
}
