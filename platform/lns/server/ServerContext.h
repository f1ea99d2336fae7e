#pragma once

#include "lns/device/InterfaceCache.h"
#include "lns/monitor/NvPoller.h"

#include <QString>
#include <map>
#include <memory>
#include <set>

class RegistryStore;

namespace lnssim {

class DeviceAccess;
class MonitorTable;
class NetworkDatabase;
class SqliteConnection;

// What the objects of one simulated object server share: the open session (database
// connection, decimal separator, monitoring and its poller) and which networks and systems
// are open. Objects keep it alive, so an object used after its server was closed or
// destroyed fails cleanly with NotOpen.
class ServerContext final
{
public:
    ServerContext(const QString& lonWorksHome, RegistryStore& registry);
    // With a registry store of its own, for a server on a thread of its own.
    ServerContext(const QString& lonWorksHome, std::unique_ptr<RegistryStore> registry);
    ~ServerContext();
    ServerContext(const ServerContext&) = delete;
    ServerContext& operator=(const ServerContext&) = delete;

    // Opens the database and starts polling; the decimal separator is read from the registry.
    void open(NvPoller::Sink sink);
    void close();
    bool isOpen() const { return m_session != nullptr; }

    // Each call needs the server open.
    const QString& decimalSeparator() const;
    SqliteConnection& db() const;
    DeviceAccess& access() const;
    MonitorTable& monitors() const;
    InterfaceCache& interfaces() { return m_interfaces; }

    void requireOpen() const;
    void requireNetworkOpen(qint64 networkId) const;
    void requireSystemOpen(qint64 systemId) const;
    bool isNetworkOpen(qint64 networkId) const;
    bool isSystemOpen(qint64 systemId) const;
    void openNetwork(qint64 networkId);
    void closeNetwork(qint64 networkId);
    void openSystem(qint64 systemId, qint64 networkId);
    void closeSystem(qint64 systemId);

private:
    struct Session;

    QString m_home;
    std::unique_ptr<RegistryStore> m_ownRegistry;
    RegistryStore& m_registry;
    InterfaceCache m_interfaces;
    std::unique_ptr<Session> m_session;
};

} // namespace lnssim
