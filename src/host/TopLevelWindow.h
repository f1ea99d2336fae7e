#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>

// The main window as a director sees it: visibility, position, size and state. Lets the
// automation code run without the widget library.
class TopLevelWindow
{
public:
    virtual ~TopLevelWindow() = default;

    virtual bool isVisible() const = 0;
    // Shows the window raised and active, or hides it.
    virtual void setVisible(bool visible) = 0;
    virtual QPoint position() const = 0;
    virtual void move(const QPoint& position) = 0;
    virtual QSize size() const = 0;
    virtual void resize(const QSize& size) = 0;
    // A window of fixed size cannot be sized.
    virtual bool isSizable() const = 0;
    virtual Qt::WindowStates state() const = 0;
    virtual void setState(Qt::WindowStates state) = 0;

protected:
    TopLevelWindow() = default;
    TopLevelWindow(const TopLevelWindow&) = default;
    TopLevelWindow& operator=(const TopLevelWindow&) = default;
};
