#include "lns/device/DeviceAccess.h"

#include "host/object_server/Error.h"
#include "lns/channel/Apdu.h"
#include "lns/channel/ChannelBoard.h"
#include "lns/channel/DeviceTransaction.h"
#include "lns/db/DeviceStore.h"
#include "lns/db/FaultStore.h"
#include "lns/db/SqliteTransaction.h"
#include "lns/device/InterfaceCache.h"

#include <QRandomGenerator>
#include <algorithm>

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

// The memory messages a set of so many bytes travels in.
int pieces(int bytes)
{
    return (bytes + apdu::MemoryChunk - 1) / apdu::MemoryChunk;
}

int pieceBytes(int bytes, int piece)
{
    return std::min(apdu::MemoryChunk, bytes - piece * apdu::MemoryChunk);
}

} // namespace

DeviceAccess::DeviceAccess(SqliteConnection& db, InterfaceCache& interfaces, ChannelBoard& board)
    : m_db(db), m_interfaces(interfaces), m_board(board), m_values(db)
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
    const int bytes = value_codec::bytes(nv.type);
    const bool poll = operation == DeviceOperation::Poll;
    QString value;
    exchange(record, operation, poll ? apdu::PollRequest : apdu::NvFetchRequest,
             poll ? apdu::nvUpdate(bytes) : apdu::nvFetchResponse(bytes),
             [&] { value = m_values.nv(record, *interfaceOf(record), nv); });
    return value;
}

void DeviceAccess::writeNv(qint64 deviceId, const NvDefinition& nv, const QString& stored)
{
    const DeviceRecord record = device(deviceId);
    requireOnline(record, DeviceOperation::NvWrite);
    exchange(record, DeviceOperation::NvWrite, apdu::nvUpdate(value_codec::bytes(nv.type)),
             apdu::Acknowledgement, [&] { m_values.setNv(deviceId, nv, stored); });
}

QString DeviceAccess::readCp(qint64 deviceId, const CpDefinition& cp, int element)
{
    const DeviceRecord record = device(deviceId);
    if (!isOnline(record) || record.unreachable) {
        injectFailure(record, DeviceOperation::CpRead);
        return m_values.cp(deviceId, cp, element);
    }
    QString value;
    exchange(record, DeviceOperation::CpRead, apdu::ReadMemoryRequest,
             apdu::readMemoryResponse(value_codec::bytes(cp.type)),
             [&] { value = m_values.cp(deviceId, cp, element); });
    return value;
}

void DeviceAccess::writeCp(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored)
{
    const DeviceRecord record = device(deviceId);
    if (!isOnline(record)) {
        injectFailure(record, DeviceOperation::CpWrite);
        m_values.setCp(deviceId, cp, element, stored);
        return;
    }
    exchange(record, DeviceOperation::CpWrite, apdu::writeMemoryRequest(value_codec::bytes(cp.type)),
             apdu::WriteMemoryResponse, [&] { m_values.setCp(deviceId, cp, element, stored); });
}

QList<QStringList> DeviceAccess::writeCpSet(qint64 deviceId, const std::vector<CpElements>& values)
{
    const DeviceRecord record = device(deviceId);
    if (values.empty())
        return {};
    int bytes = 0;
    for (const CpElements& value : values)
        bytes += value_codec::bytes(value.cp->type) * static_cast<int>(value.stored.size());
    const bool online = isOnline(record);
    if (online)
        sendSet(record, bytes);
    else
        injectFailure(record, DeviceOperation::CpWrite);

    SqliteTransaction transaction(m_db);
    for (const CpElements& value : values) {
        for (int element = 0; element < value.stored.size(); ++element)
            m_values.setCp(deviceId, *value.cp, element, value.stored[element]);
    }
    transaction.commit();

    if (online)
        readSetBack(record, bytes);
    std::vector<const CpDefinition*> cps;
    cps.reserve(values.size());
    for (const CpElements& value : values)
        cps.push_back(value.cp);
    return m_values.cps(deviceId, cps);
}

int DeviceAccess::queryState(qint64 deviceId)
{
    const DeviceRecord record = device(deviceId);
    exchange(record, DeviceOperation::StateQuery, apdu::QueryStatusRequest, apdu::QueryStatusResponse, [] {});
    return record.state;
}

qint64 DeviceAccess::cpSetFloorNs(const DeviceRecord& device,
                                  const std::vector<const CpDefinition*>& cps) const
{
    if (!isOnline(device))
        return 0;
    int bytes = 0;
    for (const CpDefinition* cp : cps)
        bytes += value_codec::bytes(cp->type) * cp->elements();
    const ChannelTiming channel = timing(device);
    qint64 floor = 0;
    // Each piece is written, then read back, as sendSet and readSetBack carry it.
    for (int piece = 0; piece < pieces(bytes); ++piece) {
        const int data = pieceBytes(bytes, piece);
        floor += channel.packetNs(apdu::writeMemoryRequest(data)) +
                 channel.packetNs(apdu::WriteMemoryResponse) + channel.packetNs(apdu::ReadMemoryRequest) +
                 channel.packetNs(apdu::readMemoryResponse(data)) + 2 * channel.latencyNs;
    }
    return floor;
}

qint64 DeviceAccess::stateQueryFloorNs(const DeviceRecord& device) const
{
    const ChannelTiming channel = timing(device);
    return channel.packetNs(apdu::QueryStatusRequest) + channel.packetNs(apdu::QueryStatusResponse) +
           channel.latencyNs;
}

ChannelTiming DeviceAccess::timing(const DeviceRecord& device) const
{
    if (device.channelSlot < 0)
        throw lns::Error(lns::errors::Database,
                         QStringLiteral("%1 is on no channel in the network database; put it on one with "
                                        "lns-netdb move-device")
                             .arg(device.name));
    return ChannelTiming::of(device.channelType, device.transactionMs, device.channelSlot);
}

template <typename Work>
void DeviceAccess::exchange(const DeviceRecord& device, DeviceOperation operation, int requestBytes,
                            int responseBytes, Work&& work)
{
    DeviceTransaction transaction(m_board, timing(device));
    transaction.request(requestBytes);
    try {
        injectFailure(device, operation);
        requireReachable(device);
        if (transmissionFails(device))
            throw transmissionFailure(device, operation);
    } catch (const lns::Error&) {
        transaction.timeOut();
        throw;
    }
    work();
    transaction.respond(responseBytes);
}

void DeviceAccess::sendSet(const DeviceRecord& device, int bytes)
{
    const int count = pieces(bytes);
    // A set fails as one call: at most once, at one of its pieces, and then nothing is stored.
    const int failing = transmissionFails(device) ? QRandomGenerator::global()->bounded(count) : -1;
    for (int piece = 0; piece < count; ++piece) {
        DeviceTransaction transaction(m_board, timing(device));
        transaction.request(apdu::writeMemoryRequest(pieceBytes(bytes, piece)));
        try {
            if (piece == 0) {
                injectFailure(device, DeviceOperation::CpWrite);
                requireReachable(device);
            }
            if (piece == failing)
                throw transmissionFailure(device, DeviceOperation::CpWrite);
        } catch (const lns::Error&) {
            transaction.timeOut();
            throw;
        }
        transaction.respond(apdu::WriteMemoryResponse);
    }
}

void DeviceAccess::readSetBack(const DeviceRecord& device, int bytes)
{
    for (int piece = 0; piece < pieces(bytes); ++piece) {
        DeviceTransaction transaction(m_board, timing(device));
        transaction.request(apdu::ReadMemoryRequest);
        transaction.respond(apdu::readMemoryResponse(pieceBytes(bytes, piece)));
    }
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

void DeviceAccess::requireReachable(const DeviceRecord& device) const
{
    if (device.unreachable)
        throw lns::Error(lns::errors::DeviceOffline,
                         QStringLiteral("%1 did not respond: device is offline").arg(device.name));
}

bool DeviceAccess::transmissionFails(const DeviceRecord& device)
{
    return device.failureRate > 0.0 && QRandomGenerator::global()->generateDouble() < device.failureRate;
}

lns::Error DeviceAccess::transmissionFailure(const DeviceRecord& device, DeviceOperation operation)
{
    return lns::Error(lns::errors::InjectedFault,
                      QStringLiteral("%1 did not respond to the %2: simulated transmission failure "
                                     "(failure rate %3)")
                          .arg(device.name, device_operation::description(operation))
                          .arg(device.failureRate));
}

} // namespace lnssim
