// The integer HLS model and the hue bar drawn from it, picked with the mouse.
#include "core/mfunc.h"
#include "forms/unit1.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QScrollArea>
#include <QtTest>

namespace {

TColor Swapped(std::int32_t rgb)
{
    const auto v = static_cast<TColor>(rgb);
    return (v & 0xFF) << 16 | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

} // namespace

class TestColorBar : public QObject {
    Q_OBJECT
private slots:
    void hlsToRgb_data()
    {
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("lightness");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("rgb");
        QTest::newRow("red, light 128") << 0 << 128 << 255 << 0xFF0101;
        QTest::newRow("green") << 120 << 127 << 255 << 0x00FE00;
        QTest::newRow("blue") << 240 << 127 << 255 << 0x0000FE;
        QTest::newRow("white") << 0 << 255 << 255 << 0xFFFFFF;
        QTest::newRow("black") << 0 << 0 << 255 << 0;
        QTest::newRow("grey ignores hue") << 77 << 100 << 0 << 0x646464;
        QTest::newRow("grey at hue 359") << 359 << 100 << 0 << 0x646464;
    }
    void hlsToRgb()
    {
        QFETCH(int, hue);
        QFETCH(int, lightness);
        QFETCH(int, saturation);
        QFETCH(int, rgb);
        QCOMPARE(HlsToRgb(hue, lightness, saturation), rgb);
    }

    void barIsDrawnPixelForPixel()
    {
        TesmarWindows windows;
        const TImage* bar = windows.main()->imgColorBar;
        QCOMPARE(bar->Picture().size(), QSize(180, 64));
        QCOMPARE(bar->Pixel(0, 0), TColor{0x0206FC});
        QCOMPARE(bar->Pixel(179, 0), TColor{0x0602FC});
        QCOMPARE(bar->Pixel(90, 32), TColor{0xBCB942});
        for (int x = 0; x < 180; ++x)
            QCOMPARE(bar->Pixel(x, 63), TColor{0x7F7F7F});
        // Each pixel keeps the last of its sweep points: hue 2x+1, saturation 252-4y.
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 180; ++x) {
                if (bar->Pixel(x, y) != Swapped(HlsToRgb(2 * x + 1, 127, 252 - 4 * y)))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void pressAndDragRules()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        f->scrValue->setValue(40);
        const TColor before = f->currentColor;

        f->imgColorBarMouseDown(f->imgColorBar, Qt::RightButton, 0, 0);
        f->imgColorBarMouseDown(f->imgColorBar, Qt::MiddleButton, 0, 0);
        QCOMPARE(f->currentColor, before);
        QCOMPARE(f->colorBarDown, std::uint8_t{0});
        QCOMPARE(f->scrValue->value(), 40);
        f->imgColorBarMouseMove(f->imgColorBar, 0, 0); // no press yet
        QCOMPARE(f->currentColor, before);

        f->imgColorBarMouseDown(f->imgColorBar, Qt::LeftButton, 0, 0);
        QCOMPARE(f->currentColor, TColor{0x0206FC});
        QCOMPARE(f->colorBarDown, std::uint8_t{1});
        QCOMPARE(f->scrValue->value(), 0);
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#FC0602"));

        // Leaving the bar stops picking; coming back picks again.
        for (const QPoint out : {QPoint(180, 10), QPoint(-1, 10), QPoint(10, 64), QPoint(10, -1)}) {
            f->imgColorBarMouseMove(f->imgColorBar, out.x(), out.y());
            QCOMPARE(f->currentColor, TColor{0x0206FC});
        }
        f->imgColorBarMouseMove(f->imgColorBar, 179, 63);
        QCOMPARE(f->currentColor, TColor{0x7F7F7F});
        f->imgColorBarMouseMove(f->imgColorBar, 90, 32);
        QCOMPARE(f->currentColor, TColor{0xBCB942});

        // A right press while dragging does nothing, but its release ends the drag.
        f->imgColorBarMouseDown(f->imgColorBar, Qt::RightButton, 179, 0);
        QCOMPARE(f->colorBarDown, std::uint8_t{1});
        f->imgColorBarMouseUp(f->imgColorBar, Qt::RightButton, 179, 0);
        QCOMPARE(f->colorBarDown, std::uint8_t{0});
        f->imgColorBarMouseMove(f->imgColorBar, 179, 0);
        QCOMPARE(f->currentColor, TColor{0xBCB942});
    }

    void dragWithTheMouse()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(ShowAndActivate(f));
        TImage* bar = f->imgColorBar;
        // (0, 0) would mean the middle to QTest.
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 0));
        QCOMPARE(f->currentColor, bar->Pixel(1, 0));
        QTest::mouseMove(bar, QPoint(90, 32));
        QCOMPARE(f->currentColor, TColor{0xBCB942});
        QTest::mouseMove(bar, QPoint(185, 32)); // past the right edge
        QCOMPARE(f->currentColor, TColor{0xBCB942});
        QTest::mouseMove(bar, QPoint(179, 0));
        QCOMPARE(f->currentColor, TColor{0x0602FC});
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(179, 0));
        QCOMPARE(f->colorBarDown, std::uint8_t{0});
    }

    // On a scaled screen every device pixel picks the bar pixel drawn there,
    // the last visible column (beside the scroll bar) and the last row too.
    void pressesOnDevicePixels()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(ShowAndActivate(f));
        const TImage* bar = f->imgColorBar;
        const qreal r = f->devicePixelRatioF();
        const QWidget* view = f->scrollBox->viewport();
        const QPoint origin = bar->mapTo(f, QPoint(0, 0)) * r;
        const QPoint viewEnd = view->mapTo(f, QPoint(view->width(), view->height())) * r;
        const int lastColumn = viewEnd.x() - 1 - origin.x();
        const int lastRow = viewEnd.y() - 1 - origin.y();
        QVERIFY(lastColumn < int(180 * r) - 1 && lastRow < int(64 * r) - 1); // both under scroll bars
        const auto drawn = [bar, r](QPoint d) { return bar->Pixel(int((d.x() + 0.5) / r), int((d.y() + 0.5) / r)); };
        for (const QPoint d :
             {QPoint(1, 1), QPoint(int(90 * r) + 1, 3), QPoint(lastColumn, 7), QPoint(lastColumn, lastRow)}) {
            f->currentColor = 1;
            SendAtDevicePixel(f, QEvent::MouseButtonPress, origin + d, Qt::LeftButton, Qt::LeftButton);
            QCOMPARE(f->currentColor, drawn(d));
            const QPoint moved(int(45 * r) + 1, d.y());
            SendAtDevicePixel(f, QEvent::MouseMove, origin + moved, Qt::NoButton, Qt::LeftButton);
            QCOMPARE(f->currentColor, drawn(moved));
            SendAtDevicePixel(f, QEvent::MouseButtonRelease, origin + moved, Qt::LeftButton, {});
            QCOMPARE(f->colorBarDown, std::uint8_t{0});
        }
    }

    // A left press that reaches the bar from outside (the right button holds
    // the pointer on it) picks nothing and starts no drag.
    void leftPressOutsideTheBarPicksNothing()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(ShowAndActivate(f));
        TImage* bar = f->imgColorBar;
        QTest::mousePress(bar, Qt::RightButton, {}, QPoint(10, 10));
        for (const QPoint outside : {QPoint(-1, 10), QPoint(180, 10), QPoint(10, -1), QPoint(10, 64)}) {
            QTest::mousePress(bar, Qt::LeftButton, {}, outside);
            QCOMPARE(f->currentColor, kWhite);
            QCOMPARE(f->colorBarDown, std::uint8_t{0});
            QTest::mouseMove(bar, QPoint(90, 32));
            QCOMPARE(f->currentColor, kWhite);
            QTest::mouseRelease(bar, Qt::LeftButton, {}, outside);
        }
        QTest::mouseRelease(bar, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#FFFFFF"));
    }

    void eyedropperCursor()
    {
        TesmarWindows windows;
        for (const QWidget* image :
             {static_cast<QWidget*>(windows.main()->imgColorBar), static_cast<QWidget*>(windows.main()->imgPalette)}) {
            const QCursor cursor = image->cursor();
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), QPoint(1, 14));
            const QImage picture = cursor.pixmap().toImage();
            QCOMPARE(picture.size(), QSize(32, 32));
            // The tip is black and opaque; the far corner is see-through.
            QCOMPARE(picture.pixel(1, 14), qRgba(0, 0, 0, 255));
            QCOMPARE(qAlpha(picture.pixel(31, 31)), 0);
        }
    }
};

QTEST_MAIN(TestColorBar)
#include "test_colorbar.moc"
