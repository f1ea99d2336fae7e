#include "lns/db/DeviceStore.h"

#include "lns/db/SqliteConnection.h"
#include "lns/db/SqliteQuery.h"
#include "lns/db/SqliteTransaction.h"

namespace lnssim {

namespace {

// Neuron IDs are unique in the database because they follow from the row id.
constexpr qint64 NeuronIdBase = 0x04A100000000;

int scalar(SqliteConnection& db, const char* sql, qint64 key)
{
    SqliteQuery query(db, sql);
    query.bind(1, key);
    query.next();
    return static_cast<int>(query.integer(0));
}

std::optional<qint64> firstId(SqliteQuery& query)
{
    if (!query.next() || query.isNull(0))
        return std::nullopt;
    return query.integer(0);
}

} // namespace

std::optional<DeviceRecord> DeviceStore::record(qint64 deviceId)
{
    SqliteQuery query(m_db,
                      "SELECT d.id, d.system_id, d.template_id, t.revision, d.name, d.neuron_id, "
                      "t.program_id, d.state, d.commissioned, d.test_flag, d.unreachable, d.failure_rate, "
                      "EXISTS(SELECT 1 FROM faults f WHERE f.device_id = d.id AND f.remaining > 0), "
                      "n.transaction_ms, COALESCE(c.slot, -1), COALESCE(c.type, 0), COALESCE(c.name, '') "
                      "FROM devices d JOIN templates t ON t.id = d.template_id "
                      "JOIN systems s ON s.id = d.system_id JOIN networks n ON n.id = s.network_id "
                      "LEFT JOIN channels c ON c.id = d.channel_id WHERE d.id = ?");
    query.bind(1, deviceId);
    if (!query.next())
        return std::nullopt;
    DeviceRecord record;
    record.id = query.integer(0);
    record.systemId = query.integer(1);
    record.templateId = query.integer(2);
    record.interfaceRevision = query.integer(3);
    record.name = query.text(4);
    record.neuronId = query.text(5);
    record.programId = query.text(6);
    record.state = static_cast<int>(query.integer(7));
    record.commissioned = query.integer(8) != 0;
    record.testFlag = query.integer(9) != 0;
    record.unreachable = query.integer(10) != 0;
    record.failureRate = query.real(11);
    record.pendingFaults = query.integer(12) != 0;
    record.transactionMs = static_cast<int>(query.integer(13));
    record.channelSlot = static_cast<int>(query.integer(14));
    record.channelName = query.text(16);
    record.channelType = channel_type::fromNumber(query.integer(15)).value_or(ChannelType::TpFt10);
    return record;
}

int DeviceStore::countInSubsystem(qint64 subsystemId)
{
    return scalar(m_db, "SELECT COUNT(*) FROM device_subsystems WHERE subsystem_id = ?", subsystemId);
}

std::optional<qint64> DeviceStore::inSubsystemAt(qint64 subsystemId, int position)
{
    if (position < 1)
        return std::nullopt;
    SqliteQuery query(m_db, "SELECT device_id FROM device_subsystems WHERE subsystem_id = ? "
                            "ORDER BY device_id LIMIT 1 OFFSET ?");
    query.bind(1, subsystemId).bind(2, position - 1);
    return firstId(query);
}

std::optional<qint64> DeviceStore::findInSubsystem(qint64 subsystemId, const QString& name)
{
    // Found by name first, so the look-up does not walk a large subsystem.
    SqliteQuery query(m_db, "SELECT MIN(d.id) FROM devices d INDEXED BY devices_by_name WHERE d.name = ? AND "
                            "EXISTS(SELECT 1 FROM "
                            "device_subsystems ds WHERE ds.subsystem_id = ? AND ds.device_id = d.id)");
    query.bind(1, name).bind(2, subsystemId);
    return firstId(query);
}

int DeviceStore::countOfTemplate(qint64 templateId)
{
    return scalar(m_db, "SELECT COUNT(*) FROM devices WHERE template_id = ?", templateId);
}

std::optional<qint64> DeviceStore::ofTemplateAt(qint64 templateId, int position)
{
    if (position < 1)
        return std::nullopt;
    SqliteQuery query(m_db, "SELECT id FROM devices WHERE template_id = ? ORDER BY id LIMIT 1 OFFSET ?");
    query.bind(1, templateId).bind(2, position - 1);
    return firstId(query);
}

std::optional<qint64> DeviceStore::ofTemplateAfter(qint64 templateId, qint64 deviceId)
{
    SqliteQuery query(m_db, "SELECT id FROM devices WHERE template_id = ? AND id > ? ORDER BY id LIMIT 1");
    query.bind(1, templateId).bind(2, deviceId);
    return firstId(query);
}

std::optional<qint64> DeviceStore::findOfTemplate(qint64 templateId, const QString& name)
{
    SqliteQuery query(
        m_db, "SELECT MIN(id) FROM devices INDEXED BY devices_by_name WHERE name = ? AND template_id = ?");
    query.bind(1, name).bind(2, templateId);
    return firstId(query);
}

qint64 DeviceStore::add(qint64 systemId, qint64 subsystemId, qint64 templateId, qint64 channelId,
                        const QString& name, int state, bool commissioned)
{
    SqliteTransaction transaction(m_db);
    SqliteQuery(m_db, "INSERT INTO devices(system_id, template_id, channel_id, name, state, commissioned) "
                      "VALUES(?, ?, ?, ?, ?, ?)")
        .bind(1, systemId)
        .bind(2, templateId)
        .bind(3, channelId)
        .bind(4, name)
        .bind(5, state)
        .bind(6, commissioned ? 1 : 0)
        .run();
    const qint64 deviceId = m_db.lastInsertId();
    const QString neuronId =
        QStringLiteral("%1").arg(NeuronIdBase + deviceId, 12, 16, QLatin1Char('0')).toUpper();
    SqliteQuery(m_db, "UPDATE devices SET neuron_id = ? WHERE id = ?")
        .bind(1, neuronId)
        .bind(2, deviceId)
        .run();
    SqliteQuery(m_db, "INSERT INTO device_subsystems(subsystem_id, device_id) VALUES(?, ?)")
        .bind(1, subsystemId)
        .bind(2, deviceId)
        .run();
    transaction.commit();
    return deviceId;
}

void DeviceStore::remove(qint64 deviceId)
{
    SqliteQuery(m_db, "DELETE FROM devices WHERE id = ?").bind(1, deviceId).run();
}

void DeviceStore::setState(qint64 deviceId, int state)
{
    SqliteQuery(m_db, "UPDATE devices SET state = ? WHERE id = ?").bind(1, state).bind(2, deviceId).run();
}

void DeviceStore::setCommissioned(qint64 deviceId, bool commissioned)
{
    SqliteQuery(m_db, "UPDATE devices SET commissioned = ? WHERE id = ?")
        .bind(1, commissioned ? 1 : 0)
        .bind(2, deviceId)
        .run();
}

void DeviceStore::setTestFlag(qint64 deviceId, bool testFlag)
{
    SqliteQuery(m_db, "UPDATE devices SET test_flag = ? WHERE id = ?")
        .bind(1, testFlag ? 1 : 0)
        .bind(2, deviceId)
        .run();
}

void DeviceStore::setUnreachable(qint64 deviceId, bool unreachable)
{
    SqliteQuery(m_db, "UPDATE devices SET unreachable = ? WHERE id = ?")
        .bind(1, unreachable ? 1 : 0)
        .bind(2, deviceId)
        .run();
}

void DeviceStore::setFailureRate(qint64 deviceId, double rate)
{
    SqliteQuery(m_db, "UPDATE devices SET failure_rate = ? WHERE id = ?")
        .bind(1, rate)
        .bind(2, deviceId)
        .run();
}

namespace {

// Each device of a system with the first subsystem that holds it, in the order they were added.
constexpr const char* DevicesOfSystem =
    "SELECT (SELECT s.name FROM subsystems s JOIN device_subsystems ds "
    "ON ds.subsystem_id = s.id WHERE ds.device_id = d.id ORDER BY s.id LIMIT 1), "
    "d.name, t.program_id, d.state, d.commissioned, d.neuron_id "
    "FROM devices d JOIN templates t ON t.id = d.template_id "
    "WHERE d.system_id = ? ORDER BY d.id";

} // namespace

QStringList DeviceStore::listing(qint64 systemId)
{
    SqliteQuery query(m_db, DevicesOfSystem);
    query.bind(1, systemId);
    QStringList lines;
    while (query.next()) {
        lines.append(
            QStringLiteral("%1/%2, %3, %4, %5, %6")
                .arg(query.text(0), query.text(1), query.text(2))
                .arg(query.integer(3))
                .arg(query.integer(4) != 0 ? QStringLiteral("yes") : QStringLiteral("no"), query.text(5)));
    }
    return lines;
}

QStringList DeviceStore::paths(qint64 systemId)
{
    SqliteQuery query(m_db, DevicesOfSystem);
    query.bind(1, systemId);
    QStringList lines;
    while (query.next())
        lines.append(query.text(0) + QLatin1Char('/') + query.text(1));
    return lines;
}

} // namespace lnssim
