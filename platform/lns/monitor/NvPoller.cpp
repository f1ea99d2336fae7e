#include "lns/monitor/NvPoller.h"

#include "host/object_server/Error.h"
#include "lns/db/NetworkDatabase.h"
#include "lns/device/DeviceAccess.h"
#include "lns/monitor/MonitorTable.h"

#include <memory>

namespace lnssim {

namespace {
// A database that cannot be opened turns every poll into a failure report.
std::unique_ptr<NetworkDatabase> openDatabase(const QString& lonWorksHome)
{
    try {
        return std::make_unique<NetworkDatabase>(lonWorksHome);
    } catch (const lns::Error&) {
        return nullptr;
    }
}
} // namespace

NvPoller::NvPoller(const QString& lonWorksHome, InterfaceCache& interfaces, ChannelBoard& board,
                   MonitorTable& table, const QString& decimalSeparator, Sink sink)
    : m_home(lonWorksHome), m_interfaces(interfaces), m_board(board), m_table(table),
      m_decimalSeparator(decimalSeparator), m_sink(std::move(sink)), m_thread([this] { run(); })
{
}

NvPoller::~NvPoller()
{
    m_table.stop();
    m_thread.join();
}

void NvPoller::run()
{
    const std::unique_ptr<NetworkDatabase> database = openDatabase(m_home);
    while (const auto request = m_table.waitForDuePoll()) {
        PollResult result{*request, false, QString()};
        if (const auto value = poll(database.get(), *request)) {
            result.ok = true;
            result.value = *value;
        }
        if (result.ok ? m_table.recordValue(*request, result.value) : m_table.recordFailure(*request))
            m_sink(result);
    }
}

std::optional<QString> NvPoller::poll(NetworkDatabase* database, const PollRequest& request)
{
    const NvDefinition* nv = request.definition->findNv(request.key.nvIndex);
    if (!database || !nv)
        return std::nullopt;
    try {
        DeviceAccess access(database->connection(), m_interfaces, m_board);
        const QString stored = access.readNv(request.key.deviceId, *nv, DeviceOperation::Poll);
        return value_codec::format(nv->type, stored, m_decimalSeparator);
    } catch (const lns::Error&) {
        return std::nullopt;
    }
}

} // namespace lnssim
