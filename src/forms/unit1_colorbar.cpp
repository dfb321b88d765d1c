// The hue bar: drawn once from the integer HLS model, picked by pressing and
// dragging with the left button.
#include "core/mfunc.h"
#include "forms/unit1.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

void TForm1::DrawColorBar()
{
    // 256 rows by 360 columns of sweep points onto 180 by 64 pixels; the last
    // of the eight points that land on a pixel stays.
    for (int i = 0; i <= 255; ++i) {
        for (int j = 0; j <= 359; ++j) {
            const auto v = static_cast<std::uint32_t>(HlsToRgb(j, 127, 255 - i));
            const TColor c = (v & 0xFF) << 16 | (v & 0xFF00) | ((v >> 16) & 0xFF);
            imgColorBar->SetPixel(j / 2, i / 4, c);
        }
    }
}

void TForm1::imgColorBarMouseDown(QObject*, Qt::MouseButton button, int x, int y)
{
    // While a button holds the pointer, a press of another button reaches the
    // bar wherever it happens; only a press on the bar's own pixels picks.
    if (button != Qt::LeftButton || !imgColorBar->Picture().valid(x, y))
        return;
    currentColor = imgColorBar->Pixel(x, y);
    scrValue->setValue(0);
    RefreshColor();
    colorBarDown = 1;
}

void TForm1::imgColorBarMouseMove(QObject*, int x, int y)
{
    if (x < 0 || x > imgColorBar->width() - 1 || y < 0 || y > imgColorBar->height() - 1 || colorBarDown != 1)
        return;
    currentColor = imgColorBar->Pixel(x, y);
    scrValue->setValue(0);
    RefreshColor();
}

void TForm1::imgColorBarMouseUp(QObject*, Qt::MouseButton, int, int) { colorBarDown = 0; }
