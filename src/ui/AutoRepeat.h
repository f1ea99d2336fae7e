#pragma once

#include "ui/UpDown.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// Repeats the step of a held up/down control every 250 ms. The press itself is the first step
// (the control reports it as a click); the repeat stops on release, when the pointer leaves the
// control by more than 1.2 times its size, and whenever the release may never come: the control
// hides, is disabled or loses the focus, its window loses the activation, or a modal box is open.
class AutoRepeat final : public QObject
{
public:
    static constexpr int IntervalMs = 250;

    using Step = std::function<void(int index, UpDown::Direction direction)>;

    explicit AutoRepeat(Step step, QObject* parent = nullptr);

    // Follows the presses, moves and releases of the control UpD_nci(index).
    void attach(UpDown* control, int index);

    bool isRunning() const { return m_timer.isActive(); }
    // The control and direction being repeated while running.
    int heldIndex() const { return m_index; }
    UpDown::Direction direction() const { return m_direction; }
    const QTimer& timer() const { return m_timer; }

    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start(UpDown* control, int index, UpDown::Direction direction);
    void tick();

    Step m_step;
    QTimer m_timer;
    QPointer<UpDown> m_control;
    int m_index = -1;
    UpDown::Direction m_direction = UpDown::Direction::Up;
};
