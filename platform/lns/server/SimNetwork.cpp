#include "lns/server/SimNetwork.h"

#include "host/object_server/Error.h"
#include "lns/db/TopologyStore.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimSystem.h"

namespace lnssim {

SimNetwork::SimNetwork(std::shared_ptr<ServerContext> context, NamedRow row)
    : m_context(std::move(context)), m_row(std::move(row))
{
}

void SimNetwork::open()
{
    m_context->requireOpen();
    if (!TopologyStore(m_context->db()).network(m_row.id))
        throw lns::Error(
            lns::errors::NotFound,
            QStringLiteral("The network \"%1\" no longer exists in the network database").arg(m_row.name));
    m_context->openNetwork(m_row.id);
}

void SimNetwork::close()
{
    m_context->closeNetwork(m_row.id);
}

bool SimNetwork::isOpen() const
{
    return m_context->isNetworkOpen(m_row.id);
}

std::shared_ptr<lns::Systems> SimNetwork::systems() const
{
    m_context->requireNetworkOpen(m_row.id);
    const auto context = m_context;
    const qint64 networkId = m_row.id;
    const auto make = [context,
                       networkId](const std::optional<NamedRow>& row) -> std::shared_ptr<lns::System> {
        return row ? std::make_shared<SimSystem>(context, *row, networkId) : nullptr;
    };
    return std::make_shared<LazyCollection<lns::System>>(LazyCollection<lns::System>::Source{
        QStringLiteral("system"), QStringLiteral("in network \"%1\"").arg(m_row.name), false,
        [context, networkId] {
            context->requireNetworkOpen(networkId);
            return TopologyStore(context->db()).systemCount(networkId);
        },
        [context, networkId, make](int position) {
            context->requireNetworkOpen(networkId);
            return make(TopologyStore(context->db()).systemAt(networkId, position));
        },
        [context, networkId, make](const QString& name) {
            context->requireNetworkOpen(networkId);
            return make(TopologyStore(context->db()).findSystem(networkId, name));
        }});
}

} // namespace lnssim
