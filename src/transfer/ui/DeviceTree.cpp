#include "transfer/ui/DeviceTree.h"

#include <QKeyEvent>

void DeviceTree::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    emit mouseReleased();
}

void DeviceTree::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    QTreeWidget::keyPressEvent(event);
    // The keys that toggle a check box.
    if (key == Qt::Key_Space || key == Qt::Key_Select)
        emit checkKeyHandled();
}
