#pragma once

#include "lns/monitor/PollResult.h"

#include <QString>
#include <functional>
#include <optional>
#include <thread>

namespace lnssim {

class ChannelBoard;
class InterfaceCache;
class MonitorTable;
class NetworkDatabase;

// The worker thread that polls monitored NVs with its own database connection, so it sees
// values that other processes write. Results go to the sink on the worker thread; the sink
// forwards them to the thread that owns the object server. Stops and joins on destruction.
class NvPoller final
{
public:
    using Sink = std::function<void(const PollResult&)>;

    NvPoller(const QString& lonWorksHome, InterfaceCache& interfaces, ChannelBoard& board,
             MonitorTable& table, const QString& decimalSeparator, Sink sink);
    ~NvPoller();
    NvPoller(const NvPoller&) = delete;
    NvPoller& operator=(const NvPoller&) = delete;

private:
    void run();
    // The formatted value, nullopt when the poll failed.
    std::optional<QString> poll(NetworkDatabase* database, const PollRequest& request);

    QString m_home;
    InterfaceCache& m_interfaces;
    ChannelBoard& m_board;
    MonitorTable& m_table;
    QString m_decimalSeparator;
    Sink m_sink;
    std::thread m_thread;
};

} // namespace lnssim
