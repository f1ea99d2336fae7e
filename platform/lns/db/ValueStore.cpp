#include "lns/db/ValueStore.h"

#include "lns/db/SqliteConnection.h"
#include "lns/db/SqliteQuery.h"

namespace lnssim {

std::optional<QString> ValueStore::nvValue(qint64 deviceId, int nvIndex)
{
    SqliteQuery query(m_db, "SELECT value FROM nv_values WHERE device_id = ? AND nv_index = ?");
    query.bind(1, deviceId).bind(2, nvIndex);
    if (!query.next())
        return std::nullopt;
    return query.text(0);
}

void ValueStore::setNvValue(qint64 deviceId, int nvIndex, const QString& stored)
{
    SqliteQuery(m_db, "INSERT OR REPLACE INTO nv_values(device_id, nv_index, value) VALUES(?, ?, ?)")
        .bind(1, deviceId)
        .bind(2, nvIndex)
        .bind(3, stored)
        .run();
}

std::optional<QString> ValueStore::cpValue(qint64 deviceId, const CpDefinition& cp, int element)
{
    SqliteQuery query(
        m_db, "SELECT value FROM cp_values WHERE device_id = ? AND owner_kind = ? AND owner_index = ? "
              "AND scope = ? AND type_index = ? AND element = ?");
    query.bind(1, deviceId)
        .bind(2, static_cast<int>(cp.ownerKind))
        .bind(3, cp.ownerIndex)
        .bind(4, cp.scope)
        .bind(5, cp.typeIndex)
        .bind(6, element);
    if (!query.next())
        return std::nullopt;
    return query.text(0);
}

void ValueStore::setCpValue(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored)
{
    SqliteQuery(m_db,
                "INSERT OR REPLACE INTO cp_values(device_id, owner_kind, owner_index, scope, type_index, "
                "element, value) VALUES(?, ?, ?, ?, ?, ?, ?)")
        .bind(1, deviceId)
        .bind(2, static_cast<int>(cp.ownerKind))
        .bind(3, cp.ownerIndex)
        .bind(4, cp.scope)
        .bind(5, cp.typeIndex)
        .bind(6, element)
        .bind(7, stored)
        .run();
}

std::map<ValueStore::CpElement, QString> ValueStore::cpValues(qint64 deviceId)
{
    SqliteQuery query(m_db,
                      "SELECT owner_kind, owner_index, scope, type_index, element, value FROM cp_values "
                      "WHERE device_id = ?");
    query.bind(1, deviceId);
    std::map<CpElement, QString> values;
    while (query.next()) {
        values.emplace(CpElement{static_cast<int>(query.integer(0)), static_cast<int>(query.integer(1)),
                                 static_cast<int>(query.integer(2)), static_cast<int>(query.integer(3)),
                                 static_cast<int>(query.integer(4))},
                       query.text(5));
    }
    return values;
}

std::optional<int> ValueStore::blockScope(qint64 deviceId, int block)
{
    SqliteQuery query(m_db, "SELECT scope FROM device_block_scopes WHERE device_id = ? AND block = ?");
    query.bind(1, deviceId).bind(2, block);
    if (!query.next())
        return std::nullopt;
    return static_cast<int>(query.integer(0));
}

void ValueStore::setBlockScope(qint64 deviceId, int block, int scope)
{
    SqliteQuery(m_db, "INSERT OR REPLACE INTO device_block_scopes(device_id, block, scope) VALUES(?, ?, ?)")
        .bind(1, deviceId)
        .bind(2, block)
        .bind(3, scope)
        .run();
}

} // namespace lnssim
