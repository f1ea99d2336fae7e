#pragma once

#include "lns/model/InterfaceDefinition.h"
#include "lns/model/InterfaceOwner.h"
#include "lns/monitor/MonitorPointKey.h"
#include "lns/monitor/MonitorSettings.h"
#include "lns/monitor/PollRequest.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace lnssim {

// The monitoring settings of one object server session, shared by the thread that owns the
// server (which changes settings and delivers events) and the polling worker. A value is
// reported when it differs from the one last reported; any change of settings forgets that
// value, so the next poll is reported again. Nothing is reported for a held NV.
class MonitorTable final
{
public:
    MonitorTable() = default;
    MonitorTable(const MonitorTable&) = delete;
    MonitorTable& operator=(const MonitorTable&) = delete;

    MonitorSettings settings(const MonitorPointKey& key) const;
    void change(const MonitorPointKey& key, const InterfaceOwner& owner,
                std::shared_ptr<const InterfaceDefinition> definition,
                const std::function<void(MonitorSettings&)>& edit);
    void removeSystem(qint64 systemId);

    // Worker side: blocks until a poll is due; nullopt once stop() was called.
    std::optional<PollRequest> waitForDuePoll();
    void stop();
    // True when the polled value is to be reported.
    bool recordValue(const PollRequest& request, const QString& value);
    // True when the failure is to be reported.
    bool recordFailure(const PollRequest& request);

    // Delivery side: true when the event is still wanted (same settings, monitored, not held).
    bool stillWanted(const PollRequest& request);

private:
    struct Point
    {
        MonitorSettings settings;
        InterfaceOwner owner;
        std::shared_ptr<const InterfaceDefinition> definition;
        quint64 generation = 0;
        std::optional<QString> lastValue;
        std::chrono::steady_clock::time_point nextDue;
    };

    static bool isPolled(const Point& point);
    Point* current(const PollRequest& request);

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<MonitorPointKey, Point> m_points;
    bool m_stopping = false;
};

} // namespace lnssim
