#pragma once

#include "lns/channel/ChannelBoard.h"
#include "lns/channel/ChannelTiming.h"

namespace lnssim {

// One transaction between the network interface and a device as its channel carries it: the
// request packet, the device's processing (the latency, while the channel is free for other
// packets), then the response packet. Each packet waits for the channel; the caller sleeps
// until the answer has passed. Takes one of the interface's outstanding transactions for its
// life and adds itself to its channel's counters at the end.
class DeviceTransaction final
{
public:
    DeviceTransaction(ChannelBoard& board, const ChannelTiming& timing);
    ~DeviceTransaction();
    DeviceTransaction(const DeviceTransaction&) = delete;
    DeviceTransaction& operator=(const DeviceTransaction&) = delete;

    // Sends the request; the device works on it once it has passed.
    void request(int payloadBytes);
    // Returns when the device's answer has passed.
    void respond(int payloadBytes);
    // The device does not answer: returns when the interface stops waiting for it.
    void timeOut();

private:
    // Books the packet; returns when it ends (0 on a zero-time channel).
    qint64 send(int payloadBytes);

    ChannelBoard& m_board;
    const ChannelTiming m_timing;
    ChannelBoard::InterfaceTurn m_turn;
    qint64 m_answerAt = 0;
    qint64 m_busyNs = 0;
    qint64 m_bytes = 0;
};

} // namespace lnssim
