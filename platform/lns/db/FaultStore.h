#pragma once

#include "lns/model/DeviceOperation.h"

namespace lnssim {

class SqliteConnection;

// The "next n operations fail" counters of the devices.
class FaultStore final
{
public:
    explicit FaultStore(SqliteConnection& db) : m_db(db) {}

    void setFailNext(qint64 deviceId, DeviceOperation operation, int count);
    // Uses up one failure of the operation's own counter, else of Any; true when one was left.
    bool consumeFailure(qint64 deviceId, DeviceOperation operation);
    // Clears the counters, the unreachable flag and the failure rate.
    void clear(qint64 deviceId);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
