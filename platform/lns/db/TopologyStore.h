#pragma once

#include "lns/model/NamedRow.h"
#include "lns/model/SubsystemRow.h"

#include <QString>
#include <optional>

namespace lnssim {

class SqliteConnection;

// Networks with their system, subsystems and network interfaces. Positions count from 1.
class TopologyStore final
{
public:
    explicit TopologyStore(SqliteConnection& db) : m_db(db) {}

    int networkCount();
    std::optional<NamedRow> networkAt(int position);
    std::optional<NamedRow> findNetwork(const QString& name);
    std::optional<NamedRow> network(qint64 id);
    // A network and its one system, named like the network.
    qint64 addNetwork(const QString& name);
    void removeNetwork(qint64 id);
    int transactionTime(qint64 networkId);
    void setTransactionTime(qint64 networkId, int milliseconds);

    int systemCount(qint64 networkId);
    std::optional<NamedRow> systemAt(qint64 networkId, int position);
    std::optional<NamedRow> findSystem(qint64 networkId, const QString& name);
    // The network the system belongs to.
    std::optional<NamedRow> networkOfSystem(qint64 systemId);
    int systemMode(qint64 systemId);
    void setSystemMode(qint64 systemId, int mode);
    enum class SystemOption
    {
        First,
        Second,
        Numeric
    };
    void setSystemOption(qint64 systemId, SystemOption option, qint64 value);

    int subsystemCount(qint64 systemId);
    std::optional<SubsystemRow> subsystemAt(qint64 systemId, int position);
    std::optional<SubsystemRow> findSubsystem(qint64 systemId, const QString& name);
    qint64 addSubsystem(qint64 systemId, const QString& name, const QString& path);
    int deviceSubsystemCount(qint64 deviceId);
    std::optional<SubsystemRow> deviceSubsystemAt(qint64 deviceId, int position);
    std::optional<SubsystemRow> findDeviceSubsystem(qint64 deviceId, const QString& name);

    int interfaceCount();
    std::optional<NamedRow> interfaceAt(int position);
    std::optional<NamedRow> findInterface(const QString& name);
    void ensureInterface(const QString& name);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
