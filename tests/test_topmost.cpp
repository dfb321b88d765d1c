// Keep-on-top mode: button, check mark and window layer in step from both
// controls, and the window neither moved nor resized.
#include "support/testsupport.h"

#include "core/mfunc.h"
#include "forms/unit1.h"

#include <QAction>
#include <QButtonGroup>
#include <QTest>
#include <QToolButton>
#include <QWindow>

class TopmostTest : public QObject {
    Q_OBJECT
private:
    TesmarWindows* windows = nullptr;
    TForm1* f = nullptr;

    bool OnTop() const { return f->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }
    void ExpectInStep(int mode)
    {
        QCOMPARE(f->frontWndOn, mode);
        QCOMPARE(f->spbToolFrontWnd->isChecked(), mode == 1);
        QCOMPARE(f->mnuVisibleWndFront->isChecked(), mode == 1);
        QCOMPARE(OnTop(), mode == 1);
    }

private slots:
    void init()
    {
        windows = new TesmarWindows;
        f = windows->main();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    void cleanup() { delete windows; }

    void startsOff() { ExpectInStep(0); }

    void everyOrderOfBothControls_data()
    {
        QTest::addColumn<QString>("controls"); // b = toolbar button click, m = menu item
        QTest::newRow("button twice") << "bbbb";
        QTest::newRow("menu twice") << "mmmm";
        QTest::newRow("menu on, button off") << "mbmb";
        QTest::newRow("button on, menu off") << "bmbm";
        QTest::newRow("mixed") << "bbmmbm";
    }
    void everyOrderOfBothControls()
    {
        QFETCH(QString, controls);
        const QRect before = f->geometry();
        int mode = 0;
        for (QChar control : controls) {
            if (control == QLatin1Char('b'))
                QTest::mouseClick(f->spbToolFrontWnd, Qt::LeftButton);
            else
                f->mnuVisibleWndFront->trigger();
            mode = 1 - mode;
            ExpectInStep(mode);
            QCOMPARE(f->geometry(), before);
            QVERIFY(f->isVisible());
        }
    }

    void firstSwitchOffLetsTheButtonUp()
    {
        // The group does not allow all up at first; the command has to.
        QVERIFY(f->frontWndGroup->exclusive());
        QTest::mouseClick(f->spbToolFrontWnd, Qt::LeftButton);
        QTest::mouseClick(f->spbToolFrontWnd, Qt::LeftButton);
        ExpectInStep(0);
        QVERIFY(!f->frontWndGroup->exclusive());
    }

    void layerOfAHiddenWindowAndNullWindows()
    {
        // The helpers work on a window never shown, and refuse nothing-windows.
        QWidget hidden;
        QVERIFY(SetTopmost(&hidden));
        QVERIFY(hidden.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        hidden.show();
        QVERIFY(hidden.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(ClearTopmost(&hidden));
        QVERIFY(!hidden.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!SetTopmost(nullptr));
        QVERIFY(!ClearTopmost(nullptr));
        QWidget child(&hidden);
        QVERIFY(!SetTopmost(&child));
    }
};

QTEST_MAIN(TopmostTest)
#include "test_topmost.moc"
