#include "lns/db/ChannelStore.h"

#include "host/object_server/Error.h"
#include "lns/channel/ChannelBoard.h"
#include "lns/db/SqliteConnection.h"
#include "lns/db/SqliteQuery.h"
#include "lns/db/SqliteTransaction.h"

#include <string>
#include <vector>

namespace lnssim {

namespace {

constexpr const char* ChannelColumns =
    "SELECT c.id, c.name, c.type, c.slot, (SELECT COUNT(*) FROM devices d WHERE d.channel_id = c.id) "
    "FROM channels c ";

ChannelRow channelRow(const SqliteQuery& query)
{
    return ChannelRow{query.integer(0), query.text(1),
                      channel_type::fromNumber(query.integer(2)).value_or(ChannelType::TpFt10),
                      static_cast<int>(query.integer(3)), static_cast<int>(query.integer(4))};
}

} // namespace

std::optional<ChannelRow> ChannelStore::find(qint64 networkId, const QString& name)
{
    const std::string sql = std::string(ChannelColumns) + "WHERE c.network_id = ? AND c.name = ?";
    SqliteQuery query(m_db, sql.c_str());
    query.bind(1, networkId).bind(2, name);
    if (!query.next())
        return std::nullopt;
    return channelRow(query);
}

QList<ChannelRow> ChannelStore::ofNetwork(qint64 networkId)
{
    const std::string sql = std::string(ChannelColumns) + "WHERE c.network_id = ? ORDER BY c.id";
    SqliteQuery query(m_db, sql.c_str());
    query.bind(1, networkId);
    QList<ChannelRow> rows;
    while (query.next())
        rows.append(channelRow(query));
    return rows;
}

ChannelRow ChannelStore::defaultChannel(qint64 networkId)
{
    SqliteTransaction transaction(m_db);
    const QList<ChannelRow> channels = ofNetwork(networkId);
    const ChannelRow channel =
        channels.isEmpty() ? add(networkId, defaultName(), ChannelType::TpFt10) : channels.first();
    transaction.commit();
    return channel;
}

ChannelRow ChannelStore::add(qint64 networkId, const QString& name, ChannelType type)
{
    SqliteTransaction transaction(m_db);
    const int slot = freeSlot();
    SqliteQuery(m_db, "INSERT INTO channels(network_id, name, type, slot) VALUES(?, ?, ?, ?)")
        .bind(1, networkId)
        .bind(2, name)
        .bind(3, static_cast<int>(type))
        .bind(4, slot)
        .run();
    const qint64 id = m_db.lastInsertId();
    transaction.commit();
    return ChannelRow{id, name, type, slot, 0};
}

void ChannelStore::moveDevice(qint64 deviceId, qint64 channelId)
{
    SqliteQuery(m_db, "UPDATE devices SET channel_id = ? WHERE id = ?")
        .bind(1, channelId)
        .bind(2, deviceId)
        .run();
}

void ChannelStore::addDefaultChannels()
{
    std::vector<qint64> networks;
    SqliteQuery query(m_db, "SELECT id FROM networks ORDER BY id");
    while (query.next())
        networks.push_back(query.integer(0));
    for (qint64 networkId : networks) {
        const ChannelRow channel = add(networkId, defaultName(), ChannelType::TpFt10);
        SqliteQuery(m_db, "UPDATE devices SET channel_id = ? "
                          "WHERE system_id IN (SELECT id FROM systems WHERE network_id = ?)")
            .bind(1, channel.id)
            .bind(2, networkId)
            .run();
    }
}

int ChannelStore::freeSlot()
{
    SqliteQuery query(m_db, "SELECT slot FROM channels ORDER BY slot");
    int slot = 0;
    while (query.next() && query.integer(0) == slot)
        ++slot;
    if (slot >= ChannelBoard::Slots)
        throw lns::Error(lns::errors::NotSupported,
                         QStringLiteral("The network database %1 holds %2 channels, the most it can hold")
                             .arg(m_db.filePath())
                             .arg(ChannelBoard::Slots));
    return slot;
}

} // namespace lnssim
