#include "lns/SimObjectServer.h"

#include "lns/server/SimServer.h"

namespace lnssim {

std::unique_ptr<lns::ObjectServer> createObjectServer(const QString& lonWorksHome, RegistryStore& registry)
{
    return std::make_unique<SimServer>(lonWorksHome, registry);
}

} // namespace lnssim
