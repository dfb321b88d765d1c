// An image control that owns a persistent picture in colour values
// (0x00BBGGRR) and reports the mouse the way the windows' handlers expect.
#pragma once

#include "core/colour.h"

#include <QImage>
#include <QWidget>

#include <functional>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // Makes a new white picture of the given size and sizes the control to it.
    void SetPictureSize(int width, int height);
    // Takes the picture with its device pixel ratio: it is shown over
    // size ÷ ratio logical pixels, one picture pixel per device pixel when the
    // ratio is the screen's.
    void SetPicture(const QImage& image);
    // Draws part of the picture (device pixels, the picture's corner at the
    // window's) straight onto a native window; false when it cannot.
    using OnScreenPainter = std::function<bool(WId window, const QRect& devicePixels)>;
    // The same, with a way to draw the picture that spares the toolkit's own
    // copy of it: the control then has its own native window and is drawn
    // only by the painter. For a full-screen snapshot that copy costs as much
    // as taking the snapshot.
    void SetPicture(const QImage& image, OnScreenPainter onScreen);
    bool PaintsOnScreen() const { return static_cast<bool>(onScreen_); }
    const QImage& Picture() const { return picture_; }
    QPaintEngine* paintEngine() const override;

    void FillRect(int left, int top, int right, int bottom, TColor color);    // right and bottom exclusive
    void DrawLine(int x1, int y1, int x2, int y2, TColor color);              // both ends inclusive
    void DrawOutline(int left, int top, int right, int bottom, TColor color); // both corners inclusive
    void SetPixel(int x, int y, TColor color);
    TColor Pixel(int x, int y) const; // 0 outside the picture

    static QRgb ToRgb(TColor color);
    static TColor FromRgb(QRgb rgb);

    // The logical pixel that holds the device pixel the pointer reports at a
    // fractional position (that device pixel's corner): the pixel drawn
    // there, where whole logical pixels split a device pixel's neighbours.
    QPoint PixelAt(QPointF position) const;

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    void dblClick();
    // The same presses and moves with the pointer's fractional logical
    // position: on a scaled screen it tells device pixels apart that whole
    // logical pixels do not.
    void pointerDown(Qt::MouseButton button, QPointF position);
    void pointerMove(QPointF position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void PaintOnScreen(const QRegion& region);
    void SetOnScreenPainter(OnScreenPainter onScreen);

    QImage picture_;
    OnScreenPainter onScreen_;
};

// A one-pixel rectangle outline, transparent inside.
class TShape : public QWidget {
public:
    explicit TShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
