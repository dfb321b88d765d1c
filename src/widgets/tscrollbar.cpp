#include "widgets/tscrollbar.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionSlider>
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

int TScrollBar::PositionAt(const QPoint& point) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    const int length = horizontal ? thumb.width() : thumb.height();
    const int start = horizontal ? groove.x() : groove.y();
    const int end = (horizontal ? groove.right() : groove.bottom()) - length + 1;
    bool upsideDown = option.upsideDown;
    if (horizontal && layoutDirection() == Qt::RightToLeft)
        upsideDown = !upsideDown;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), (horizontal ? point.x() : point.y()) - start,
                                           end - start, upsideDown);
}

void TScrollBar::contextMenuEvent(QContextMenuEvent* event)
{
    // Qt's own captions, so that its translation applies.
    auto caption = [](const char* text) { return QCoreApplication::translate("QScrollBar", text); };
    const bool horizontal = orientation() == Qt::Horizontal;
    QPointer<QMenu> menu = new QMenu(this);
    QAction* here = menu->addAction(caption("Scroll here"));
    menu->addSeparator();
    QAction* toStart = menu->addAction(caption(horizontal ? "Left edge" : "Top"));
    QAction* toEnd = menu->addAction(caption(horizontal ? "Right edge" : "Bottom"));
    menu->addSeparator();
    QAction* pageBack = menu->addAction(caption(horizontal ? "Page left" : "Page up"));
    QAction* pageOn = menu->addAction(caption(horizontal ? "Page right" : "Page down"));
    menu->addSeparator();
    QAction* stepBack = menu->addAction(caption(horizontal ? "Scroll left" : "Scroll up"));
    QAction* stepOn = menu->addAction(caption(horizontal ? "Scroll right" : "Scroll down"));
    const QPoint at = event->pos();
    QAction* chosen = menu->exec(event->globalPos());
    delete menu;
    event->accept();
    if (chosen == nullptr)
        return;
    // Each choice raises scrolled() before the new position is stored (the
    // thumb's move of "Scroll here" as a drag step), then once more as the end.
    if (chosen == here) {
        const int target = PositionAt(at);
        if (target == sliderPosition())
            triggerAction(SliderMove); // no move, but the action is still announced
        else
            setSliderPosition(target);
    } else if (chosen == toStart)
        triggerAction(SliderToMinimum);
    else if (chosen == toEnd)
        triggerAction(SliderToMaximum);
    else if (chosen == pageBack)
        triggerAction(SliderPageStepSub);
    else if (chosen == pageOn)
        triggerAction(SliderPageStepAdd);
    else if (chosen == stepBack)
        triggerAction(SliderSingleStepSub);
    else if (chosen == stepOn)
        triggerAction(SliderSingleStepAdd);
    emit scrolled(kEndScroll);
}
