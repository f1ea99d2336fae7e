#pragma once

#include "lns/model/InterfaceDefinition.h"
#include "lns/model/InterfaceOwner.h"
#include "lns/monitor/MonitorPointKey.h"

#include <memory>

namespace lnssim {

// One poll the worker is to make, with the settings generation it was made for.
struct PollRequest
{
    MonitorPointKey key;
    InterfaceOwner owner;
    quint64 generation = 0;
    qint32 tag = 0;
    std::shared_ptr<const InterfaceDefinition> definition;
};

} // namespace lnssim
