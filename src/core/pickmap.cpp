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

namespace {

// How the desktop's picture spreads over the box around every output: the
// largest output's ratio is the toolkit's guess for the picture's scale.
PictureScale DesktopScale(const std::vector<OutputArea>& outputs, int pictureWidth, int pictureHeight)
{
    double right = 0;
    double bottom = 0;
    double ratio = 0;
    for (const OutputArea& o : outputs) {
        right = std::max(right, o.left + o.width);
        bottom = std::max(bottom, o.top + o.height);
        ratio = std::max(ratio, o.ratio);
    }
    return ScaleOfPicture(pictureWidth, pictureHeight, right, bottom, ratio);
}

int Edge(double logical, double scale, int extent)
{
    const double device = std::round(logical * scale);
    if (!(device > 0))
        return 0;
    return static_cast<int>(std::min(device, static_cast<double>(extent)));
}

PictureRect Part(const OutputArea& o, PictureScale scale, int pictureWidth, int pictureHeight)
{
    return {Edge(o.left, scale.x, pictureWidth), Edge(o.top, scale.y, pictureHeight),
            Edge(o.left + o.width, scale.x, pictureWidth), Edge(o.top + o.height, scale.y, pictureHeight)};
}

// One axis of a pick on an output: the output's own device pixel under the
// pointer, then the picture pixel at the centre of the block it covers.
int OutputAxisPixel(double local, double outputScale, double pictureScale, int first, int end)
{
    if (end <= first)
        return first;
    const double device = std::floor(local * outputScale + kEdgeSlack);
    const double picture = std::floor((std::max(device, 0.0) + 0.5) * pictureScale / outputScale);
    if (!(picture >= 0)) // also catches NaN
        return first;
    return static_cast<int>(std::min(first + picture, static_cast<double>(end - 1)));
}

double DistanceOutside(double v, double low, double extent)
{
    if (v < low)
        return low - v;
    return v > low + extent ? v - low - extent : 0;
}

} // namespace

PictureRect PartOfOutput(const std::vector<OutputArea>& outputs, std::size_t index, int pictureWidth, int pictureHeight)
{
    if (index >= outputs.size() || pictureWidth <= 0 || pictureHeight <= 0)
        return {};
    return Part(outputs[index], DesktopScale(outputs, pictureWidth, pictureHeight), pictureWidth, pictureHeight);
}

PicturePoint DesktopPixelAt(const std::vector<OutputArea>& outputs, double x, double y, int pictureWidth,
                            int pictureHeight)
{
    if (outputs.empty() || pictureWidth <= 0 || pictureHeight <= 0)
        return {};
    // The output under the pointer; past every edge, the nearest one.
    std::size_t under = 0;
    double best = -1;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const OutputArea& o = outputs[i];
        const double d = DistanceOutside(x, o.left, o.width) + DistanceOutside(y, o.top, o.height);
        if (best < 0 || d < best) {
            best = d;
            under = i;
        }
    }
    const OutputArea& o = outputs[under];
    const PictureScale scale = DesktopScale(outputs, pictureWidth, pictureHeight);
    const PictureRect part = Part(o, scale, pictureWidth, pictureHeight);
    // An output never shows more device pixels than the picture has for it;
    // a ratio above the picture's is the toolkit rounding a fractional scale.
    const double across = o.ratio > 0 ? std::min(o.ratio, scale.x) : scale.x;
    const double down = o.ratio > 0 ? std::min(o.ratio, scale.y) : scale.y;
    return {OutputAxisPixel(x - o.left, across, scale.x, part.left, part.right),
            OutputAxisPixel(y - o.top, down, scale.y, part.top, part.bottom)};
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
