#include "lns/device/DeviceAccess.h"

#include "host/object_server/Error.h"
#include "lns/db/DeviceStore.h"
#include "lns/db/FaultStore.h"
#include "lns/device/InterfaceCache.h"
#include "lns/device/TransactionTimer.h"

#include <QRandomGenerator>

namespace lnssim {

namespace {

QString stateName(int state)
{
    switch (state) {
    case 2:
        return QStringLiteral("unconfigured");
    case 3:
        return QStringLiteral("applicationless");
    case 4:
        return QStringLiteral("configured online");
    case 6:
        return QStringLiteral("configured offline");
    case 12:
        return QStringLiteral("soft offline");
    case 140:
        return QStringLiteral("configured bypass");
    default:
        return QStringLiteral("in an unknown state");
    }
}

} // namespace

DeviceAccess::DeviceAccess(SqliteConnection& db, InterfaceCache& interfaces)
    : m_db(db), m_interfaces(interfaces), m_values(db)
{
}

DeviceRecord DeviceAccess::device(qint64 deviceId)
{
    auto record = DeviceStore(m_db).record(deviceId);
    if (!record)
        throw lns::Error(
            lns::errors::NotFound,
            QStringLiteral("The device no longer exists in the network database (it was removed)"));
    return *record;
}

std::shared_ptr<const InterfaceDefinition> DeviceAccess::interfaceOf(const DeviceRecord& device)
{
    return m_interfaces.definition(m_db, device.templateId, device.interfaceRevision);
}

QString DeviceAccess::readNv(qint64 deviceId, const NvDefinition& nv, DeviceOperation operation)
{
    const DeviceRecord record = device(deviceId);
    requireOnline(record, operation);
    TransactionTimer timer(record.transactionMs);
    injectFailure(record, operation);
    reach(record, operation);
    return m_values.nv(record, *interfaceOf(record), nv);
}

void DeviceAccess::writeNv(qint64 deviceId, const NvDefinition& nv, const QString& stored)
{
    const DeviceRecord record = device(deviceId);
    requireOnline(record, DeviceOperation::NvWrite);
    TransactionTimer timer(record.transactionMs);
    injectFailure(record, DeviceOperation::NvWrite);
    reach(record, DeviceOperation::NvWrite);
    m_values.setNv(deviceId, nv, stored);
}

QString DeviceAccess::readCp(qint64 deviceId, const CpDefinition& cp, int element)
{
    const DeviceRecord record = device(deviceId);
    injectFailure(record, DeviceOperation::CpRead);
    return m_values.cp(deviceId, cp, element);
}

void DeviceAccess::writeCp(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored)
{
    const DeviceRecord record = device(deviceId);
    // Only an online device is written to; otherwise the database takes the value for later.
    TransactionTimer timer(isOnline(record) ? record.transactionMs : 0);
    injectFailure(record, DeviceOperation::CpWrite);
    if (isOnline(record))
        reach(record, DeviceOperation::CpWrite);
    m_values.setCp(deviceId, cp, element, stored);
}

int DeviceAccess::queryState(qint64 deviceId)
{
    const DeviceRecord record = device(deviceId);
    injectFailure(record, DeviceOperation::StateQuery);
    reach(record, DeviceOperation::StateQuery);
    return record.state;
}

void DeviceAccess::requireOnline(const DeviceRecord& device, DeviceOperation operation) const
{
    const QString what =
        operation == DeviceOperation::NvWrite ? QStringLiteral("written") : QStringLiteral("read");
    if (!device.commissioned)
        throw lns::Error(lns::errors::DeviceOffline,
                         QStringLiteral("%1 is not commissioned: its network variables cannot be %2")
                             .arg(device.name, what));
    if (device.state != 4)
        throw lns::Error(lns::errors::DeviceOffline,
                         QStringLiteral("%1 is %2 (state %3): network variables can be %4 only in state 4 "
                                        "(configured online)")
                             .arg(device.name, stateName(device.state))
                             .arg(device.state)
                             .arg(what));
}

void DeviceAccess::injectFailure(const DeviceRecord& device, DeviceOperation operation)
{
    if (device.pendingFaults && FaultStore(m_db).consumeFailure(device.id, operation))
        throw lns::Error(lns::errors::InjectedFault,
                         QStringLiteral("%1 did not respond to the %2: injected fault")
                             .arg(device.name, device_operation::description(operation)));
}

void DeviceAccess::reach(const DeviceRecord& device, DeviceOperation operation) const
{
    if (device.unreachable)
        throw lns::Error(lns::errors::DeviceOffline,
                         QStringLiteral("%1 did not respond: device is offline").arg(device.name));
    if (device.failureRate > 0.0 && QRandomGenerator::global()->generateDouble() < device.failureRate)
        throw lns::Error(lns::errors::InjectedFault,
                         QStringLiteral("%1 did not respond to the %2: simulated transmission failure "
                                        "(failure rate %3)")
                             .arg(device.name, device_operation::description(operation))
                             .arg(device.failureRate));
}

} // namespace lnssim
