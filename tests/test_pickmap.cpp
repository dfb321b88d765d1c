// The pointer's logical position mapped to the device pixel of a screen
// picture, at whole and fractional scales.
#include "core/pickmap.h"

#include <QtTest>

class TestPickMap : public QObject {
    Q_OBJECT
private slots:
    void everyDevicePixelUnderItsOwnPointer_data()
    {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<double>("logicalWidth");
        QTest::addColumn<double>("logicalHeight");
        QTest::addColumn<double>("toolkitRatio");
        QTest::addColumn<double>("scale"); // what the desktop really divides device positions by
        for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            // Logical sizes as the toolkit reports them: rounded.
            QTest::addRow("1600x1000 at %g", ratio)
                << 1600 << 1000 << double(qRound(1600 / ratio)) << double(qRound(1000 / ratio)) << ratio << ratio;
        }
        // A fractional desktop scale that the toolkit reports as 2.
        QTest::newRow("1280x799 on 853x533, reported 2") << 1280 << 799 << 853.0 << 533.0 << 2.0 << 1.5;
        QTest::newRow("1280x799 on 853x533, no ratio") << 1280 << 799 << 853.0 << 533.0 << 0.0 << 1.5;
    }
    void everyDevicePixelUnderItsOwnPointer()
    {
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        QFETCH(double, logicalWidth);
        QFETCH(double, logicalHeight);
        QFETCH(double, toolkitRatio);
        QFETCH(double, scale);
        // A pointer on device pixel d is reported at d / scale, on its edge:
        // every column and row, odd ones and the last included.
        for (int d = 0; d < std::max(pictureWidth, pictureHeight); ++d) {
            const int dx = std::min(d, pictureWidth - 1);
            const int dy = std::min(d, pictureHeight - 1);
            const PicturePoint p = PicturePixelAt(dx / scale, dy / scale, pictureWidth, pictureHeight, logicalWidth,
                                                  logicalHeight, toolkitRatio);
            if (p.x != dx || p.y != dy)
                QFAIL(qPrintable(QStringLiteral("device (%1,%2) picked as (%3,%4)").arg(dx).arg(dy).arg(p.x).arg(p.y)));
            // Anywhere inside that device pixel picks it too.
            const PicturePoint inside = PicturePixelAt((dx + 0.9) / scale, (dy + 0.5) / scale, pictureWidth,
                                                       pictureHeight, logicalWidth, logicalHeight, toolkitRatio);
            QCOMPARE(inside, (PicturePoint{dx, dy}));
        }
        // The far edge of the screen and beyond stays on the last pixel; before it, on the first.
        QCOMPARE(PicturePixelAt(logicalWidth, logicalHeight, pictureWidth, pictureHeight, logicalWidth, logicalHeight,
                                toolkitRatio),
                 (PicturePoint{pictureWidth - 1, pictureHeight - 1}));
        QCOMPARE(PicturePixelAt(-3.5, -0.25, pictureWidth, pictureHeight, logicalWidth, logicalHeight, toolkitRatio),
                 (PicturePoint{0, 0}));
    }

    void scaleOfPicture()
    {
        // The toolkit's exact ratio wins over the rounded logical sizes.
        QCOMPARE(ScaleOfPicture(1600, 1000, 1067, 667, 1.5).x, 1.5);
        // A shape no single scale explains is mapped per axis.
        const PictureScale odd = ScaleOfPicture(1000, 1000, 500, 400, 2.0);
        QCOMPARE(odd.x, 2.0);
        QCOMPARE(odd.y, 2.5);
        // Nothing to go by: one to one, and no pixel for an empty picture.
        QCOMPARE(ScaleOfPicture(0, 0, 0, 0, 0).x, 1.0);
        QCOMPARE(PicturePixelAt(10, 10, 0, 0, 0, 0), (PicturePoint{0, 0}));
        QCOMPARE(PicturePixelAt(qQNaN(), 5, 100, 100, 100, 100), (PicturePoint{0, 5}));
    }

    void severalOutputs()
    {
        // Side by side at scale 1: each output its own half, pixel for pixel.
        const std::vector<OutputArea> equal{{0, 0, 1280, 800, 1}, {1280, 0, 1280, 800, 1}};
        QCOMPARE(PartOfOutput(equal, 1, 2560, 800), (PictureRect{1280, 0, 2560, 800}));
        QCOMPARE(DesktopPixelAt(equal, 1500.5, 100.2, 2560, 800), (PicturePoint{1500, 100}));
        QCOMPARE(DesktopPixelAt(equal, 220, 100, 2560, 800), (PicturePoint{220, 100}));
        // Scale 1 beside scale 2: the picture is at 2 and the scale-1 output
        // is upscaled in it; its device pixel takes its block's centre.
        const std::vector<OutputArea> mixed{{0, 0, 1280, 800, 1}, {1280, 0, 640, 400, 2}};
        QCOMPARE(PartOfOutput(mixed, 0, 3840, 1600), (PictureRect{0, 0, 2560, 1600}));
        QCOMPARE(PartOfOutput(mixed, 1, 3840, 1600), (PictureRect{2560, 0, 3840, 800}));
        QCOMPARE(DesktopPixelAt(mixed, 100, 100, 3840, 1600), (PicturePoint{201, 201}));
        QCOMPARE(DesktopPixelAt(mixed, 1279.9, 799.9, 3840, 1600), (PicturePoint{2559, 1599}));
        QCOMPARE(DesktopPixelAt(mixed, 1290.5, 20.25, 3840, 1600), (PicturePoint{2581, 40}));
        // A drag past the last output stays on its last pixel.
        QCOMPARE(DesktopPixelAt(mixed, 2000, 10, 3840, 1600), (PicturePoint{3839, 20}));
    }

    // X screens with their monitors (the primary first), at every scale:
    // the snapshot covers the whole screen, every device pixel of it is
    // picked as itself, and the banner ends on the primary monitor's corner.
    void snapshotPlacement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("monitors");
        QTest::addColumn<double>("scale");
        const std::pair<QSize, const char*> layouts[] = {
            {{2560, 1440}, "2560x1440+0+0"},
            {{1366, 768}, "1366x768+0+0"},
            {{1920, 2104}, "1920x1080+0+1024 1280x1024+320+0"},
            {{3200, 1080}, "1920x1080+1280+0 1280x1080+0+0"},
            {{3200, 1080}, "1920x1080+1280+0 1280x1024+0+56"},
            {{3200, 1080}, "1920x1080+0+0 1280x1024+1920+0"},
            {{2000, 1200}, "1920x1080+0+0"},
            {{2000, 1200}, ""},
        };
        for (const auto& [screen, monitors] : layouts) {
            for (double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
                QTest::addRow("%dx%d [%s] at %g", screen.width(), screen.height(), monitors, scale)
                    << screen << QString::fromLatin1(monitors) << scale;
        }
    }
    void snapshotPlacement()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, monitors);
        QFETCH(double, scale);
        std::vector<DeviceRect> rects;
        for (const QString& m : monitors.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList n = m.split(QRegularExpression(QStringLiteral("[x+]")));
            rects.push_back({n[2].toInt(), n[3].toInt(), n[0].toInt(), n[1].toInt()});
        }
        const int w = screen.width();
        const int h = screen.height();
        const SnapshotPlacement p = PlaceSnapshot(w, h, rects, 0, scale, 248, 32);
        QCOMPARE(p.snapshot, (DeviceRect{0, 0, w, h}));
        for (int d = 0; d < std::max(w, h); ++d) {
            const int dx = std::min(d, w - 1);
            const int dy = std::min(d, h - 1);
            const PicturePoint picked =
                PicturePixelAt((dx + 0.5) / scale, dy / scale, w, h, p.logicalWidth, p.logicalHeight, scale);
            if (picked != (PicturePoint{dx, dy}))
                QFAIL(qPrintable(
                    QStringLiteral("device (%1,%2) picked as (%3,%4)").arg(dx).arg(dy).arg(picked.x).arg(picked.y)));
        }
        const DeviceRect corner = rects.empty() ? DeviceRect{0, 0, w, h} : rects.front();
        QCOMPARE(p.banner.x + p.banner.width, corner.x + corner.width);
        QCOMPARE(p.banner.y + p.banner.height, corner.y + corner.height);
        QCOMPARE(p.banner.width, qRound(248 * scale));
    }
};

QTEST_APPLESS_MAIN(TestPickMap)
#include "test_pickmap.moc"
