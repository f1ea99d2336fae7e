#include "lns/server/SimServer.h"

#include "host/RegistryStore.h"
#include "lns/db/TopologyStore.h"
#include "lns/monitor/MonitorTable.h"
#include "lns/resources/SimProfileReader.h"
#include "lns/resources/SimResourceCatalogue.h"
#include "lns/resources/SimResourceFileReader.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimComponentApps.h"
#include "lns/server/SimNetwork.h"
#include "lns/server/SimNetworkInterface.h"
#include "lns/server/SimNetworkVariable.h"

namespace lnssim {

SimServer::SimServer(const QString& lonWorksHome, RegistryStore& registry)
    : m_context(std::make_shared<ServerContext>(lonWorksHome, registry))
{
}

SimServer::SimServer(const QString& lonWorksHome, std::unique_ptr<RegistryStore> registry)
    : m_context(std::make_shared<ServerContext>(lonWorksHome, std::move(registry)))
{
}

SimServer::~SimServer()
{
    // Joins the polling worker before this object, the target of its reports, goes away.
    m_context->close();
}

bool SimServer::isOpen() const
{
    return m_context->isOpen();
}

void SimServer::open()
{
    m_context->open([this](const PollResult& result) {
        QMetaObject::invokeMethod(
            this, [this, result] { deliver(result); }, Qt::QueuedConnection);
    });
}

void SimServer::close()
{
    m_context->close();
}

std::shared_ptr<lns::Networks> SimServer::networks() const
{
    m_context->requireOpen();
    const auto context = m_context;
    const auto make = [context](const std::optional<NamedRow>& row) -> std::shared_ptr<lns::Network> {
        return row ? std::make_shared<SimNetwork>(context, *row) : nullptr;
    };
    return std::make_shared<LazyCollection<lns::Network>>(LazyCollection<lns::Network>::Source{
        QStringLiteral("network"), QStringLiteral("in this object server"), false,
        [context] { return TopologyStore(context->db()).networkCount(); },
        [context, make](int position) { return make(TopologyStore(context->db()).networkAt(position)); },
        [context, make](const QString& name) {
            return make(TopologyStore(context->db()).findNetwork(name));
        }});
}

std::shared_ptr<lns::NetworkInterfaces> SimServer::networkInterfaces() const
{
    m_context->requireOpen();
    const auto context = m_context;
    const auto make = [](const std::optional<NamedRow>& row) -> std::shared_ptr<lns::NetworkInterface> {
        return row ? std::make_shared<SimNetworkInterface>(row->name) : nullptr;
    };
    return std::make_shared<LazyCollection<lns::NetworkInterface>>(
        LazyCollection<lns::NetworkInterface>::Source{
            QStringLiteral("network interface"), QStringLiteral("in this object server"), false,
            [context] { return TopologyStore(context->db()).interfaceCount(); },
            [context, make](int position) {
                return make(TopologyStore(context->db()).interfaceAt(position));
            },
            [context, make](const QString& name) {
                return make(TopologyStore(context->db()).findInterface(name));
            }});
}

void SimServer::setActiveRemoteInterface(const std::shared_ptr<lns::NetworkInterface>& networkInterface)
{
    m_context->requireOpen();
    m_activeRemoteInterface = networkInterface ? networkInterface->name() : QString();
}

std::shared_ptr<lns::ComponentApps> SimServer::componentApps() const
{
    m_context->requireOpen();
    return std::make_shared<SimComponentApps>(m_context, ComponentAppOwner{}, 0,
                                              QStringLiteral("at the object server"));
}

std::unique_ptr<lns::ResourceCatalogue> SimServer::createResourceCatalogue() const
{
    return std::make_unique<SimResourceCatalogue>();
}

std::unique_ptr<lns::ResourceFileReader> SimServer::createResourceFileReader() const
{
    return std::make_unique<SimResourceFileReader>();
}

std::unique_ptr<lns::ProfileReader> SimServer::createProfileReader() const
{
    return std::make_unique<SimProfileReader>();
}

void SimServer::deliver(const PollResult& result)
{
    if (!m_context->isOpen() || !m_context->monitors().stillWanted(result.request))
        return;
    if (!result.ok) {
        emit nvUpdateError(result.request.tag);
        return;
    }
    const PollRequest& request = result.request;
    emit nvUpdate(request.tag, result.value,
                  std::make_shared<SimNetworkVariable>(m_context, request.owner, request.definition,
                                                       request.key.nvIndex));
}

} // namespace lnssim
