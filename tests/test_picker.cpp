// The screen eyedropper: starting and stopping from every control, the
// snapshot window and banner, and what a pick reads.
#include "support/testsupport.h"

#include "forms/spoite.h"
#include "forms/unit1.h"
#include "forms/unit2.h"
#include "forms/unit3.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWindow>

namespace {

bool OnTop(QWidget* w) { return w->windowHandle() && w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }

// A picture whose pixel (x, y) in device pixels has red x % 256, green y % 256, blue 7.
QImage Gradient(QSize logical, qreal ratio)
{
    QImage image(logical * ratio, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 7));
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

class PickerTest : public QObject {
    Q_OBJECT
private:
    TesmarWindows* windows = nullptr;
    TForm1* f = nullptr;
    qreal ratio = 1;

    void Press(Qt::MouseButton button, QPoint p) { QTest::mousePress(Form2->imgMain, button, {}, p); }
    void Release(Qt::MouseButton button, QPoint p) { QTest::mouseRelease(Form2->imgMain, button, {}, p); }
    void ExpectOff()
    {
        QCOMPARE(f->pixGetOn, 0);
        QVERIFY(!f->spbToolPixGet->isChecked());
        QVERIFY(!Form2->isVisible());
        QVERIFY(!Form3->isVisible());
        QVERIFY(f->spbToolFrontWnd->isEnabled());
    }
    void ExpectOn()
    {
        QCOMPARE(f->pixGetOn, 1);
        QVERIFY(f->spbToolPixGet->isChecked());
        QVERIFY(Form2->isVisible());
        QVERIFY(Form3->isVisible());
        QVERIFY(f->isVisible());
        QVERIFY(OnTop(f));
        QVERIFY(OnTop(Form3));
        QVERIFY(!f->spbToolFrontWnd->isEnabled());
        QVERIFY(f->mnuVisibleWndFront->isEnabled());
        QCOMPARE(Form2->imgMainDown, 0);
    }

private slots:
    void init()
    {
        SetScreenGrabber([this](QScreen* screen) { return Gradient(screen->geometry().size(), ratio); });
        ratio = 1;
        windows = new TesmarWindows;
        f = windows->main();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    void cleanup()
    {
        delete windows;
        SetScreenGrabber({});
    }

    void startAndStopFromEveryControl_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("stop");
        // 0 toolbar button click, 1 menu item, 2 right press on the snapshot
        QTest::newRow("button/button") << 0 << 0;
        QTest::newRow("button/menu") << 0 << 1;
        QTest::newRow("menu/button") << 1 << 0;
        QTest::newRow("menu/menu") << 1 << 1;
        QTest::newRow("button/right press") << 0 << 2;
        QTest::newRow("menu/right press") << 1 << 2;
    }
    void startAndStopFromEveryControl()
    {
        QFETCH(int, start);
        QFETCH(int, stop);
        // Twice: the button must come up on the first stop as on later ones.
        for (int round = 0; round < 2; ++round) {
            ExpectOff();
            if (start == 0)
                QTest::mouseClick(f->spbToolPixGet, Qt::LeftButton);
            else
                f->mnuEditScreenCopy->trigger();
            ExpectOn();
            QCOMPARE(Form2->geometry(), QGuiApplication::primaryScreen()->geometry());
            QCOMPARE(Form2->imgMain->size(), Form2->size());
            QVERIFY(f->stayOnTopStyle);
            if (stop == 0)
                QTest::mouseClick(f->spbToolPixGet, Qt::LeftButton);
            else if (stop == 1)
                f->mnuEditScreenCopy->trigger();
            else
                Press(Qt::RightButton, QPoint(5, 5));
            ExpectOff();
            QVERIFY(!OnTop(f));
        }
        QVERIFY(!f->pixGetGroup->exclusive());
        QVERIFY(windows->errors.isEmpty());
    }

    void pickAndDragFollowTheSnapshot()
    {
        f->mnuEditScreenCopy->trigger();
        // The slider stands away from 0: a pick puts it back and takes the pixel as is.
        f->scrValue->setValue(40);
        QCOMPARE(f->lblValue->text(), QStringLiteral("+40"));
        Press(Qt::LeftButton, QPoint(200, 300));
        QCOMPARE(f->currentColor, MakeColor(200, 300 % 256, 7));
        QCOMPARE(f->scrValue->value(), 0);
        QCOMPARE(f->baseColor, f->currentColor);
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#C82C07"));
        QCOMPARE(Form2->imgMainDown, 1);

        QTest::mouseMove(Form2->imgMain, QPoint(17, 33));
        QCOMPARE(f->edtHex->text(), QStringLiteral("0x112107"));
        QCOMPARE(f->edtR->text(), QStringLiteral("17"));
        QCOMPARE(f->edtGB->text(), QStringLiteral("21"));
        Release(Qt::LeftButton, QPoint(17, 33));
        QCOMPARE(Form2->imgMainDown, 0);

        // Without the button held, moves pick nothing; a middle press does nothing either.
        QTest::mouseMove(Form2->imgMain, QPoint(90, 90));
        Press(Qt::MiddleButton, QPoint(120, 120));
        QCOMPARE(f->edtHex->text(), QStringLiteral("0x112107"));
        QCOMPARE(f->pixGetOn, 1);
        Release(Qt::MiddleButton, QPoint(120, 120));
    }

    void rightPressWhileDraggingEndsAndNextStartResets()
    {
        f->spbToolPixGetClick(f->spbToolPixGet);
        Press(Qt::LeftButton, QPoint(3, 4));
        Press(Qt::RightButton, QPoint(3, 4));
        ExpectOff();
        QCOMPARE(Form2->imgMainDown, 1); // kept until the next start
        f->spbToolPixGetClick(f->spbToolPixGet);
        ExpectOn();
        f->spbToolPixGetClick(f->spbToolPixGet);
    }

    void scaledDisplayPicksTheDevicePixelUnderThePointer_data()
    {
        QTest::addColumn<qreal>("scale");
        for (qreal scale : {1.25, 1.5, 2.0, 3.0})
            QTest::addRow("%g", scale) << scale;
    }
    void scaledDisplayPicksTheDevicePixelUnderThePointer()
    {
        QFETCH(qreal, scale);
        ratio = scale;
        f->mnuEditScreenCopy->trigger();
        const QSize logical = Form2->imgMain->size();
        const QSize device = Form2->imgMain->Picture().size();
        // The pointer on a device pixel is reported at its fractional logical
        // position; odd pixels and the last ones included.
        for (QPoint d : {QPoint(101, 101), QPoint(120, 141), QPoint(0, 0), QPoint(7, 3),
                         QPoint(device.width() - 1, device.height() - 1)}) {
            const QPointF at(d.x() / scale, d.y() / scale);
            QMouseEvent press(QEvent::MouseButtonPress, at, Form2->imgMain->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, {});
            // The last pixels may reach the window rather than the image (the
            // toolkit rounds half a pixel up, past the edge): both pick.
            QApplication::sendEvent(d.x() % 2 ? static_cast<QWidget*>(Form2) : Form2->imgMain, &press);
            QCOMPARE(f->currentColor, MakeColor(d.x() % 256, d.y() % 256, 7));
            Release(Qt::LeftButton, at.toPoint());
        }
        // The snapshot fills the window: its far corner shows the picture's far corner.
        const QImage shown = Form2->imgMain->grab().toImage();
        const QRgb corner = shown.pixel(logical.width() - 1, logical.height() - 1);
        QVERIFY2(qBlue(corner) == 7, qPrintable(QString::number(corner, 16)));
        f->mnuEditScreenCopy->trigger();
    }

    void eyedropperCursorDrawnForTheScale()
    {
        // As large as the drawing at every ratio, fractional ones included;
        // the hot spot on the tip, which is drawn there, and nothing drawn
        // far from the eyedropper.
        for (qreal r : {1.0, 1.25, 1.5, 2.0, 2.5, 3.0}) {
            const QCursor cursor = SpoiteCursor(r);
            const QImage drawing = cursor.pixmap().toImage();
            QCOMPARE(drawing.size(), QSize(qRound(32 * r), qRound(32 * r)));
            QCOMPARE(cursor.hotSpot(), QPoint(qRound(r), qRound(14 * r)));
            QVERIFY(qAlpha(drawing.pixel(cursor.hotSpot())) > 128);
            QCOMPARE(qAlpha(drawing.pixel(drawing.width() - 1, drawing.height() - 1)), 0);
            QCOMPARE(qAlpha(drawing.pixel(0, 0)), 0);
        }
    }

    void eachStartTakesANewSnapshot()
    {
        QColor fill(10, 20, 30);
        SetScreenGrabber([&fill](QScreen* screen) {
            QImage image(screen->geometry().size(), QImage::Format_RGB32);
            image.fill(fill);
            return image;
        });
        f->mnuEditScreenCopy->trigger();
        Press(Qt::LeftButton, QPoint(1, 1));
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#0A141E"));
        Press(Qt::RightButton, QPoint(1, 1));
        fill = QColor(255, 255, 0);
        f->mnuEditScreenCopy->trigger();
        Press(Qt::LeftButton, QPoint(1, 1));
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#FFFF00"));
        Press(Qt::RightButton, QPoint(1, 1));
    }

    void topmostModeDecidesTheLayerAfterPicking()
    {
        // Switched on from the menu during picking: the window stays on top.
        f->mnuEditScreenCopy->trigger();
        f->mnuVisibleWndFront->trigger();
        QCOMPARE(f->frontWndOn, 1);
        QVERIFY(OnTop(f));
        Press(Qt::RightButton, QPoint(1, 1));
        QVERIFY(OnTop(f));
        QVERIFY(f->spbToolFrontWnd->isChecked());
        QVERIFY(f->spbToolFrontWnd->isEnabled());

        // Switched off during picking: the window is still on top while picking,
        // and returns among ordinary windows at the end.
        f->mnuEditScreenCopy->trigger();
        f->mnuVisibleWndFront->trigger();
        QCOMPARE(f->frontWndOn, 0);
        QVERIFY(!f->mnuVisibleWndFront->isChecked());
        QVERIFY(OnTop(f));
        Press(Qt::LeftButton, QPoint(9, 9));
        QVERIFY(OnTop(f));
        f->mnuEditScreenCopy->trigger();
        QVERIFY(!OnTop(f));
        QVERIFY(!f->spbToolFrontWnd->isChecked());
    }

    void frontWndButtonIsGreyedWhilePicking()
    {
        f->mnuEditScreenCopy->trigger();
        QTest::mouseClick(f->spbToolFrontWnd, Qt::LeftButton);
        QCOMPARE(f->frontWndOn, 0);
        QVERIFY(!f->spbToolFrontWnd->isChecked());
        f->mnuEditScreenCopy->trigger();
    }

    void snapshotClosedByOtherMeansThenStopped()
    {
        f->mnuEditScreenCopy->trigger();
        Form2->close();
        QVERIFY(!Form2->isVisible());
        QVERIFY(!Form3->isVisible());
        QVERIFY(f->spbToolFrontWnd->isEnabled());
        QVERIFY(!OnTop(f));
        QCOMPARE(f->pixGetOn, 1);
        QVERIFY(f->spbToolPixGet->isChecked());
        // The next toggle stops: the hidden window's close runs once more.
        f->frontWndOn = 1;
        f->mnuEditScreenCopy->trigger();
        QVERIFY(OnTop(f));
        f->frontWndOn = 0;
        ExpectOff();
    }

    void bannerSitsInTheCornerAndPressesMoveIt()
    {
        f->mnuEditScreenCopy->trigger();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(Form3->size(), QSize(248, 32));
        QCOMPARE(Form3->geometry().bottomRight(), screen.bottomRight());
        QCOMPARE(Form3->Label1->text(), QStringLiteral("右クリックで元の画面に戻ります"));
        QCOMPARE(Form3->Label1->geometry(), QRect(8, 8, 231, 16));

        const int before = Form3->movesStarted;
        QTest::mousePress(Form3->Label1, Qt::RightButton, {}, QPoint(4, 4));
        QTest::mouseRelease(Form3->Label1, Qt::RightButton, {}, QPoint(4, 4));
        QTest::mousePress(Form3->Panel1, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(Form3->Panel1, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(Form3->movesStarted, before + 2);
        QCOMPARE(f->pixGetOn, 1);
        QVERIFY(Form2->isVisible());
        f->mnuEditScreenCopy->trigger();
    }

    // A snapshot the window system can draw by itself: drawn by the painter
    // only while shown, exactly the parts asked for; any change to the
    // picture, or a painter that cannot draw, hands it back to the toolkit.
    void onScreenPainterDrawsOnlyWhatIsShown()
    {
        QWidget top;
        top.resize(64, 48);
        auto* image = new TImage(&top);
        image->resize(64, 48);
        const QImage picture = Gradient({64, 48}, 1);
        QRegion drawn;
        bool works = true;
        image->SetPicture(picture, [&](WId window, const QRect& area) {
            [&] { QCOMPARE(window, image->winId()); }();
            drawn += area;
            return works;
        });
        QVERIFY(image->PaintsOnScreen());
        image->repaint();
        QVERIFY(drawn.isEmpty());
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        image->repaint();
        QCOMPARE(drawn, QRegion(picture.rect()));
        drawn = QRegion();
        image->repaint(QRect(10, 12, 5, 3));
        QCOMPARE(drawn, QRegion(10, 12, 5, 3));

        image->SetPixel(0, 0, 0xFF);
        QVERIFY(!image->PaintsOnScreen());
        QCOMPARE(image->Pixel(0, 0), TColor(0xFF));
        QCOMPARE(picture.pixel(0, 0), qRgb(0, 0, 7));

        works = false;
        image->SetPicture(picture, [&](WId, const QRect&) { return works; });
        image->repaint();
        QVERIFY(!image->PaintsOnScreen());
        QCOMPARE(image->grab().toImage().pixel(20, 20), picture.pixel(20, 20));
    }
};

QTEST_MAIN(PickerTest)
#include "test_picker.moc"
