// The frozen screen on a Wayland session with several outputs, for a native
// Wayland client: beside the snapshot window on the output where picking
// began, one full-screen window covers each other output and shows that
// output's part of the picture.
#pragma once

#include "core/pickmap.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

// Makes every change the compositor asks of the widget's native window (an
// expose, a size, a state, an output) end in a new frame.
void CommitFrameForEveryConfigure(QWidget* window);

class TOutputSnapshot : public QWidget {
    Q_OBJECT
public:
    explicit TOutputSnapshot(QWidget* parent = nullptr);

    // Shows `part` of `picture` (shared, not copied) over the whole window;
    // `offset` is the output's corner from the top left corner of the box
    // around every output, in logical pixels.
    void SetPart(const QImage& picture, const PictureRect& part, QPoint offset);
    // Lets the picture go.
    void Clear();
    // Gives the hidden window's native window and buffers back.
    void DropNativeWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF OnDesktop(const QMouseEvent* event) const;

    QImage picture_;
    PictureRect part_;
    QPoint offset_;
};
