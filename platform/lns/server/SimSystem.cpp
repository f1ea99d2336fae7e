#include "lns/server/SimSystem.h"

#include "lns/db/TopologyStore.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimComponentApps.h"
#include "lns/server/SimDeviceTemplates.h"
#include "lns/server/SimSubsystem.h"

namespace lnssim {

SimSystem::SimSystem(std::shared_ptr<ServerContext> context, NamedRow row, qint64 networkId)
    : m_context(std::move(context)), m_row(std::move(row)), m_networkId(networkId)
{
}

void SimSystem::open()
{
    m_context->openSystem(m_row.id, m_networkId);
}

void SimSystem::close()
{
    m_context->closeSystem(m_row.id);
}

bool SimSystem::isOpen() const
{
    return m_context->isSystemOpen(m_row.id);
}

int SimSystem::mode() const
{
    m_context->requireSystemOpen(m_row.id);
    return TopologyStore(m_context->db()).systemMode(m_row.id);
}

std::shared_ptr<lns::Subsystems> SimSystem::subsystems() const
{
    m_context->requireSystemOpen(m_row.id);
    const auto context = m_context;
    const qint64 systemId = m_row.id;
    const auto make = [context](const std::optional<SubsystemRow>& row) -> std::shared_ptr<lns::Subsystem> {
        return row ? std::make_shared<SimSubsystem>(context, *row) : nullptr;
    };
    return std::make_shared<LazyCollection<lns::Subsystem>>(LazyCollection<lns::Subsystem>::Source{
        QStringLiteral("subsystem"), QStringLiteral("in network \"%1\"").arg(m_row.name), false,
        [context, systemId] {
            context->requireSystemOpen(systemId);
            return TopologyStore(context->db()).subsystemCount(systemId);
        },
        [context, systemId, make](int position) {
            context->requireSystemOpen(systemId);
            return make(TopologyStore(context->db()).subsystemAt(systemId, position));
        },
        [context, systemId, make](const QString& name) {
            context->requireSystemOpen(systemId);
            return make(TopologyStore(context->db()).findSubsystem(systemId, name));
        }});
}

std::shared_ptr<lns::DeviceTemplates> SimSystem::deviceTemplates() const
{
    m_context->requireSystemOpen(m_row.id);
    return std::make_shared<SimDeviceTemplates>(m_context, m_row);
}

std::shared_ptr<lns::ComponentApps> SimSystem::componentApps() const
{
    m_context->requireSystemOpen(m_row.id);
    return std::make_shared<SimComponentApps>(
        m_context, ComponentAppOwner{2, m_row.id, 0, -1}, m_row.id,
        QStringLiteral("at the system of network \"%1\"").arg(m_row.name));
}

void SimSystem::setBoolOption1(bool on)
{
    m_context->requireSystemOpen(m_row.id);
    TopologyStore(m_context->db()).setSystemOption(m_row.id, TopologyStore::SystemOption::First, on ? 1 : 0);
}

void SimSystem::setBoolOption2(bool on)
{
    m_context->requireSystemOpen(m_row.id);
    TopologyStore(m_context->db()).setSystemOption(m_row.id, TopologyStore::SystemOption::Second, on ? 1 : 0);
}

void SimSystem::setNumericOption(qint32 value)
{
    m_context->requireSystemOpen(m_row.id);
    TopologyStore(m_context->db()).setSystemOption(m_row.id, TopologyStore::SystemOption::Numeric, value);
}

} // namespace lnssim
