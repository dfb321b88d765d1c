#include "widgets/tcombobox.h"

#include <QAbstractItemView>
#include <QScreen>

#include <algorithm>

void TComboBox::showPopup()
{
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup == window() || !popup->isVisible() || count() == 0)
        return;
    // The list's frame and margins stay; the rows are cut to the visible count.
    const int rows = std::min(count(), maxVisibleItems());
    const int height = popup->height() - view()->viewport()->height() + rows * view()->sizeHintForRow(0);
    if (popup->height() <= height)
        return;
    QRect place(popup->x(), mapToGlobal(QPoint(0, this->height())).y(), popup->width(), height);
    // Above the box where the screen ends below it.
    const QRect screenArea = screen()->availableGeometry();
    if (place.bottom() > screenArea.bottom())
        place.moveBottom(mapToGlobal(QPoint(0, 0)).y() - 1);
    popup->setGeometry(place);
    view()->scrollTo(view()->currentIndex(), QAbstractItemView::PositionAtCenter);
}
