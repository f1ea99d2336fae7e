#pragma once

#include "lns/device/DeviceValues.h"
#include "lns/model/DeviceOperation.h"
#include "lns/model/DeviceRecord.h"
#include "lns/model/InterfaceDefinition.h"

#include <QString>
#include <memory>

namespace lnssim {

class InterfaceCache;
class SqliteConnection;

// The object server's way to a simulated device. NV reads, writes and polls need the device
// commissioned and in state 4; they and CP writes to an online device are device
// transactions: they take the network's transaction time, fail when the device is
// unreachable and fail at the device's failure rate. CPs are kept in the network database and
// read in every state. Injected "fail next" counters apply to every operation of their kind.
// Values are in stored form; a failed write stores nothing.
class DeviceAccess final
{
public:
    DeviceAccess(SqliteConnection& db, InterfaceCache& interfaces);

    // Throws lns::Error (NotFound) when the device no longer exists.
    DeviceRecord device(qint64 deviceId);
    std::shared_ptr<const InterfaceDefinition> interfaceOf(const DeviceRecord& device);

    // operation is NvRead or Poll.
    QString readNv(qint64 deviceId, const NvDefinition& nv, DeviceOperation operation);
    void writeNv(qint64 deviceId, const NvDefinition& nv, const QString& stored);
    QString readCp(qint64 deviceId, const CpDefinition& cp, int element);
    void writeCp(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored);
    int queryState(qint64 deviceId);

    static bool isOnline(const DeviceRecord& device) { return device.commissioned && device.state == 4; }

private:
    void requireOnline(const DeviceRecord& device, DeviceOperation operation) const;
    void injectFailure(const DeviceRecord& device, DeviceOperation operation);
    // A transaction that reaches the device: it may not respond.
    void reach(const DeviceRecord& device, DeviceOperation operation) const;

    SqliteConnection& m_db;
    InterfaceCache& m_interfaces;
    DeviceValues m_values;
};

} // namespace lnssim
