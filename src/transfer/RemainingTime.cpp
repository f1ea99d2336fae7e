#include "transfer/RemainingTime.h"

#include <algorithm>
#include <cstdlib>

RemainingTime::RemainingTime(Clock clock) : m_clock(std::move(clock))
{
    if (!m_clock) {
        m_timer.start();
        m_clock = [this] { return m_timer.elapsed(); };
    }
}

void RemainingTime::reset()
{
    m_previousStart.reset();
}

std::optional<qint64> RemainingTime::deviceStarted(int deviceCount, int deviceNumber)
{
    const qint64 now = m_clock();
    const std::optional<qint64> previous = m_previousStart;
    m_previousStart = now;
    if (!previous)
        return std::nullopt;
    // Whole seconds, rounded; two starts within the same second still count as one second.
    const qint64 seconds = std::max<qint64>(1, (now - *previous + 500) / 1000);
    const qint64 devicesLeft = static_cast<qint64>(deviceCount) + 1 - deviceNumber;
    return std::llabs(devicesLeft * seconds);
}
