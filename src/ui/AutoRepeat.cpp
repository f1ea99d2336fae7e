#include "ui/AutoRepeat.h"

#include <QApplication>
#include <QEvent>

namespace {

// How far beyond its own size the pointer may wander before the repeat stops.
constexpr double LeaveFactor = 1.2;

} // namespace

AutoRepeat::AutoRepeat(Step step, QObject* parent) : QObject(parent), m_step(std::move(step))
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void AutoRepeat::attach(UpDown* control, int index)
{
    connect(control, &UpDown::pressed, this,
            [this, control, index](UpDown::Direction direction) { start(control, index, direction); });
    connect(control, &UpDown::released, this, [this] { stop(); });
    connect(control, &UpDown::pointerMoved, this, [this, control](QPoint position) {
        const double margin = LeaveFactor - 1.0;
        if (position.x() > LeaveFactor * control->width() || position.y() > LeaveFactor * control->height() ||
            position.x() < -margin * control->width() || position.y() < -margin * control->height())
            stop();
    });
    control->installEventFilter(this);
}

void AutoRepeat::start(UpDown* control, int index, UpDown::Direction direction)
{
    m_control = control;
    m_index = index;
    m_direction = direction;
    m_timer.start();
}

void AutoRepeat::stop()
{
    m_timer.stop();
    m_control.clear();
}

void AutoRepeat::tick()
{
    // A modal box may have taken the release; a repeat must never run on under it.
    if (!m_control || QApplication::activeModalWidget() || !m_control->isVisible() ||
        !m_control->isEnabled()) {
        stop();
        return;
    }
    m_step(m_index, m_direction);
}

bool AutoRepeat::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control && m_timer.isActive()) {
        switch (event->type()) {
        case QEvent::Hide:
        case QEvent::FocusOut:
        case QEvent::WindowDeactivate:
            stop();
            break;
        case QEvent::EnabledChange:
            if (!m_control->isEnabled())
                stop();
            break;
        default:
            break;
        }
    }
    return false;
}
