// The palette grid: selection, taking colours, the popup commands and the
// double-clicks on the grid and on the swatch.
#include "forms/unit1.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr TColor kRed = 255;

// The middle of a slot's cell, in grid pixels.
QPoint CellCentre(int slot) { return {12 * ((slot - 1) % 16) + 6, 12 * ((slot - 1) / 16) + 6}; }

TColor CellColour(const TForm1* f, int slot)
{
    const QPoint p = CellCentre(slot);
    return f->imgPalette->Pixel(p.x(), p.y());
}

// True when the cell's four grid lines are drawn in the colour.
bool Framed(const TForm1* f, int slot, TColor colour)
{
    const int left = 12 * ((slot - 1) % 16);
    const int top = 12 * ((slot - 1) / 16);
    for (int i = 0; i <= 12; ++i) {
        for (const QPoint p :
             {QPoint(left + i, top), QPoint(left + i, top + 12), QPoint(left, top + i), QPoint(left + 12, top + i)}) {
            if (f->imgPalette->Pixel(p.x(), p.y()) != colour)
                return false;
        }
    }
    return true;
}

// While the next popup menu is open: notes whether its delete entry is
// enabled, then presses the key (Escape closes it without a command).
void AnswerPopup(TForm1* f, Qt::Key key, bool* deleteEnabled)
{
    QTimer::singleShot(0, f, [f, key, deleteEnabled] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        if (menu != f->popPal)
            QFAIL("another menu opened");
        *deleteEnabled = f->popPalDel->isEnabled();
        QTest::keyClick(menu, key);
    });
}

void RightPress(TForm1* f, QPoint at, Qt::Key key, bool* deleteEnabled)
{
    AnswerPopup(f, key, deleteEnabled);
    f->imgPaletteMouseDown(f->imgPalette, Qt::RightButton, at.x(), at.y());
}

} // namespace

class TestPaletteGrid : public QObject {
    Q_OBJECT
private slots:
    void startsWithSlotOneFramed()
    {
        TesmarWindows windows;
        const TForm1* f = windows.main();
        QCOMPARE(f->palSelNo, 1);
        QCOMPARE(f->lblPalLabel->text(), QStringLiteral("ﾊﾟﾚｯﾄ [ No.1 ]"));
        QVERIFY(Framed(f, 1, kRed));
        QVERIFY(Framed(f, 35, 0));
        QVERIFY(Framed(f, 128, 0));
        for (int slot = 1; slot <= 128; ++slot)
            QCOMPARE(CellColour(f, slot), kWhite);
        QCOMPARE(f->imgPalette->Pixel(192, 96), TColor{0});
        QCOMPARE(f->palCount, 0);
    }

    void pressSelectsTheCell_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("slot");
        QTest::newRow("13,13") << QPoint(13, 13) << 18;
        QTest::newRow("5,5") << QPoint(5, 5) << 1;
        QTest::newRow("185,90") << QPoint(185, 90) << 128;
        QTest::newRow("190,14") << QPoint(190, 14) << 32;
        QTest::newRow("11,11") << QPoint(11, 11) << 1;
    }
    void pressSelectsTheCell()
    {
        QFETCH(QPoint, at);
        QFETCH(int, slot);
        TesmarWindows windows;
        TForm1* f = windows.main();
        f->imgPaletteMouseDown(f->imgPalette, Qt::LeftButton, 61, 61); // slot 86 first
        f->imgPaletteMouseDown(f->imgPalette, Qt::LeftButton, at.x(), at.y());
        QCOMPARE(f->palSelNo, slot);
        QCOMPARE(f->lblPalLabel->text(), QStringLiteral("ﾊﾟﾚｯﾄ [ No.%1 ]").arg(slot));
        QVERIFY(Framed(f, slot, kRed));
        QVERIFY(Framed(f, 86, 0));
        QCOMPARE(f->currentColor, kWhite); // an empty cell gives no colour
    }

    void pressOnAGridLineKeepsTheSelection()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        f->imgPaletteMouseDown(f->imgPalette, Qt::LeftButton, 13, 13);
        f->PalAdd(18, 0x112233);
        f->PalAdd(3, 0x445566); // under (30, 24)'s neighbour cells
        f->currentColor = 0;
        for (const QPoint line : {QPoint(12, 30), QPoint(30, 24)}) {
            f->popPalDel->setEnabled(false);
            f->imgPaletteMouseDown(f->imgPalette, Qt::LeftButton, line.x(), line.y());
            QCOMPARE(f->palSelNo, 18);
            QVERIFY(Framed(f, 18, kRed));
            QVERIFY(f->popPalDel->isEnabled());   // re-enabled for slot 18
            QCOMPARE(f->currentColor, TColor{0}); // no colour from a line
        }
        // The popup opened from a line acts on the old selection.
        bool deleteEnabled = false;
        RightPress(f, QPoint(12, 30), Qt::Key_D, &deleteEnabled);
        QVERIFY(deleteEnabled);
        QVERIFY(!f->PalExists(18));
        QVERIFY(f->PalExists(3));
        QCOMPARE(CellColour(f, 18), kWhite);
        QVERIFY(Framed(f, 18, kRed));
    }

    // While the left button holds the pointer on the grid, a press of another
    // button anywhere reaches the grid with coordinates outside its picture.
    void pressesFromOutsideTheGridSelectNothing()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(ShowAndActivate(f));
        f->imgPaletteMouseDown(f->imgPalette, Qt::LeftButton, 13, 13);
        f->PalAdd(18, 0x112233);
        f->currentColor = 0;
        for (const QPoint outside : {QPoint(-13, 5), QPoint(-5, -5), QPoint(5, -30), QPoint(200, 5), QPoint(5, 110),
                                     QPoint(-400, -400), QPoint(5000, 90)}) {
            QTest::mousePress(f->imgPalette, Qt::LeftButton, {}, outside);
            QTest::mouseRelease(f->imgPalette, Qt::LeftButton, {}, outside);
            QCOMPARE(f->palSelNo, 18);
            QCOMPARE(f->lblPalLabel->text(), QStringLiteral("ﾊﾟﾚｯﾄ [ No.18 ]"));
            QVERIFY(Framed(f, 18, kRed));
            QCOMPARE(f->currentColor, TColor{0});
        }
        // The popup still opens, for the slot selected before.
        bool deleteEnabled = false;
        RightPress(f, QPoint(-13, 5), Qt::Key_Escape, &deleteEnabled);
        QVERIFY(deleteEnabled);
        QCOMPARE(f->palCount, 1);
    }

    void leftPressTakesAStoredColour()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        f->PalAdd(20, 0x336699);
        f->scrValue->setValue(25);
        const QPoint at = CellCentre(20);
        f->imgPaletteMouseDown(f->imgPalette, Qt::LeftButton, at.x(), at.y());
        QCOMPARE(f->palSelNo, 20);
        QCOMPARE(f->currentColor, TColor{0x336699});
        QCOMPARE(f->scrValue->value(), 0);
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#996633"));
        QCOMPARE(f->edtDec->text(), QStringLiteral("3368601"));
        QVERIFY(f->popPalDel->isEnabled());
        // The middle button selects but takes nothing.
        f->currentColor = 0;
        f->imgPaletteMouseDown(f->imgPalette, Qt::MiddleButton, at.x(), at.y());
        QCOMPARE(f->currentColor, TColor{0});
    }

    void popupAddReplaceDeleteClear()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        bool deleteEnabled = true;
        f->currentColor = 0x0000FF;
        RightPress(f, CellCentre(5), Qt::Key_A, &deleteEnabled); // empty: add
        QVERIFY(!deleteEnabled);
        QCOMPARE(f->palSelNo, 5);
        QCOMPARE(f->PalGetColor(5), TColor{0x0000FF});
        QCOMPARE(CellColour(f, 5), TColor{0x0000FF});

        f->currentColor = 0x00FF00;
        RightPress(f, CellCentre(6), Qt::Key_A, &deleteEnabled);
        f->currentColor = 0xFF0000;
        RightPress(f, CellCentre(5), Qt::Key_A, &deleteEnabled); // stored: replace
        QVERIFY(deleteEnabled);
        QCOMPARE(f->palCount, 2);
        QCOMPARE(CellColour(f, 5), TColor{0xFF0000});

        RightPress(f, CellCentre(5), Qt::Key_D, &deleteEnabled);
        QVERIFY(!f->PalExists(5));
        QCOMPARE(CellColour(f, 5), kWhite);
        QCOMPARE(CellColour(f, 6), TColor{0x00FF00});
        QVERIFY(Framed(f, 5, kRed));
        RightPress(f, CellCentre(5), Qt::Key_Escape, &deleteEnabled);
        QVERIFY(!deleteEnabled);
        f->popPalDelClick(f->popPalDel); // checks again: nothing to delete
        QCOMPARE(f->palCount, 1);

        RightPress(f, CellCentre(40), Qt::Key_E, &deleteEnabled);
        QCOMPARE(f->palCount, 0);
        QVERIFY(f->palList == nullptr);
        QCOMPARE(CellColour(f, 6), kWhite);
        QVERIFY(Framed(f, 40, kRed));
        QCOMPARE(f->lblPalLabel->text(), QStringLiteral("ﾊﾟﾚｯﾄ [ No.40 ]"));
        f->PaintBoxDblClick(f->PaintBox);
        QVERIFY(f->PalExists(1));
    }

    void doubleClicksWithTheMouse()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(ShowAndActivate(f));
        f->scrollBox->horizontalScrollBar()->setValue(f->scrollBox->horizontalScrollBar()->maximum());
        QWindow* window = f->windowHandle();
        const auto onGrid = [f](int slot) { return f->imgPalette->mapTo(f, CellCentre(slot)); };

        // An empty cell takes the current colour.
        f->currentColor = 0x123456;
        QTest::mouseDClick(window, Qt::LeftButton, {}, onGrid(9));
        QCOMPARE(f->palSelNo, 9);
        QCOMPARE(f->PalGetColor(9), TColor{0x123456});
        QCOMPARE(CellColour(f, 9), TColor{0x123456});

        // A stored cell keeps its colour, and its second press takes it.
        f->PalAdd(10, 0xABCDEF);
        f->currentColor = 0;
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseDClick(window, Qt::LeftButton, {}, onGrid(10));
        QCOMPARE(f->PalGetColor(10), TColor{0xABCDEF});
        QCOMPARE(f->currentColor, TColor{0xABCDEF});
        QCOMPARE(f->palCount, 2);

        // The swatch fills the first free slot and leaves the selection alone.
        f->scrollBox->horizontalScrollBar()->setValue(0);
        f->PalAdd(1, 0x1);
        f->PalAdd(2, 0x2);
        f->PalAdd(4, 0x4);
        f->currentColor = 0x777777;
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseDClick(window, Qt::LeftButton, {}, f->PaintBox->mapTo(f, QPoint(40, 20)));
        QCOMPARE(f->PalGetColor(3), TColor{0x777777});
        QCOMPARE(CellColour(f, 3), TColor{0x777777});
        QCOMPARE(f->palSelNo, 10);
        QVERIFY(Framed(f, 10, kRed));
    }

    // On a scaled screen a press selects the cell whose device pixels it
    // falls on: the last ones of a cell select it, a grid line's select nothing.
    void pressesOnDevicePixels()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(ShowAndActivate(f));
        f->scrollBox->horizontalScrollBar()->setValue(f->scrollBox->horizontalScrollBar()->maximum());
        const qreal r = f->devicePixelRatioF();
        const QPoint origin = f->imgPalette->mapTo(f, QPoint(0, 0)) * r;
        const int cell = int(12 * r);
        const int line = int(r); // device pixels of a grid line
        f->PalAdd(2, 0x222222);
        f->PalAdd(18, 0x181818);
        struct Press {
            QPoint device;
            int slot;
        };
        for (const Press p : {Press{{2 * cell - 1, cell / 2}, 2}, Press{{cell + 2 * line, 2 * cell - 1}, 18},
                              Press{{cell + line - 1, cell / 2}, 0}, Press{{cell + 2, 6 * cell + line - 1}, 0},
                              Press{{16 * cell + line - 1, cell / 2}, 0}}) {
            f->imgPaletteMouseDown(f->imgPalette, Qt::LeftButton, 61, 61); // slot 86, empty
            f->currentColor = 1;
            SendAtDevicePixel(f, QEvent::MouseButtonPress, origin + p.device, Qt::LeftButton, Qt::LeftButton);
            SendAtDevicePixel(f, QEvent::MouseButtonRelease, origin + p.device, Qt::LeftButton, {});
            QCOMPARE(f->palSelNo, p.slot ? p.slot : 86);
            QCOMPARE(f->currentColor, p.slot ? f->PalGetColor(p.slot) : TColor{1});
        }
    }

    void swatchOnAFullPalette()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        for (int slot = 1; slot <= 128; ++slot)
            f->PalAdd(slot, static_cast<TColor>(slot));
        f->currentColor = 0xFFFFFF;
        f->PaintBoxDblClick(f->PaintBox);
        QCOMPARE(f->palCount, 128);
        for (int slot = 1; slot <= 128; ++slot)
            QCOMPARE(f->PalGetColor(slot), static_cast<TColor>(slot));
        // Adding still replaces the selected slot's colour.
        f->A1Click(f->A1);
        QCOMPARE(f->palCount, 128);
        QCOMPARE(f->PalGetColor(1), kWhite);
        QCOMPARE(CellColour(f, 128), TColor{128});
        f->N9Click(f->N9);
        QCOMPARE(f->palCount, 0);
    }

    void hiddenEntries()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        f->currentColor = 0x0A0B0C;
        f->mnuEditPalAddClick(f->mnuEditPalAdd); // stores, draws nothing
        QCOMPARE(f->PalGetColor(1), TColor{0x0A0B0C});
        QCOMPARE(CellColour(f, 1), kWhite);
        f->spbToolPalAddClick(f->spbToolPalAdd);
        QCOMPARE(CellColour(f, 1), TColor{0x0A0B0C});
        f->mnuEditPalDelClick(f->mnuEditPalDel); // deletes, leaves the old colour drawn
        QVERIFY(!f->PalExists(1));
        QCOMPARE(CellColour(f, 1), TColor{0x0A0B0C});
        f->PalAdd(2, 0x2);
        f->C1Click(f->C1);
        QCOMPARE(f->palCount, 0);
        QCOMPARE(CellColour(f, 1), kWhite);
    }
};

QTEST_MAIN(TestPaletteGrid)
#include "test_palette_grid.moc"
