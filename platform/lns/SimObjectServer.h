#pragma once

#include "host/RegistryStore.h"
#include "host/object_server/ObjectServer.h"

#include <QString>
#include <memory>

namespace lnssim {

// The simulated LNS object server over the network databases in the LonWorks home.
// The registry gives the user's decimal separator ("sDecimal").
std::unique_ptr<lns::ObjectServer> createObjectServer(const QString& lonWorksHome, RegistryStore& registry);
// The same with a registry store of its own over the registry file: a server that another
// thread can own, since a store belongs to the thread that uses it.
std::unique_ptr<lns::ObjectServer> createObjectServer(const QString& lonWorksHome,
                                                      const QString& registryFile);

} // namespace lnssim
