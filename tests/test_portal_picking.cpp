// The eyedropper on a Wayland session, offscreen: the snapshot asks to be
// full screen and carries the banner's text and the picked colour itself,
// and a capture the desktop refuses ends picking with one message.
#include "support/testsupport.h"

#include "forms/unit1.h"
#include "forms/unit2.h"
#include "forms/unit3.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

bool OnTop(QWidget* w) { return w->windowHandle() && w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }

} // namespace

class PortalPickingTest : public QObject {
    Q_OBJECT
private:
    TesmarWindows* windows = nullptr;
    TForm1* f = nullptr;

private slots:
    void initTestCase()
    {
        // A Wayland session whose session bus cannot be reached: the portal
        // is out of reach unless a test picture stands in for it.
        qputenv("WAYLAND_DISPLAY", "wayland-tesmar-test");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tesmar-test-bus");
    }
    void init()
    {
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

    void snapshotCarriesBannerAndReadout()
    {
        // Left half red, right half blue.
        SetScreenGrabber([](QScreen* screen) {
            const QSize size = screen->geometry().size();
            QImage image(size, QImage::Format_RGB32);
            image.fill(qRgb(0, 0, 255));
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width() / 2; ++x)
                    image.setPixel(x, y, qRgb(255, 0, 0));
            return image;
        });
        QTest::mouseClick(f->spbToolPixGet, Qt::LeftButton);
        QCOMPARE(f->pixGetOn, 1);
        QVERIFY(Form2->isVisible());
        QVERIFY(Form2->windowState().testFlag(Qt::WindowFullScreen));
        QVERIFY(!Form3->isVisible());
        QVERIFY(Form2->readout->isVisible());
        QCOMPARE(Form2->readout->geometry().bottomRight(), Form2->rect().bottomRight());

        // A press under the readout picks the snapshot there; the readout
        // follows every pick.
        const QPoint under = Form2->readout->geometry().center();
        QTest::mousePress(Form2->imgMain, Qt::LeftButton, {}, under);
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#0000FF"));
        QImage shown = Form2->readout->grab().toImage();
        QCOMPARE(shown.pixel(36, 60), qRgb(0, 0, 255));
        QTest::mouseMove(Form2->imgMain, QPoint(3, 3));
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#FF0000"));
        shown = Form2->readout->grab().toImage();
        QCOMPARE(shown.pixel(36, 60), qRgb(255, 0, 0));
        QTest::mouseRelease(Form2->imgMain, Qt::LeftButton, {}, QPoint(3, 3));

        QTest::mousePress(Form2->imgMain, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(f->pixGetOn, 0);
        QVERIFY(!Form2->isVisible());
    }

    void refusedCaptureEndsPicking_data()
    {
        QTest::addColumn<bool>("keepOnTop");
        QTest::newRow("keep-on-top off") << false;
        QTest::newRow("keep-on-top on") << true;
    }
    void refusedCaptureEndsPicking()
    {
        QFETCH(bool, keepOnTop);
        if (keepOnTop)
            f->mnuVisibleWndFront->trigger();
        // Twice: a failed start leaves everything ready for the next one.
        for (int round = 0; round < 2; ++round) {
            QStringList seen;
            int boxes = 0;
            QTimer watcher;
            connect(&watcher, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    ++boxes;
                    seen << box->windowTitle() + QLatin1Char('|') + box->text();
                    box->done(QMessageBox::Ok);
                }
            });
            watcher.start(10);
            QTest::mouseClick(f->spbToolPixGet, Qt::LeftButton);
            QTRY_COMPARE(boxes, 1);
            QTest::qWait(50);
            QCOMPARE(boxes, 1);
            QVERIFY2(seen.value(0).contains(QStringLiteral("デスクトップから画面を受け取れませんでした")),
                     qPrintable(seen.value(0)));
            QCOMPARE(f->pixGetOn, 0);
            QVERIFY(!f->spbToolPixGet->isChecked());
            QVERIFY(!Form2->isVisible());
            QVERIFY(!Form3->isVisible());
            QVERIFY(f->isVisible());
            QVERIFY(f->spbToolFrontWnd->isEnabled());
            QCOMPARE(OnTop(f), keepOnTop);
            QCOMPARE(f->spbToolFrontWnd->isChecked(), keepOnTop);
            QCOMPARE(f->mnuVisibleWndFront->isChecked(), keepOnTop);
        }
    }
};

TESMAR_TEST_MAIN(PortalPickingTest)
#include "test_portal_picking.moc"
