#pragma once

#include <QElapsedTimer>
#include <functional>
#include <optional>

// The transfer's estimate of the time left: the time the previous device took, times the
// devices not yet finished (the current one included). Measured on a monotonic clock, so
// neither midnight nor a change of the system time disturbs it.
class RemainingTime final
{
public:
    // Milliseconds on a monotonic clock; tests pass their own.
    using Clock = std::function<qint64()>;

    explicit RemainingTime(Clock clock = {});
    RemainingTime(const RemainingTime&) = delete;
    RemainingTime& operator=(const RemainingTime&) = delete;

    // Forgets the previous device start, for a new transfer.
    void reset();
    // A device starts: deviceNumber of deviceCount (counted from 1). Gives the estimate in
    // seconds; none for the first device of a transfer, since nothing has been measured yet.
    std::optional<qint64> deviceStarted(int deviceCount, int deviceNumber);

private:
    Clock m_clock;
    QElapsedTimer m_timer;
    std::optional<qint64> m_previousStart;
};
