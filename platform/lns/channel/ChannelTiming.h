#pragma once

#include "lns/channel/ChannelType.h"

#include <QtGlobal>

namespace lnssim {

// How long a packet takes on a channel and how long a device takes to answer. A packet is
// its payload plus the channel's header bytes and line framing at the channel's bit rate; the
// latency (network interface and device processing) passes between a request and its
// response, while the channel is free for other packets. A zero-time channel (bitNs 0)
// takes no time at all but still counts what it carries.
struct ChannelTiming
{
    // The channel's slot on the channel board.
    int slot = -1;
    qint64 bitNs = 0;
    int headerBytes = 0;
    int framingBits = 0;
    qint64 latencyNs = 0;

    constexpr bool zeroTime() const { return bitNs == 0; }
    constexpr int packetBytes(int payloadBytes) const { return headerBytes + payloadBytes; }
    constexpr qint64 packetNs(int payloadBytes) const
    {
        return bitNs * (framingBits + 8 * packetBytes(payloadBytes));
    }

    // The timing of a channel of the type in a network with the given transaction time: 0 is
    // a zero-time channel; otherwise the latency is chosen so that an average NV read or CP
    // write on TP/FT-10 lasts that many milliseconds (11 is the calibrated model).
    static ChannelTiming of(ChannelType type, int transactionMs, int slot);
    // That latency; 0 when the packets alone take longer.
    static qint64 latencyFor(int transactionMs);
};

} // namespace lnssim
