#include "lns/SimObjectServer.h"

#include "lns/server/SimServer.h"
#include "registry/SqliteRegistryStore.h"

namespace lnssim {

std::unique_ptr<lns::ObjectServer> createObjectServer(const QString& lonWorksHome, RegistryStore& registry)
{
    return std::make_unique<SimServer>(lonWorksHome, registry);
}

std::unique_ptr<lns::ObjectServer> createObjectServer(const QString& lonWorksHome,
                                                      const QString& registryFile)
{
    return std::make_unique<SimServer>(lonWorksHome, std::make_unique<SqliteRegistryStore>(registryFile));
}

} // namespace lnssim
