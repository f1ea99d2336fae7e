#include "lns/db/FaultStore.h"

#include "lns/db/SqliteConnection.h"
#include "lns/db/SqliteQuery.h"
#include "lns/db/SqliteTransaction.h"

namespace lnssim {

void FaultStore::setFailNext(qint64 deviceId, DeviceOperation operation, int count)
{
    SqliteQuery(m_db, "INSERT OR REPLACE INTO faults(device_id, operation, remaining) VALUES(?, ?, ?)")
        .bind(1, deviceId)
        .bind(2, device_operation::name(operation))
        .bind(3, count)
        .run();
}

bool FaultStore::consumeFailure(qint64 deviceId, DeviceOperation operation)
{
    // One statement each, so two processes never use up the same failure twice.
    for (DeviceOperation kind : {operation, DeviceOperation::Any}) {
        SqliteQuery(m_db, "UPDATE faults SET remaining = remaining - 1 "
                          "WHERE device_id = ? AND operation = ? AND remaining > 0")
            .bind(1, deviceId)
            .bind(2, device_operation::name(kind))
            .run();
        if (m_db.changes() > 0)
            return true;
    }
    return false;
}

void FaultStore::clear(qint64 deviceId)
{
    SqliteTransaction transaction(m_db);
    SqliteQuery(m_db, "DELETE FROM faults WHERE device_id = ?").bind(1, deviceId).run();
    SqliteQuery(m_db, "UPDATE devices SET unreachable = 0, failure_rate = 0 WHERE id = ?")
        .bind(1, deviceId)
        .run();
    transaction.commit();
}

} // namespace lnssim
