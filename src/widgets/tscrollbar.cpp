#include "widgets/tscrollbar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

TScrollBar::TScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    // Right and PageDown increase, as on every other desktop.
    setInvertedControls(false);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractSlider::valueChanged, this, &TScrollBar::changed);
    connect(this, &QAbstractSlider::actionTriggered, this, &TScrollBar::scrolled);
}

void TScrollBar::mousePressEvent(QMouseEvent* event)
{
    mouseAction_ = true;
    QScrollBar::mousePressEvent(event);
}

void TScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    QScrollBar::mouseReleaseEvent(event);
    if (mouseAction_ && event->buttons() == Qt::NoButton) {
        mouseAction_ = false;
        emit scrolled(kEndScroll);
    }
}

void TScrollBar::keyReleaseEvent(QKeyEvent* event)
{
    QScrollBar::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        emit scrolled(kEndScroll);
        break;
    default:
        break;
    }
}

void TScrollBar::wheelEvent(QWheelEvent* event)
{
    QScrollBar::wheelEvent(event);
    if (event->isAccepted())
        emit scrolled(kEndScroll);
}
