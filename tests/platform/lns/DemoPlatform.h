#pragma once

#include "host/object_server/DeviceInterface.h"
#include "host/object_server/ObjectServer.h"
#include "lns/PlatformAdmin.h"
#include "registry/SqliteRegistryStore.h"
#include "support/TempLonWorksHome.h"

#include <QString>
#include <memory>

// The demo network in a private LonWorks home with an open object server, network and
// system, as the plug-in sees it.
class DemoPlatform final
{
public:
    explicit DemoPlatform(const QString& decimalSeparator = QStringLiteral(","));
    DemoPlatform(const DemoPlatform&) = delete;
    DemoPlatform& operator=(const DemoPlatform&) = delete;

    QString home() const { return m_home.path(); }
    lnssim::PlatformAdmin& admin() { return m_admin; }
    RegistryStore& registry() { return *m_registry; }
    lns::ObjectServer& server() { return *m_server; }
    lns::Network& network() { return *m_network; }
    lns::System& system() { return *m_system; }

    // Closes and opens server, network and system again.
    void reopen();
    std::shared_ptr<lns::AppDevice> device(const QString& subsystem, const QString& name);
    std::shared_ptr<lns::NetworkVariable> nv(const QString& subsystem, const QString& device, int nvIndex);
    // Resolves a catalogue identifier (F:b/C:s:i, N:n/C:s:i, C:s:i) as the plug-in does.
    std::shared_ptr<lns::ConfigProperty> cp(const QString& subsystem, const QString& device,
                                            const QString& id);

private:
    void open();

    TempLonWorksHome m_home;
    lnssim::PlatformAdmin m_admin;
    std::unique_ptr<SqliteRegistryStore> m_registry;
    std::unique_ptr<lns::ObjectServer> m_server;
    std::shared_ptr<lns::Network> m_network;
    std::shared_ptr<lns::System> m_system;
};
