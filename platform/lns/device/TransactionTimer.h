#pragma once

#include <chrono>

namespace lnssim {

// The channel timing model: a device transaction lasts the network's transaction time in
// all, however long the work inside took. Sleeps on the calling thread when it ends.
class TransactionTimer final
{
public:
    explicit TransactionTimer(int milliseconds);
    ~TransactionTimer();
    TransactionTimer(const TransactionTimer&) = delete;
    TransactionTimer& operator=(const TransactionTimer&) = delete;

private:
    std::chrono::steady_clock::time_point m_end;
    bool m_active;
};

} // namespace lnssim
