#include "Interruption.h"

namespace {

// A signal handler can reach nothing but a static: it sets it, the constructor clears it.
volatile std::sig_atomic_t received = 0;

extern "C" void noteSignal(int number)
{
    received = number;
}

} // namespace

Interruption::Interruption()
{
    received = 0;
    struct sigaction action
    {
    };
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // Calls under way go on (SA_RESTART); the next signal has its default effect (SA_RESETHAND).
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, &m_previousInterrupt);
    sigaction(SIGTERM, &action, &m_previousTerminate);
}

Interruption::~Interruption()
{
    sigaction(SIGINT, &m_previousInterrupt, nullptr);
    sigaction(SIGTERM, &m_previousTerminate, nullptr);
}

bool Interruption::requested() const
{
    return received != 0;
}

int Interruption::signalNumber() const
{
    return received;
}
