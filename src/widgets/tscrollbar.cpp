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

void TScrollBar::keyPressEvent(QKeyEvent* event)
{
    // The desktop convention for a focused bar: Left and Up step back, Right and
    // Down step on, PageUp and PageDown by the large step, Home and End to the
    // ends. Qt's own mapping runs PageUp and Up the other way.
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    // triggerAction raises scrolled() before the new position is stored.
    triggerAction(action);
    event->accept();
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
