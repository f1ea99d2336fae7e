#pragma once

#include "host/TopLevelWindow.h"

class QWidget;

// A top-level widget as the director's window.
class WidgetWindow final : public TopLevelWindow
{
public:
    explicit WidgetWindow(QWidget& widget) : m_widget(widget) {}

    bool isVisible() const override;
    void setVisible(bool visible) override;
    QPoint position() const override;
    void move(const QPoint& position) override;
    QSize size() const override;
    void resize(const QSize& size) override;
    bool isSizable() const override;
    Qt::WindowStates state() const override;
    void setState(Qt::WindowStates state) override;

private:
    QWidget& m_widget;
};
