#include "lns/server/ServerContext.h"

#include "host/RegistryKeys.h"
#include "host/RegistryStore.h"
#include "host/object_server/Error.h"
#include "lns/channel/ChannelBoard.h"
#include "lns/db/NetworkDatabase.h"
#include "lns/db/TopologyStore.h"
#include "lns/device/DeviceAccess.h"
#include "lns/monitor/MonitorTable.h"

namespace lnssim {

// Declared in this order so that the poller stops before the table and the database go.
struct ServerContext::Session
{
    Session(const QString& home, InterfaceCache& interfaces, const QString& separator, NvPoller::Sink sink)
        : database(home), board(home), access(database.connection(), interfaces, board),
          decimalSeparator(separator), poller(home, interfaces, board, monitors, separator, std::move(sink))
    {
    }

    NetworkDatabase database;
    ChannelBoard board;
    DeviceAccess access;
    QString decimalSeparator;
    MonitorTable monitors;
    std::set<qint64> openNetworks;
    std::map<qint64, qint64> openSystems;
    NvPoller poller;
};

ServerContext::ServerContext(const QString& lonWorksHome, RegistryStore& registry)
    : m_home(lonWorksHome), m_registry(registry)
{
}

ServerContext::ServerContext(const QString& lonWorksHome, std::unique_ptr<RegistryStore> registry)
    : m_home(lonWorksHome), m_ownRegistry(std::move(registry)), m_registry(*m_ownRegistry)
{
}

ServerContext::~ServerContext() = default;

void ServerContext::open(NvPoller::Sink sink)
{
    if (m_session)
        return;
    QString separator = m_registry
                            .readValue(RegistryStore::Hive::CurrentUser, registry_keys::InternationalKey,
                                       registry_keys::DecimalValue)
                            .value_or(QString());
    if (separator.isEmpty())
        separator = QStringLiteral(",");
    m_session = std::make_unique<Session>(m_home, m_interfaces, separator, std::move(sink));
}

void ServerContext::close()
{
    m_session.reset();
}

const QString& ServerContext::decimalSeparator() const
{
    requireOpen();
    return m_session->decimalSeparator;
}

SqliteConnection& ServerContext::db() const
{
    requireOpen();
    return m_session->database.connection();
}

DeviceAccess& ServerContext::access() const
{
    requireOpen();
    return m_session->access;
}

MonitorTable& ServerContext::monitors() const
{
    requireOpen();
    return m_session->monitors;
}

void ServerContext::requireOpen() const
{
    if (!m_session)
        throw lns::Error(lns::errors::NotOpen,
                         QStringLiteral("The object server is not open; open it first"));
}

void ServerContext::requireNetworkOpen(qint64 networkId) const
{
    requireOpen();
    if (isNetworkOpen(networkId))
        return;
    const auto network = TopologyStore(db()).network(networkId);
    throw lns::Error(lns::errors::NotOpen, QStringLiteral("The network \"%1\" is not open; open it first")
                                               .arg(network ? network->name : QString()));
}

void ServerContext::requireSystemOpen(qint64 systemId) const
{
    requireOpen();
    if (isSystemOpen(systemId))
        return;
    const auto network = TopologyStore(db()).networkOfSystem(systemId);
    if (!network)
        throw lns::Error(
            lns::errors::NotFound,
            QStringLiteral("The system no longer exists in the network database (it was removed)"));
    requireNetworkOpen(network->id);
    throw lns::Error(
        lns::errors::NotOpen,
        QStringLiteral("The system of network \"%1\" is not open; open it first").arg(network->name));
}

bool ServerContext::isNetworkOpen(qint64 networkId) const
{
    return m_session && m_session->openNetworks.contains(networkId);
}

bool ServerContext::isSystemOpen(qint64 systemId) const
{
    return m_session && m_session->openSystems.contains(systemId);
}

void ServerContext::openNetwork(qint64 networkId)
{
    requireOpen();
    m_session->openNetworks.insert(networkId);
}

void ServerContext::closeNetwork(qint64 networkId)
{
    if (!m_session)
        return;
    for (auto it = m_session->openSystems.begin(); it != m_session->openSystems.end();) {
        if (it->second == networkId) {
            m_session->monitors.removeSystem(it->first);
            it = m_session->openSystems.erase(it);
        } else {
            ++it;
        }
    }
    m_session->openNetworks.erase(networkId);
}

void ServerContext::openSystem(qint64 systemId, qint64 networkId)
{
    requireNetworkOpen(networkId);
    m_session->openSystems[systemId] = networkId;
}

void ServerContext::closeSystem(qint64 systemId)
{
    if (!m_session)
        return;
    m_session->monitors.removeSystem(systemId);
    m_session->openSystems.erase(systemId);
}

} // namespace lnssim
