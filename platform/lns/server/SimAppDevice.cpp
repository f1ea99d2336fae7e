#include "lns/server/SimAppDevice.h"

#include "lns/db/TopologyStore.h"
#include "lns/device/DeviceAccess.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimDeviceInterface.h"
#include "lns/server/SimSubsystem.h"

namespace lnssim {

SimAppDevice::SimAppDevice(std::shared_ptr<ServerContext> context, qint64 deviceId, qint64 systemId)
    : m_context(std::move(context)), m_deviceId(deviceId), m_systemId(systemId)
{
}

QString SimAppDevice::name() const
{
    return record().name;
}

QString SimAppDevice::neuronId() const
{
    return record().neuronId;
}

int SimAppDevice::state() const
{
    m_context->requireSystemOpen(m_systemId);
    return m_context->access().queryState(m_deviceId);
}

bool SimAppDevice::commissioned() const
{
    return record().commissioned;
}

bool SimAppDevice::testFlag() const
{
    return record().testFlag;
}

QString SimAppDevice::programId() const
{
    return record().programId;
}

std::shared_ptr<lns::DeviceInterface> SimAppDevice::deviceInterface() const
{
    const DeviceRecord device = record();
    return std::make_shared<SimDeviceInterface>(
        m_context, InterfaceOwner{m_systemId, m_deviceId, device.templateId, device.name},
        m_context->access().interfaceOf(device));
}

std::shared_ptr<lns::Collection<lns::Subsystem>> SimAppDevice::subsystems() const
{
    const DeviceRecord device = record();
    const auto context = m_context;
    const qint64 systemId = m_systemId;
    const qint64 deviceId = m_deviceId;
    const auto make = [context](const std::optional<SubsystemRow>& row) -> std::shared_ptr<lns::Subsystem> {
        return row ? std::make_shared<SimSubsystem>(context, *row) : nullptr;
    };
    return std::make_shared<LazyCollection<lns::Subsystem>>(LazyCollection<lns::Subsystem>::Source{
        QStringLiteral("subsystem"), QStringLiteral("holding device %1").arg(device.name), false,
        [context, systemId, deviceId] {
            context->requireSystemOpen(systemId);
            return TopologyStore(context->db()).deviceSubsystemCount(deviceId);
        },
        [context, systemId, deviceId, make](int position) {
            context->requireSystemOpen(systemId);
            return make(TopologyStore(context->db()).deviceSubsystemAt(deviceId, position));
        },
        [context, systemId, deviceId, make](const QString& name) {
            context->requireSystemOpen(systemId);
            return make(TopologyStore(context->db()).findDeviceSubsystem(deviceId, name));
        }});
}

DeviceRecord SimAppDevice::record() const
{
    m_context->requireSystemOpen(m_systemId);
    return m_context->access().device(m_deviceId);
}

} // namespace lnssim
