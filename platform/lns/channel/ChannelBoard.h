#pragma once

#include "lns/channel/ChannelCounters.h"

#include <QString>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace lnssim {

// The channels' state shared by every process that uses a network database: a small file
// beside it (lns/networks.channels) that each process maps. Per channel slot it holds the
// CLOCK_MONOTONIC time at which the last packet booked on the channel ends, and what the
// channel has carried. A sender books its packet with one compare-and-swap and sleeps until
// the packet has passed, so a channel carries one packet at a time across processes while
// different channels run at once. Nothing in it is ever held: a process that ends, however
// it ends, leaves at most a booking that runs out by itself.
//
// The file also bounds the outstanding transactions of the network interface: each holds one
// of InterfaceBound byte locks on it (open file description locks, which the kernel releases
// with the process). Sixteen is what the 4-bit transaction number of ISO/IEC 14908-1 lets a
// sender keep apart at once.
class ChannelBoard final
{
public:
    static constexpr int Slots = 4096;
    static constexpr int InterfaceBound = 16;

    // One outstanding transaction of the network interface, taken until it is destroyed.
    class InterfaceTurn final
    {
    public:
        InterfaceTurn(ChannelBoard& board, int descriptor, int byte);
        ~InterfaceTurn();
        InterfaceTurn(const InterfaceTurn&) = delete;
        InterfaceTurn& operator=(const InterfaceTurn&) = delete;

    private:
        ChannelBoard& m_board;
        int m_descriptor;
        int m_lockByte;
    };

    // Opens the file of the LonWorks home, creating it when missing.
    explicit ChannelBoard(const QString& lonWorksHome);
    ~ChannelBoard();
    ChannelBoard(const ChannelBoard&) = delete;
    ChannelBoard& operator=(const ChannelBoard&) = delete;

    static QString filePath(const QString& lonWorksHome);
    // CLOCK_MONOTONIC in nanoseconds, the same in every process.
    static qint64 now();
    static void sleepUntil(qint64 monotonicNs);

    // Throws lns::Error (Database) for a slot outside the board.
    void requireSlot(int slot) const;
    // Books the channel for a packet of durationNs from now or from the end of the packets
    // booked before it; returns when the packet will end.
    qint64 book(int slot, qint64 durationNs);
    // Adds one transaction that occupied the channel for busyNs with so many bytes.
    void count(int slot, qint64 busyNs, qint64 bytes);
    ChannelCounters counters(int slot) const;
    // A new channel in a slot that an old one had starts from zero.
    void clear(int slot);

    // Waits while the interface has InterfaceBound transactions outstanding.
    InterfaceTurn takeInterface();

private:
    struct Record;

    // The record of a slot known to be on the board.
    Record& record(int slot) const;
    [[noreturn]] void fail(const QString& what, int error) const;
    // A descriptor of this process that holds no lock; each lock needs its own open file
    // description, or the threads of one process would share their locks.
    int idleDescriptor();
    // byte -1: the descriptor holds no lock.
    void release(int descriptor, int byte);

    QString m_path;
    int m_descriptor = -1;
    void* m_map = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_released;
    std::vector<int> m_idle;
    int m_opened = 0;
    unsigned m_nextByte = 0;
};

} // namespace lnssim
