#pragma once

#include <csignal>

// SIGINT and SIGTERM, while an Interruption lives, only set a flag that the work asks between
// two steps, so that it can end cleanly: the call under way finished, the results written. The
// handler does nothing else. A second signal ends the process at once, as it would without.
class Interruption final
{
public:
    Interruption();
    ~Interruption();
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    bool requested() const;
    // The signal that asked, 0 before one came.
    int signalNumber() const;

private:
    struct sigaction m_previousInterrupt
    {
    };
    struct sigaction m_previousTerminate
    {
    };
};
