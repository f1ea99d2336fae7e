#pragma once

#include "host/object_server/ObjectServer.h"
#include "lns/monitor/PollResult.h"

#include <QString>
#include <memory>

class RegistryStore;

namespace lnssim {

class ServerContext;

// The simulated object server. Monitoring results of the polling worker are queued to this
// object's thread and emitted there as nvUpdate / nvUpdateError.
class SimServer final : public lns::ObjectServer
{
public:
    SimServer(const QString& lonWorksHome, RegistryStore& registry);
    SimServer(const QString& lonWorksHome, std::unique_ptr<RegistryStore> registry);
    ~SimServer() override;

    bool isOpen() const override;
    void open() override;
    void close() override;
    bool remote() const override { return m_remote; }
    void setRemote(bool remote) override { m_remote = remote; }
    void setOpenOption(bool on) override { m_openOption = on; }
    quint32 connectionFlags() const override { return m_connectionFlags; }
    void setConnectionFlags(quint32 flags) override { m_connectionFlags = flags; }

    std::shared_ptr<lns::Networks> networks() const override;
    std::shared_ptr<lns::NetworkInterfaces> networkInterfaces() const override;
    void setActiveRemoteInterface(const std::shared_ptr<lns::NetworkInterface>& networkInterface) override;
    std::shared_ptr<lns::ComponentApps> componentApps() const override;

    std::unique_ptr<lns::ResourceCatalogue> createResourceCatalogue() const override;
    std::unique_ptr<lns::ResourceFileReader> createResourceFileReader() const override;
    std::unique_ptr<lns::ProfileReader> createProfileReader() const override;

private:
    void deliver(const PollResult& result);

    std::shared_ptr<ServerContext> m_context;
    bool m_remote = false;
    bool m_openOption = false;
    quint32 m_connectionFlags = 0;
    QString m_activeRemoteInterface;
};

} // namespace lnssim
