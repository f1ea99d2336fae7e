#include "support/BenchPlatform.h"

#include "host/LonWorksHome.h"
#include "host/RegistryKeys.h"
#include "lns/SimObjectServer.h"

namespace {

bool createDemo(lnssim::PlatformAdmin& admin, int transactionMs)
{
    admin.createDemo();
    admin.setTransactionTime(BenchPlatform::Network, transactionMs);
    return true;
}

} // namespace

BenchHome::BenchHome()
{
    qputenv("LONWORKS_HOME", dir.path().toUtf8());
}

BenchPlatform::BenchPlatform(int transactionMs)
    : demoCreated(createDemo(admin, transactionMs)), registry(lonworks_home::registryFile()),
      server(lnssim::createObjectServer(home.path(), registry))
{
    registry.writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                        registry_keys::LanguageValue, QStringLiteral("english"));
    server->open();
    connection.ServerOpen = true;
    connection.network = server->networks()->item(Network);
    connection.network->open();
    connection.system = connection.network->systems()->item(1);
    connection.system->open();
    connection.NetworkOpen = true;
    commands.fill();
}

std::shared_ptr<lns::AppDevice> BenchPlatform::device(const QString& subsystem, const QString& name) const
{
    return connection.system->subsystems()->item(subsystem)->applicationDevices()->item(name);
}
