#pragma once

#include <QTreeWidget>

// The tree of the device selection window. It tells when the user has finished a click or a
// key toggle on it, after the tree has handled it, so that the window can put back what the
// user may not change.
class DeviceTree final : public QTreeWidget
{
    Q_OBJECT

public:
    using QTreeWidget::QTreeWidget;

signals:
    void mouseReleased();
    void checkKeyHandled();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
