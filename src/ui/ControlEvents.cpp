#include "ui/ControlEvents.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

ControlEvents::ControlEvents(QObject* parent) : QObject(parent) {}

void ControlEvents::attach(QWidget* control, Handlers handlers)
{
    m_handlers[control] = std::move(handlers);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] { m_handlers.erase(control); });
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = m_handlers.find(watched);
    if (found == m_handlers.end())
        return false;
    const Handlers& handlers = found->second;
    switch (event->type()) {
    case QEvent::KeyPress:
        return handlers.keyPress && handlers.keyPress(*static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        if (handlers.keyUp && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            handlers.keyUp();
        break;
    case QEvent::FocusIn:
        if (handlers.gotFocus)
            handlers.gotFocus();
        break;
    case QEvent::FocusOut:
        if (handlers.lostFocus)
            handlers.lostFocus();
        break;
    default:
        break;
    }
    return false;
}
