#include "lns/server/SimAppDevice.h"

#include "host/object_server/Error.h"
#include "lns/admin/CpAddress.h"
#include "lns/db/TopologyStore.h"
#include "lns/device/DeviceAccess.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimDeviceInterface.h"
#include "lns/server/SimSubsystem.h"

#include <set>

namespace lnssim {

namespace {

// One CP of a set checked against the device's interface and parsed into stored form.
DeviceAccess::CpElements parsed(const lns::CpSetValue& value, const InterfaceDefinition& definition,
                                const QString& device, const QString& separator)
{
    const auto address = CpAddress::parse(value.id);
    if (!address)
        throw lns::Error(
            lns::errors::BadArgument,
            QStringLiteral("\"%1\" is not a CP identifier (F:b/C:s:i, N:n/C:s:i or C:s:i)").arg(value.id));
    const CpDefinition* cp =
        definition.findCp(address->ownerKind, address->ownerIndex, address->scope, address->typeIndex);
    if (!cp)
        throw lns::Error(lns::errors::NotFound,
                         QStringLiteral("%1 has no configuration property %2").arg(device, value.id));
    const QString what = QStringLiteral("%1 (%2) of %3").arg(cp->name, value.id, device);
    const QStringList texts = !value.elements.isEmpty() ? value.elements
                              : cp->elements() == 1     ? QStringList{value.text}
                                                        : value.text.split(QLatin1Char(';'));
    if (texts.size() != cp->elements())
        throw lns::Error(lns::errors::BadArgument, QStringLiteral("%1 has %2 element(s); the set gives %3")
                                                       .arg(what)
                                                       .arg(cp->elements())
                                                       .arg(texts.size()));
    DeviceAccess::CpElements elements{cp, {}};
    for (int element = 0; element < texts.size(); ++element) {
        try {
            elements.stored.append(value_codec::parse(cp->type, texts[element], separator));
        } catch (const lns::Error& error) {
            const QString place =
                cp->elements() == 1 ? what : QStringLiteral("%1, element %2").arg(what).arg(element);
            throw lns::Error(error.number(), place + QStringLiteral(": ") + error.description());
        }
    }
    return elements;
}

} // namespace

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

QString SimAppDevice::channel() const
{
    return record().channelName;
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

QList<lns::CpSetValue> SimAppDevice::writeConfigProperties(const QList<lns::CpSetValue>& values)
{
    const DeviceRecord device = record();
    const auto definition = m_context->access().interfaceOf(device);
    const QString& separator = m_context->decimalSeparator();
    std::vector<DeviceAccess::CpElements> set;
    set.reserve(static_cast<std::size_t>(values.size()));
    std::set<const CpDefinition*> named;
    // Everything is checked before anything reaches the device.
    for (const lns::CpSetValue& value : values) {
        set.push_back(parsed(value, *definition, device.name, separator));
        if (!named.insert(set.back().cp).second)
            throw lns::Error(lns::errors::BadArgument,
                             QStringLiteral("%1 (%2) appears twice in the set for %3")
                                 .arg(set.back().cp->name, value.id, device.name));
    }
    const QList<QStringList> readBack = m_context->access().writeCpSet(m_deviceId, set);
    QList<lns::CpSetValue> result;
    result.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        lns::CpSetValue value{values[i].id, QString(), {}};
        const CpDefinition& cp = *set[static_cast<std::size_t>(i)].cp;
        for (const QString& stored : readBack[i])
            value.elements.append(value_codec::format(cp.type, stored, separator));
        value.text = value.elements.join(QLatin1Char(';'));
        result.append(value);
    }
    return result;
}

qint64 SimAppDevice::stateQueryFloorNs() const
{
    return m_context->access().stateQueryFloorNs(record());
}

qint64 SimAppDevice::configPropertiesWriteFloorNs(const QList<lns::CpSetValue>& values) const
{
    const DeviceRecord device = record();
    const auto definition = m_context->access().interfaceOf(device);
    std::vector<const CpDefinition*> cps;
    cps.reserve(static_cast<std::size_t>(values.size()));
    for (const lns::CpSetValue& value : values) {
        const auto address = CpAddress::parse(value.id);
        const CpDefinition* cp = address ? definition->findCp(address->ownerKind, address->ownerIndex,
                                                              address->scope, address->typeIndex)
                                         : nullptr;
        // A set naming a CP the device lacks fails before it travels.
        if (!cp)
            return 0;
        cps.push_back(cp);
    }
    return m_context->access().cpSetFloorNs(device, cps);
}

DeviceRecord SimAppDevice::record() const
{
    m_context->requireSystemOpen(m_systemId);
    return m_context->access().device(m_deviceId);
}

} // namespace lnssim
