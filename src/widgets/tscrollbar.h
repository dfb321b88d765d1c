// A horizontal scroll bar with the two notifications the windows rely on:
// changed() whenever the stored position really changes, by code or by the
// user; scrolled() for each step of the user's own action, before the new
// position is stored, and once more (kEndScroll) when that action ends.
#pragma once

#include <QScrollBar>

class TScrollBar : public QScrollBar {
    Q_OBJECT
public:
    // Action code passed with scrolled() when the user's action ends.
    static constexpr int kEndScroll = 100;

    explicit TScrollBar(QWidget* parent = nullptr);

signals:
    void changed();
    void scrolled(int action);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The bar's own menu ("Scroll here", the edges, a page or a step either
    // way): each choice is a user action like the others, with its scroll
    // notifications.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The position "Scroll here" moves to for a point of the bar: the thumb's start goes there.
    int PositionAt(const QPoint& point) const;

    bool mouseAction_ = false;
};
