#pragma once

#include "host/object_server/Error.h"
#include "lns/channel/ChannelTiming.h"
#include "lns/device/DeviceValues.h"
#include "lns/model/DeviceOperation.h"
#include "lns/model/DeviceRecord.h"
#include "lns/model/InterfaceDefinition.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace lnssim {

class ChannelBoard;
class InterfaceCache;
class SqliteConnection;

// The object server's way to a simulated device. NV reads, writes and polls need the device
// commissioned and in state 4. Whatever reaches the device is a transaction on its channel
// (ChannelTiming): NV reads, writes and polls, state queries, and CP reads and writes while
// the device is online. A transaction fails when the device is unreachable and at the
// device's failure rate. CPs are kept in the network database as well: a device that is not
// online, or does not answer, has its CPs read from there, and CPs written to a device that is
// not online go only there. Injected "fail next" counters apply to every operation of their
// kind. Values are in stored form; a failed write stores nothing.
class DeviceAccess final
{
public:
    // One CP of a set, with every element's value in stored form.
    struct CpElements
    {
        const CpDefinition* cp = nullptr;
        QStringList stored;
    };

    DeviceAccess(SqliteConnection& db, InterfaceCache& interfaces, ChannelBoard& board);

    // Throws lns::Error (NotFound) when the device no longer exists.
    DeviceRecord device(qint64 deviceId);
    std::shared_ptr<const InterfaceDefinition> interfaceOf(const DeviceRecord& device);

    // operation is NvRead or Poll.
    QString readNv(qint64 deviceId, const NvDefinition& nv, DeviceOperation operation);
    void writeNv(qint64 deviceId, const NvDefinition& nv, const QString& stored);
    QString readCp(qint64 deviceId, const CpDefinition& cp, int element);
    void writeCp(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored);
    // Writes CPs as one operation (a CP write to fault injection): the values travel as
    // memory writes of at most the device's buffer, are stored all at once or not at all, and
    // are read back the same way. Returns every element read back, in the order given.
    QList<QStringList> writeCpSet(qint64 deviceId, const std::vector<CpElements>& values);
    int queryState(qint64 deviceId);
    // The least channel time of those operations (packets and latencies, no other traffic).
    qint64 cpSetFloorNs(const DeviceRecord& device, const std::vector<const CpDefinition*>& cps) const;
    qint64 stateQueryFloorNs(const DeviceRecord& device) const;

    static bool isOnline(const DeviceRecord& device) { return device.commissioned && device.state == 4; }

private:
    ChannelTiming timing(const DeviceRecord& device) const;
    // One transaction on the device's channel; work runs on the device when the request
    // arrived and did not fail.
    template <typename Work>
    void exchange(const DeviceRecord& device, DeviceOperation operation, int requestBytes, int responseBytes,
                  Work&& work);
    void sendSet(const DeviceRecord& device, int bytes);
    void readSetBack(const DeviceRecord& device, int bytes);
    void requireOnline(const DeviceRecord& device, DeviceOperation operation) const;
    void injectFailure(const DeviceRecord& device, DeviceOperation operation);
    void requireReachable(const DeviceRecord& device) const;
    static bool transmissionFails(const DeviceRecord& device);
    static lns::Error transmissionFailure(const DeviceRecord& device, DeviceOperation operation);

    SqliteConnection& m_db;
    InterfaceCache& m_interfaces;
    ChannelBoard& m_board;
    DeviceValues m_values;
};

} // namespace lnssim
