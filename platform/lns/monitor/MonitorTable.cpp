#include "lns/monitor/MonitorTable.h"

#include <atomic>

namespace lnssim {

namespace {
// Generations never repeat, not even across sessions, so a late report from a closed session
// never matches a point of a new one.
std::atomic<quint64> nextGeneration{1};

// A client configures a point with several calls in a row; polling starts once they settled.
constexpr auto SettleTime = std::chrono::milliseconds(50);
} // namespace

MonitorSettings MonitorTable::settings(const MonitorPointKey& key) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_points.find(key);
    return found == m_points.end() ? MonitorSettings{} : found->second.settings;
}

void MonitorTable::change(const MonitorPointKey& key, const InterfaceOwner& owner,
                          std::shared_ptr<const InterfaceDefinition> definition,
                          const std::function<void(MonitorSettings&)>& edit)
{
    {
        std::lock_guard lock(m_mutex);
        Point& point = m_points[key];
        edit(point.settings);
        point.owner = owner;
        point.definition = std::move(definition);
        point.generation = nextGeneration++;
        point.lastValue.reset();
        point.nextDue = std::chrono::steady_clock::now() + SettleTime;
    }
    m_changed.notify_all();
}

void MonitorTable::removeSystem(qint64 systemId)
{
    std::lock_guard lock(m_mutex);
    std::erase_if(m_points,
                  [systemId](const auto& entry) { return entry.second.owner.systemId == systemId; });
}

std::optional<PollRequest> MonitorTable::waitForDuePoll()
{
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        auto earliest = m_points.end();
        for (auto it = m_points.begin(); it != m_points.end(); ++it) {
            if (isPolled(it->second) &&
                (earliest == m_points.end() || it->second.nextDue < earliest->second.nextDue))
                earliest = it;
        }
        if (earliest == m_points.end()) {
            m_changed.wait(lock);
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (earliest->second.nextDue > now) {
            // A copy: the point may be removed while the lock is released for the wait, and
            // the wait reads its deadline again when it wakes.
            const auto due = earliest->second.nextDue;
            m_changed.wait_until(lock, due);
            continue;
        }
        Point& point = earliest->second;
        point.nextDue = now + std::chrono::milliseconds(100) * point.settings.pollInterval;
        return PollRequest{earliest->first, point.owner, point.generation, point.settings.tag,
                           point.definition};
    }
    return std::nullopt;
}

void MonitorTable::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
}

bool MonitorTable::recordValue(const PollRequest& request, const QString& value)
{
    std::lock_guard lock(m_mutex);
    Point* point = current(request);
    if (!point || point->lastValue == value)
        return false;
    point->lastValue = value;
    return true;
}

bool MonitorTable::recordFailure(const PollRequest& request)
{
    std::lock_guard lock(m_mutex);
    Point* point = current(request);
    if (!point)
        return false;
    // After a failure the next good value is news again.
    point->lastValue.reset();
    return true;
}

bool MonitorTable::stillWanted(const PollRequest& request)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_points.find(request.key);
    if (found == m_points.end())
        return false;
    if (found->second.generation == request.generation && isPolled(found->second))
        return true;
    // The report is dropped, so the value it carried must be reported again later.
    found->second.lastValue.reset();
    return false;
}

bool MonitorTable::isPolled(const Point& point)
{
    return point.settings.enabled && !point.settings.hold && point.settings.pollInterval > 0;
}

MonitorTable::Point* MonitorTable::current(const PollRequest& request)
{
    const auto found = m_points.find(request.key);
    if (found == m_points.end() || found->second.generation != request.generation || !isPolled(found->second))
        return nullptr;
    return &found->second;
}

} // namespace lnssim
