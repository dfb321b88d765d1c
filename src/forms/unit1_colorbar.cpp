// The hue bar: drawn once from the integer HLS model, picked by pressing and
// dragging with the left button.
#include "core/mfunc.h"
#include "forms/unit1.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <algorithm>

void TForm1::DrawColorBar()
{
    // 256 rows by 360 columns of sweep points fall onto 180 by 64 pixels,
    // eight to a pixel, and the last of the eight stays: pixel (x, y) shows
    // the point of column 2x + 1 and row 4y + 3. Only those are worked out,
    // into a copy of the picture that is handed back whole.
    QImage bar = imgColorBar->Picture();
    const int width = std::min(bar.width(), 180);
    const int height = std::min(bar.height(), 64);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bar.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto v = static_cast<std::uint32_t>(HlsToRgb(2 * x + 1, 127, 255 - (4 * y + 3)));
            const TColor c = (v & 0xFF) << 16 | (v & 0xFF00) | ((v >> 16) & 0xFF);
            line[x] = TImage::ToRgb(c);
        }
    }
    imgColorBar->SetPicture(bar);
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
