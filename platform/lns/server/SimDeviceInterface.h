#pragma once

#include "host/object_server/DeviceInterface.h"
#include "lns/model/InterfaceDefinition.h"
#include "lns/model/InterfaceOwner.h"

#include <memory>

namespace lnssim {

class ServerContext;

class SimDeviceInterface final : public lns::DeviceInterface
{
public:
    SimDeviceInterface(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                       std::shared_ptr<const InterfaceDefinition> definition);

    std::shared_ptr<lns::NetworkVariables> networkVariables() const override;
    std::shared_ptr<lns::FunctionalBlocks> functionalBlocks() const override;
    std::shared_ptr<lns::ConfigProperties> configProperties() const override;

    // The blocks of a device or template, counted from 1.
    static std::shared_ptr<lns::FunctionalBlocks>
    blocks(const std::shared_ptr<ServerContext>& context, const InterfaceOwner& owner,
           const std::shared_ptr<const InterfaceDefinition>& definition);

private:
    std::shared_ptr<ServerContext> m_context;
    InterfaceOwner m_owner;
    std::shared_ptr<const InterfaceDefinition> m_definition;
};

} // namespace lnssim
