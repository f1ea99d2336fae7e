#include "lns/device/TransactionTimer.h"

#include <thread>

namespace lnssim {

TransactionTimer::TransactionTimer(int milliseconds)
    : m_end(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds)),
      m_active(milliseconds > 0)
{
}

TransactionTimer::~TransactionTimer()
{
    if (m_active)
        std::this_thread::sleep_until(m_end);
}

} // namespace lnssim
