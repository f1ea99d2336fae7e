#pragma once

#include <QtGlobal>

namespace lnssim {

// What a channel has carried: transactions, the time its packets occupied it (the bytes at
// its bit rate) and the bytes themselves.
struct ChannelCounters
{
    qint64 transactions = 0;
    qint64 busyNs = 0;
    qint64 bytes = 0;
};

} // namespace lnssim
