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

// The glyphs with text ("10", "16", "#" on a white square, "?" on a blue
// disc) are pictures drawn once in DejaVu Sans Bold, 9, 9, 11 and 12 pixels:
// drawing them at start loaded a font of their own, about 2 ms before the
// window could show.
QIcon Picture(const char* name) { return QIcon(QPixmap(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(name)))); }

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

} // namespace

const QList<QIcon>& ImageListTool()
{
    static const QList<QIcon> list = {Disk(),
                                      Folder(),
                                      Dropper(),
                                      PaletteAdd(),
                                      Picture("copy-decimal"),
                                      Picture("copy-hex"),
                                      Picture("copy-html"),
                                      InFront(),
                                      Picture("help")};
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
