#pragma once

#include "host/RegistryStore.h"
#include "host/object_server/ObjectServer.h"

#include <QString>
#include <memory>

namespace lnssim {

// The simulated LNS object server over the network databases in the LonWorks home.
// The registry gives the user's decimal separator ("sDecimal").
std::unique_ptr<lns::ObjectServer> createObjectServer(const QString& lonWorksHome, RegistryStore& registry);

} // namespace lnssim
