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

ChannelFloors ChannelFloors::between(const QList<lnssim::PlatformAdmin::Channel>& before,
                                     const QList<lnssim::PlatformAdmin::Channel>& after)
{
    ChannelFloors floors;
    for (qsizetype channel = 0; channel < after.size(); ++channel) {
        lnssim::PlatformAdmin::Channel carried = after.at(channel);
        // A channel added between the readings carried everything it counts.
        if (channel < before.size()) {
            carried.carried.busyNs -= before.at(channel).carried.busyNs;
            carried.carried.transactions -= before.at(channel).carried.transactions;
        }
        floors.sumNs += carried.floorNs();
        floors.busiestNs = std::max(floors.busiestNs, carried.floorNs());
    }
    return floors;
}

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
    connection.CurrentNetworkName = connection.network->name();
    connection.system = connection.network->systems()->item(1);
    connection.system->open();
    connection.NetworkOpen = true;
    commands.fill();
}

std::shared_ptr<lns::AppDevice> BenchPlatform::device(const QString& subsystem, const QString& name) const
{
    return connection.system->subsystems()->item(subsystem)->applicationDevices()->item(name);
}
