#include "host/ui/WidgetWindow.h"

#include <QWidget>

bool WidgetWindow::isVisible() const
{
    return m_widget.isVisible();
}

void WidgetWindow::setVisible(bool visible)
{
    m_widget.setVisible(visible);
    if (visible) {
        m_widget.raise();
        m_widget.activateWindow();
    }
}

QPoint WidgetWindow::position() const
{
    return m_widget.pos();
}

void WidgetWindow::move(const QPoint& position)
{
    m_widget.move(position);
}

QSize WidgetWindow::size() const
{
    return m_widget.size();
}

void WidgetWindow::resize(const QSize& size)
{
    m_widget.resize(size);
}

bool WidgetWindow::isSizable() const
{
    return m_widget.minimumSize() != m_widget.maximumSize();
}

Qt::WindowStates WidgetWindow::state() const
{
    return m_widget.windowState();
}

void WidgetWindow::setState(Qt::WindowStates state)
{
    m_widget.setWindowState(state);
}
