#pragma once

#include "host/object_server/ConfigProperty.h"
#include "host/object_server/FunctionalBlock.h"
#include "host/object_server/NetworkVariable.h"

#include <memory>

namespace lns {

class DeviceInterface
{
public:
    virtual ~DeviceInterface() = default;
    virtual std::shared_ptr<NetworkVariables> networkVariables() const = 0;
    // Counted from 1 in the device's block order.
    virtual std::shared_ptr<FunctionalBlocks> functionalBlocks() const = 0;
    virtual std::shared_ptr<ConfigProperties> configProperties() const = 0;
};

} // namespace lns
