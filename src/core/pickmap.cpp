#include "core/pickmap.h"

#include <algorithm>
#include <cmath>

namespace {

// A pointer on the edge between two device pixels is reported as a logical
// position that, multiplied back, can fall a hair short of the edge
// (101 / 1.5 * 1.5 = 100.99999...). A thousandth of a device pixel is far
// below any real pointer step and keeps such positions on their own pixel.
constexpr double kEdgeSlack = 1e-3;

// Fractional desktop scales come in steps of 1/120.
constexpr double kScaleSteps = 120.0;

bool Fits(double scale, int picture, double logical)
{
    return scale > 0 && std::isfinite(scale) && std::abs(picture / scale - logical) < 1.0;
}

int AxisPixel(double position, double scale, int pictureExtent)
{
    if (pictureExtent <= 0)
        return 0;
    const double device = std::floor(position * scale + kEdgeSlack);
    if (!(device >= 0)) // also catches NaN
        return 0;
    return static_cast<int>(std::min(device, static_cast<double>(pictureExtent - 1)));
}

} // namespace

PictureScale ScaleOfPicture(int pictureWidth, int pictureHeight, double logicalWidth, double logicalHeight,
                            double toolkitRatio)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || !(logicalWidth > 0) || !(logicalHeight > 0))
        return {};
    const auto fitsBoth = [&](double scale) {
        return Fits(scale, pictureWidth, logicalWidth) && Fits(scale, pictureHeight, logicalHeight);
    };
    if (fitsBoth(toolkitRatio))
        return {toolkitRatio, toolkitRatio};
    const double across = pictureWidth / logicalWidth;
    const double down = pictureHeight / logicalHeight;
    const double stepped = std::round((across + down) / 2 * kScaleSteps) / kScaleSteps;
    if (fitsBoth(stepped))
        return {stepped, stepped};
    return {across, down};
}

PicturePoint PicturePixelAt(double x, double y, int pictureWidth, int pictureHeight, double logicalWidth,
                            double logicalHeight, double toolkitRatio)
{
    const PictureScale scale = ScaleOfPicture(pictureWidth, pictureHeight, logicalWidth, logicalHeight, toolkitRatio);
    return {AxisPixel(x, scale.x, pictureWidth), AxisPixel(y, scale.y, pictureHeight)};
}

SnapshotPlacement PlaceSnapshot(int screenWidth, int screenHeight, const std::vector<DeviceRect>& monitors,
                                int primaryMonitor, double scale, int bannerWidth, int bannerHeight)
{
    SnapshotPlacement placement;
    screenWidth = std::max(0, screenWidth);
    screenHeight = std::max(0, screenHeight);
    if (!(scale > 0) || !std::isfinite(scale))
        scale = 1;
    placement.snapshot = {0, 0, screenWidth, screenHeight};
    // Rounded up, less the slack that keeps an exact quotient whole.
    const auto covering = [scale](int device) { return static_cast<int>(std::ceil(device / scale - kEdgeSlack)); };
    placement.logicalWidth = covering(screenWidth);
    placement.logicalHeight = covering(screenHeight);

    // The primary monitor as far as it lies on the screen; the screen itself
    // when it does not.
    int left = 0;
    int top = 0;
    int right = screenWidth;
    int bottom = screenHeight;
    if (!monitors.empty()) {
        const std::size_t index =
            primaryMonitor >= 0 && static_cast<std::size_t>(primaryMonitor) < monitors.size() ? primaryMonitor : 0;
        const DeviceRect& m = monitors[index];
        const int l = std::max(0, m.x);
        const int t = std::max(0, m.y);
        const int r = std::min(screenWidth, m.x + m.width);
        const int b = std::min(screenHeight, m.y + m.height);
        if (l < r && t < b) {
            left = l;
            top = t;
            right = r;
            bottom = b;
        }
    }
    // The toolkit draws the banner over its logical size times the scale,
    // rounded.
    const int width = static_cast<int>(std::lround(bannerWidth * scale));
    const int height = static_cast<int>(std::lround(bannerHeight * scale));
    placement.banner = {std::max(left, right - width), std::max(top, bottom - height), width, height};
    return placement;
}
