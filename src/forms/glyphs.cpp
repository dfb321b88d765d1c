#include "forms/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap Blank(int size = 16)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon Disk()
{
    QPixmap p = Blank();
    QPainter g(&p);
    g.fillRect(1, 1, 14, 14, QColor(0, 0, 128));
    g.fillRect(4, 1, 8, 5, Qt::white);
    g.fillRect(9, 2, 2, 3, QColor(0, 0, 128));
    g.fillRect(3, 9, 10, 6, QColor(192, 192, 192));
    return QIcon(p);
}

QIcon Folder()
{
    QPixmap p = Blank();
    QPainter g(&p);
    g.setPen(Qt::black);
    g.setBrush(QColor(255, 214, 90));
    g.drawRect(1, 4, 13, 10);
    g.drawRect(1, 2, 5, 2);
    return QIcon(p);
}

void DrawDropper(QPainter& g, double scale)
{
    g.save();
    g.scale(scale, scale);
    g.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath body;
    body.moveTo(1, 15);
    body.lineTo(3, 11);
    body.lineTo(9, 5);
    body.lineTo(11, 7);
    body.lineTo(5, 13);
    body.closeSubpath();
    g.setPen(Qt::black);
    g.setBrush(Qt::white);
    g.drawPath(body);
    g.setBrush(Qt::black);
    g.drawEllipse(QRectF(9.5, 1.5, 5, 5));
    g.restore();
}

QIcon Dropper()
{
    QPixmap p = Blank();
    QPainter g(&p);
    DrawDropper(g, 1.0);
    return QIcon(p);
}

QIcon PaletteAdd()
{
    QPixmap p = Blank();
    QPainter g(&p);
    const QColor cells[4] = {QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255), QColor(255, 200, 0)};
    for (int i = 0; i < 4; ++i)
        g.fillRect(1 + (i % 2) * 5, 1 + (i / 2) * 5, 4, 4, cells[i]);
    g.fillRect(11, 8, 2, 7, Qt::black);
    g.fillRect(8, 11, 7, 2, Qt::black);
    return QIcon(p);
}

QIcon Caption(const QString& text, const QColor& colour, int pixelSize)
{
    QPixmap p = Blank();
    QPainter g(&p);
    g.setPen(QColor(64, 64, 64));
    g.setBrush(Qt::white);
    g.drawRect(0, 0, 15, 15);
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    g.setFont(font);
    g.setPen(colour);
    g.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    return QIcon(p);
}

QIcon InFront()
{
    QPixmap p = Blank();
    QPainter g(&p);
    g.setPen(Qt::black);
    g.setBrush(QColor(160, 160, 160));
    g.drawRect(5, 5, 10, 9);
    g.setBrush(Qt::white);
    g.drawRect(1, 1, 10, 9);
    g.fillRect(2, 2, 9, 2, QColor(0, 0, 160));
    return QIcon(p);
}

QIcon Help()
{
    QPixmap p = Blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 90, 200));
    g.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setPixelSize(12);
    font.setBold(true);
    g.setFont(font);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(p);
}

} // namespace

const QList<QIcon>& ImageListTool()
{
    static const QList<QIcon> list = {Disk(),
                                      Folder(),
                                      Dropper(),
                                      PaletteAdd(),
                                      Caption(QStringLiteral("10"), QColor(0, 0, 0), 9),
                                      Caption(QStringLiteral("16"), QColor(0, 0, 160), 9),
                                      Caption(QStringLiteral("#"), QColor(160, 0, 0), 11),
                                      InFront(),
                                      Help()};
    return list;
}

QIcon TesmarIcon()
{
    // The desktop menu's picture, rendered at each size (scripts/icons.sh), so
    // the title bar and the task bar pick the size that is sharp at any scale.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tesmar-%1.png").arg(size), QSize(size, size));
    return icon;
}
