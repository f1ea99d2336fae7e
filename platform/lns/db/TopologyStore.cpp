#include "lns/db/TopologyStore.h"

#include "lns/db/SqliteConnection.h"
#include "lns/db/SqliteQuery.h"
#include "lns/db/SqliteTransaction.h"

namespace lnssim {

namespace {

int scalar(SqliteConnection& db, const char* sql, qint64 key)
{
    SqliteQuery query(db, sql);
    query.bind(1, key);
    query.next();
    return static_cast<int>(query.integer(0));
}

std::optional<NamedRow> namedRow(SqliteQuery& query)
{
    if (!query.next())
        return std::nullopt;
    return NamedRow{query.integer(0), query.text(1)};
}

std::optional<SubsystemRow> subsystemRow(SqliteQuery& query)
{
    if (!query.next())
        return std::nullopt;
    return SubsystemRow{query.integer(0), query.integer(1), query.text(2), query.text(3)};
}

} // namespace

int TopologyStore::networkCount()
{
    SqliteQuery query(m_db, "SELECT COUNT(*) FROM networks");
    query.next();
    return static_cast<int>(query.integer(0));
}

std::optional<NamedRow> TopologyStore::networkAt(int position)
{
    SqliteQuery query(m_db, "SELECT id, name FROM networks ORDER BY id LIMIT 1 OFFSET ?");
    query.bind(1, position - 1);
    return position < 1 ? std::nullopt : namedRow(query);
}

std::optional<NamedRow> TopologyStore::findNetwork(const QString& name)
{
    SqliteQuery query(m_db, "SELECT id, name FROM networks WHERE name = ?");
    query.bind(1, name);
    return namedRow(query);
}

std::optional<NamedRow> TopologyStore::network(qint64 id)
{
    SqliteQuery query(m_db, "SELECT id, name FROM networks WHERE id = ?");
    query.bind(1, id);
    return namedRow(query);
}

qint64 TopologyStore::addNetwork(const QString& name)
{
    SqliteTransaction transaction(m_db);
    SqliteQuery(m_db, "INSERT INTO networks(name) VALUES(?)").bind(1, name).run();
    const qint64 networkId = m_db.lastInsertId();
    SqliteQuery(m_db, "INSERT INTO systems(network_id, name) VALUES(?, ?)")
        .bind(1, networkId)
        .bind(2, name)
        .run();
    transaction.commit();
    return networkId;
}

void TopologyStore::removeNetwork(qint64 id)
{
    SqliteQuery(m_db, "DELETE FROM networks WHERE id = ?").bind(1, id).run();
}

int TopologyStore::transactionTime(qint64 networkId)
{
    return scalar(m_db, "SELECT transaction_ms FROM networks WHERE id = ?", networkId);
}

void TopologyStore::setTransactionTime(qint64 networkId, int milliseconds)
{
    SqliteQuery(m_db, "UPDATE networks SET transaction_ms = ? WHERE id = ?")
        .bind(1, milliseconds)
        .bind(2, networkId)
        .run();
}

int TopologyStore::systemCount(qint64 networkId)
{
    return scalar(m_db, "SELECT COUNT(*) FROM systems WHERE network_id = ?", networkId);
}

std::optional<NamedRow> TopologyStore::systemAt(qint64 networkId, int position)
{
    SqliteQuery query(m_db, "SELECT id, name FROM systems WHERE network_id = ? ORDER BY id LIMIT 1 OFFSET ?");
    query.bind(1, networkId).bind(2, position - 1);
    return position < 1 ? std::nullopt : namedRow(query);
}

std::optional<NamedRow> TopologyStore::findSystem(qint64 networkId, const QString& name)
{
    SqliteQuery query(m_db, "SELECT id, name FROM systems WHERE network_id = ? AND name = ? COLLATE NOCASE");
    query.bind(1, networkId).bind(2, name);
    return namedRow(query);
}

std::optional<NamedRow> TopologyStore::networkOfSystem(qint64 systemId)
{
    SqliteQuery query(
        m_db, "SELECT n.id, n.name FROM networks n JOIN systems s ON s.network_id = n.id WHERE s.id = ?");
    query.bind(1, systemId);
    return namedRow(query);
}

int TopologyStore::systemMode(qint64 systemId)
{
    return scalar(m_db, "SELECT mode FROM systems WHERE id = ?", systemId);
}

void TopologyStore::setSystemMode(qint64 systemId, int mode)
{
    SqliteQuery(m_db, "UPDATE systems SET mode = ? WHERE id = ?").bind(1, mode).bind(2, systemId).run();
}

void TopologyStore::setSystemOption(qint64 systemId, SystemOption option, qint64 value)
{
    const char* sql = option == SystemOption::First    ? "UPDATE systems SET option1 = ? WHERE id = ?"
                      : option == SystemOption::Second ? "UPDATE systems SET option2 = ? WHERE id = ?"
                                                       : "UPDATE systems SET numeric_option = ? WHERE id = ?";
    SqliteQuery(m_db, sql).bind(1, value).bind(2, systemId).run();
}

int TopologyStore::subsystemCount(qint64 systemId)
{
    return scalar(m_db, "SELECT COUNT(*) FROM subsystems WHERE system_id = ?", systemId);
}

std::optional<SubsystemRow> TopologyStore::subsystemAt(qint64 systemId, int position)
{
    SqliteQuery query(m_db, "SELECT id, system_id, name, path FROM subsystems WHERE system_id = ? "
                            "ORDER BY id LIMIT 1 OFFSET ?");
    query.bind(1, systemId).bind(2, position - 1);
    return position < 1 ? std::nullopt : subsystemRow(query);
}

std::optional<SubsystemRow> TopologyStore::findSubsystem(qint64 systemId, const QString& name)
{
    SqliteQuery query(m_db,
                      "SELECT id, system_id, name, path FROM subsystems WHERE system_id = ? AND name = ?");
    query.bind(1, systemId).bind(2, name);
    return subsystemRow(query);
}

qint64 TopologyStore::addSubsystem(qint64 systemId, const QString& name, const QString& path)
{
    SqliteQuery(m_db, "INSERT INTO subsystems(system_id, name, path) VALUES(?, ?, ?)")
        .bind(1, systemId)
        .bind(2, name)
        .bind(3, path)
        .run();
    return m_db.lastInsertId();
}

int TopologyStore::deviceSubsystemCount(qint64 deviceId)
{
    return scalar(m_db, "SELECT COUNT(*) FROM device_subsystems WHERE device_id = ?", deviceId);
}

std::optional<SubsystemRow> TopologyStore::deviceSubsystemAt(qint64 deviceId, int position)
{
    SqliteQuery query(m_db, "SELECT s.id, s.system_id, s.name, s.path FROM subsystems s "
                            "JOIN device_subsystems ds ON ds.subsystem_id = s.id WHERE ds.device_id = ? "
                            "ORDER BY s.id LIMIT 1 OFFSET ?");
    query.bind(1, deviceId).bind(2, position - 1);
    return position < 1 ? std::nullopt : subsystemRow(query);
}

std::optional<SubsystemRow> TopologyStore::findDeviceSubsystem(qint64 deviceId, const QString& name)
{
    SqliteQuery query(m_db, "SELECT s.id, s.system_id, s.name, s.path FROM subsystems s "
                            "JOIN device_subsystems ds ON ds.subsystem_id = s.id "
                            "WHERE ds.device_id = ? AND s.name = ?");
    query.bind(1, deviceId).bind(2, name);
    return subsystemRow(query);
}

int TopologyStore::interfaceCount()
{
    SqliteQuery query(m_db, "SELECT COUNT(*) FROM network_interfaces");
    query.next();
    return static_cast<int>(query.integer(0));
}

std::optional<NamedRow> TopologyStore::interfaceAt(int position)
{
    SqliteQuery query(m_db, "SELECT id, name FROM network_interfaces ORDER BY id LIMIT 1 OFFSET ?");
    query.bind(1, position - 1);
    return position < 1 ? std::nullopt : namedRow(query);
}

std::optional<NamedRow> TopologyStore::findInterface(const QString& name)
{
    SqliteQuery query(m_db, "SELECT id, name FROM network_interfaces WHERE name = ?");
    query.bind(1, name);
    return namedRow(query);
}

void TopologyStore::ensureInterface(const QString& name)
{
    SqliteQuery(m_db, "INSERT OR IGNORE INTO network_interfaces(name) VALUES(?)").bind(1, name).run();
}

} // namespace lnssim
