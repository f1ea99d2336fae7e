#include "lns/server/SimNetworkVariable.h"

#include "host/object_server/Error.h"
#include "lns/device/DeviceAccess.h"
#include "lns/monitor/MonitorTable.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimConfigProperty.h"

namespace lnssim {

SimNetworkVariable::SimNetworkVariable(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                                       std::shared_ptr<const InterfaceDefinition> definition, int nvIndex)
    : m_context(std::move(context)), m_owner(std::move(owner)), m_definition(std::move(definition)),
      m_nvIndex(nvIndex)
{
}

QString SimNetworkVariable::value() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    const NvDefinition& nv = definition();
    const QString stored = m_context->access().readNv(m_owner.deviceId, nv, DeviceOperation::NvRead);
    return value_codec::format(nv.type, stored, m_context->decimalSeparator());
}

void SimNetworkVariable::setValue(const QString& text)
{
    m_context->requireSystemOpen(m_owner.systemId);
    const NvDefinition& nv = definition();
    if (nv.output)
        throw lns::Error(lns::errors::NotSupported,
                         QStringLiteral("%1 of %2 is an output network variable; only inputs can be written")
                             .arg(nv.name, m_owner.name));
    // Parsed before the device is asked, so a bad text never reaches it.
    const QString stored = value_codec::parse(nv.type, text, m_context->decimalSeparator());
    m_context->access().writeNv(m_owner.deviceId, nv, stored);
}

std::shared_ptr<lns::ConfigProperties> SimNetworkVariable::configProperties() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    return SimConfigProperty::collection(m_context, m_owner, m_definition, CpOwnerKind::Nv, m_nvIndex,
                                         QStringLiteral("of %1 of %2").arg(definition().name, m_owner.name));
}

void SimNetworkVariable::setHold(bool hold)
{
    changeSettings([hold](MonitorSettings& settings) { settings.hold = hold; });
}

void SimNetworkVariable::setPollInterval(int tenths)
{
    if (tenths < 0)
        throw lns::Error(lns::errors::BadArgument,
                         QStringLiteral("The poll interval of %1 cannot be negative (%2 tenths of a second)")
                             .arg(definition().name)
                             .arg(tenths));
    changeSettings([tenths](MonitorSettings& settings) { settings.pollInterval = tenths; });
}

void SimNetworkVariable::setMonitorEnabled(bool enabled)
{
    changeSettings([enabled](MonitorSettings& settings) { settings.enabled = enabled; });
}

void SimNetworkVariable::setMonitorMode(int mode)
{
    changeSettings([mode](MonitorSettings& settings) { settings.mode = mode; });
}

void SimNetworkVariable::setMonitorOption1(bool on)
{
    changeSettings([on](MonitorSettings& settings) { settings.option1 = on; });
}

void SimNetworkVariable::setMonitorOption2(bool on)
{
    changeSettings([on](MonitorSettings& settings) { settings.option2 = on; });
}

void SimNetworkVariable::setTag(qint32 tag)
{
    changeSettings([tag](MonitorSettings& settings) { settings.tag = tag; });
}

const NvDefinition& SimNetworkVariable::definition() const
{
    return *m_definition->findNv(m_nvIndex);
}

MonitorSettings SimNetworkVariable::settings() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    return m_context->monitors().settings({m_owner.deviceId, m_nvIndex});
}

void SimNetworkVariable::changeSettings(const std::function<void(MonitorSettings&)>& edit)
{
    m_context->requireSystemOpen(m_owner.systemId);
    m_context->monitors().change({m_owner.deviceId, m_nvIndex}, m_owner, m_definition, edit);
}

} // namespace lnssim
