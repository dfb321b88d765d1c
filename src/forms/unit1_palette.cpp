// The palette grid and its commands: 16 by 8 cells of 11 by 11 pixels on a
// 12-pixel pitch, slot numbers 1 to 128 row by row from the top left.
#include "forms/unit1.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

// The eyedropper cursor over the grid and the hue bar comes from the
// library's resources, which a static library has to register itself.
static const bool resourcesRegistered = [] {
    Q_INIT_RESOURCE(tesmar);
    return true;
}();

namespace {

constexpr int kPitch = 12;
constexpr int kColumns = 16;
constexpr int kRows = 8;
constexpr TColor kGridLine = 0;
constexpr TColor kFrame = 255;

// A press inside a cell, not on a grid line. While a button holds the pointer,
// the grid also receives presses of other buttons made outside it; those
// select nothing, like a press on a line, so no slot outside 1 to 128 arises.
bool InsideCell(int x, int y)
{
    const bool onGrid = x >= 0 && y >= 0 && x <= kPitch * kColumns && y <= kPitch * kRows;
    return onGrid && x % kPitch != 0 && y % kPitch != 0;
}

void FillCell(TImage* grid, int column, int row, TColor color)
{
    const int left = kPitch * column + 1;
    const int top = kPitch * row + 1;
    grid->FillRect(left, top, left + kPitch - 1, top + kPitch - 1, color);
}

} // namespace

void TForm1::PalDrawGrid()
{
    for (int i = 0; i <= kColumns; ++i)
        imgPalette->DrawLine(kPitch * i, 0, kPitch * i, kPitch * kRows, kGridLine);
    for (int j = 0; j <= kRows; ++j)
        imgPalette->DrawLine(0, kPitch * j, kPitch * kColumns, kPitch * j, kGridLine);
}

void TForm1::PalSelect(int x, int y)
{
    palSelNo = kColumns * (y / kPitch) + x / kPitch + 1;
    lblPalLabel->setText(QStringLiteral("ﾊﾟﾚｯﾄ [ No.") + QString::number(palSelNo) + QStringLiteral(" ]"));
    lblPalLabel->adjustSize();
}

void TForm1::PalDrawFrame(int x, int y)
{
    const int left = kPitch * (x / kPitch);
    const int top = kPitch * (y / kPitch);
    imgPalette->DrawOutline(left, top, left + kPitch, top + kPitch, kFrame);
}

void TForm1::PalRepaint()
{
    int n = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            ++n;
            if (PalExists(n))
                FillCell(imgPalette, c, r, PalGetColor(n));
        }
    }
}

void TForm1::PalBlank()
{
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c)
            FillCell(imgPalette, c, r, kWhite);
    }
}

void TForm1::imgPaletteMouseDown(QObject*, Qt::MouseButton button, int x, int y)
{
    // A press on a grid line keeps the earlier selection.
    const bool inCell = InsideCell(x, y);
    if (inCell) {
        PalDrawGrid();
        PalSelect(x, y);
        PalDrawFrame(x, y);
    }
    const bool stored = PalExists(palSelNo);
    popPalDel->setEnabled(stored);
    mnuEditPalDel->setEnabled(stored);

    if (button == Qt::LeftButton) {
        if (inCell && stored) {
            currentColor = PalGetColor(palSelNo);
            scrValue->setValue(0);
            RefreshColor();
        }
    } else if (button == Qt::RightButton) {
        popPal->exec(QCursor::pos());
    }
}

void TForm1::imgPaletteDblClick(QObject*)
{
    if (!PalExists(palSelNo))
        PalAdd(palSelNo, currentColor);
    PalRepaint();
}

void TForm1::PaintBoxDblClick(QObject*)
{
    for (int n = 1; n <= kColumns * kRows; ++n) {
        if (!PalExists(n)) {
            PalAdd(n, currentColor);
            PalRepaint();
            return;
        }
    }
}

void TForm1::A1Click(QObject*)
{
    mnuEditPalAddClick(A1);
    PalRepaint();
}

void TForm1::popPalDelClick(QObject*)
{
    if (!PalExists(palSelNo))
        return;
    PalDelete(palSelNo);
    PalBlank();
    PalRepaint();
}

void TForm1::N9Click(QObject*)
{
    PalClear();
    PalBlank();
}

void TForm1::spbToolPalAddClick(QObject*) { A1Click(spbToolPalAdd); }

void TForm1::mnuEditPalAddClick(QObject*)
{
    if (PalExists(palSelNo))
        PalSetColor(palSelNo, currentColor);
    else
        PalAdd(palSelNo, currentColor);
}

void TForm1::mnuEditPalDelClick(QObject*)
{
    if (!PalExists(palSelNo))
        return;
    PalDelete(palSelNo);
    PalRepaint();
}

void TForm1::C1Click(QObject*) { N9Click(C1); }
