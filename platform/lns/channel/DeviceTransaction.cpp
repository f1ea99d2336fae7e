#include "lns/channel/DeviceTransaction.h"

namespace lnssim {

namespace {
// Checked before anything is taken, so that counting at the end cannot fail.
const ChannelTiming& onBoard(const ChannelBoard& board, const ChannelTiming& timing)
{
    board.requireSlot(timing.slot);
    return timing;
}
} // namespace

DeviceTransaction::DeviceTransaction(ChannelBoard& board, const ChannelTiming& timing)
    : m_board(board), m_timing(onBoard(board, timing)), m_turn(board.takeInterface())
{
}

DeviceTransaction::~DeviceTransaction()
{
    m_board.count(m_timing.slot, m_busyNs, m_bytes);
}

void DeviceTransaction::request(int payloadBytes)
{
    // The caller does not wait for the request to pass: nothing it does before the answer is
    // due can be seen by anyone, and one sleep less keeps the transaction close to its time.
    const qint64 end = send(payloadBytes);
    if (!m_timing.zeroTime())
        m_answerAt = end + m_timing.latencyNs;
}

void DeviceTransaction::respond(int payloadBytes)
{
    timeOut();
    const qint64 end = send(payloadBytes);
    if (!m_timing.zeroTime())
        ChannelBoard::sleepUntil(end);
}

void DeviceTransaction::timeOut()
{
    if (!m_timing.zeroTime())
        ChannelBoard::sleepUntil(m_answerAt);
}

qint64 DeviceTransaction::send(int payloadBytes)
{
    m_bytes += m_timing.packetBytes(payloadBytes);
    if (m_timing.zeroTime())
        return 0;
    // Booked only when it can go: a booking ahead of time would keep the channel from others.
    const qint64 duration = m_timing.packetNs(payloadBytes);
    m_busyNs += duration;
    return m_board.book(m_timing.slot, duration);
}

} // namespace lnssim
