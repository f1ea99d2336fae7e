#include "lns/server/SimSubsystem.h"

#include "lns/db/DeviceStore.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimAppDevice.h"

namespace lnssim {

SimSubsystem::SimSubsystem(std::shared_ptr<ServerContext> context, SubsystemRow row)
    : m_context(std::move(context)), m_row(std::move(row))
{
}

std::shared_ptr<lns::AppDevices> SimSubsystem::applicationDevices() const
{
    m_context->requireSystemOpen(m_row.systemId);
    const auto context = m_context;
    const qint64 systemId = m_row.systemId;
    const qint64 subsystemId = m_row.id;
    const auto make = [context,
                       systemId](const std::optional<qint64>& id) -> std::shared_ptr<lns::AppDevice> {
        return id ? std::make_shared<SimAppDevice>(context, *id, systemId) : nullptr;
    };
    return std::make_shared<LazyCollection<lns::AppDevice>>(LazyCollection<lns::AppDevice>::Source{
        QStringLiteral("device"), QStringLiteral("in subsystem \"%1\"").arg(m_row.name), false,
        [context, systemId, subsystemId] {
            context->requireSystemOpen(systemId);
            return DeviceStore(context->db()).countInSubsystem(subsystemId);
        },
        [context, systemId, subsystemId, make](int position) {
            context->requireSystemOpen(systemId);
            return make(DeviceStore(context->db()).inSubsystemAt(subsystemId, position));
        },
        [context, systemId, subsystemId, make](const QString& name) {
            context->requireSystemOpen(systemId);
            return make(DeviceStore(context->db()).findInSubsystem(subsystemId, name));
        }});
}

} // namespace lnssim
