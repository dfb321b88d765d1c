// Which pixel of a screen picture lies under the pointer. The picture holds
// device pixels, the pointer is reported in logical pixels with a fraction;
// on a scaled screen one logical pixel covers several device pixels, or a
// fractional number of them.
#pragma once

#include <cstddef>
#include <vector>

struct PicturePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PicturePoint&) const = default;
};

struct PictureScale {
    double x = 1.0; // device pixels per logical pixel, across
    double y = 1.0; // and down
};

// How a picture of pictureWidth x pictureHeight device pixels spreads over a
// screen of logicalWidth x logicalHeight logical pixels (the logical sizes
// are whole pixels, rounded by whoever reported them):
// - the toolkit's own ratio when it fits both sizes: it is exact;
// - else the desktop's scale, a multiple of 1/120 that fits both sizes (a
//   fractional scale such as 1.5 that the toolkit reports rounded up to 2);
// - else picture ÷ logical size, per axis.
// "Fits" means picture ÷ scale lies within one pixel of the logical size.
PictureScale ScaleOfPicture(int pictureWidth, int pictureHeight, double logicalWidth, double logicalHeight,
                            double toolkitRatio = 0);

// The picture pixel under a pointer at logical (x, y) from the picture's top
// left corner; clamped into the picture, so that the screen's last logical
// pixel reaches the picture's last pixel. A picture of no pixels gives (0, 0).
PicturePoint PicturePixelAt(double x, double y, int pictureWidth, int pictureHeight, double logicalWidth,
                            double logicalHeight, double toolkitRatio = 0);

// One output of a desktop of several, in logical pixels from the top left
// corner of the box around all of them, with the toolkit's device pixel
// ratio on that output (0 when unknown).
struct OutputArea {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double ratio = 0;
};

// A rectangle of picture pixels; right and bottom exclusive.
struct PictureRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PictureRect&) const = default;
};

// The part of a picture of the whole desktop (the box around every output,
// at the largest output's scale) that shows output `index`.
PictureRect PartOfOutput(const std::vector<OutputArea>& outputs, std::size_t index, int pictureWidth,
                         int pictureHeight);

// The picture pixel under a pointer at logical (x, y) from the box's top left
// corner. The output under the pointer (or the nearest one) decides: on an
// output shown at a lower scale than the picture, one of its device pixels
// covers a block of picture pixels, and the pixel at the block's centre is
// taken, so that a smoothed edge is never shifted by half a block.
PicturePoint DesktopPixelAt(const std::vector<OutputArea>& outputs, double x, double y, int pictureWidth,
                            int pictureHeight);

// A rectangle of device pixels.
struct DeviceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const DeviceRect&) const = default;
};

// Where the snapshot and the banner go on an X screen, worked out in device
// pixels: the toolkit's logical rectangles of scaled monitors are rounded and
// leave one-pixel gaps or shifts where a size or an offset does not divide by
// the scale.
struct SnapshotPlacement {
    // The whole X screen, also where no monitor shows it.
    DeviceRect snapshot;
    // The snapshot's size in logical pixels: the smallest that covers every
    // device pixel of the screen at the scale. A pointer on device pixel d is
    // at d / scale from the snapshot's corner, which PicturePixelAt with these
    // sizes and the scale maps back to d.
    int logicalWidth = 0;
    int logicalHeight = 0;
    // The banner, its bottom right corner on the primary monitor's (the
    // screen's when there is no monitor on it).
    DeviceRect banner;
};

// screenWidth x screenHeight: the X screen; monitors: where each monitor
// shows it, primaryMonitor the index of the primary one (-1 or out of range:
// the first); bannerWidth x bannerHeight: the banner's logical size.
SnapshotPlacement PlaceSnapshot(int screenWidth, int screenHeight, const std::vector<DeviceRect>& monitors,
                                int primaryMonitor, double scale, int bannerWidth, int bannerHeight);
