#pragma once

#include "host/object_server/FunctionalBlock.h"
#include "lns/model/InterfaceDefinition.h"
#include "lns/model/InterfaceOwner.h"

#include <memory>

namespace lnssim {

class ServerContext;

// A functional block of a device or of a device template. The profile scope is kept per
// device (a template's block has its own); a device block without one reports its template's.
class SimFunctionalBlock final : public lns::FunctionalBlock
{
public:
    SimFunctionalBlock(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                       std::shared_ptr<const InterfaceDefinition> definition, int block);

    QString name() const override;
    QString profileKey() const override;
    std::shared_ptr<lns::ConfigProperties> configProperties() const override;
    int profileScope() const override;
    void setProfileScope(int scope) override;
    // Commands registered at this LonMark object of the template.
    std::shared_ptr<lns::ComponentApps> componentApps() const override;

private:
    const BlockDefinition& definition() const
    {
        return m_definition->blocks[static_cast<std::size_t>(m_block)];
    }

    std::shared_ptr<ServerContext> m_context;
    InterfaceOwner m_owner;
    std::shared_ptr<const InterfaceDefinition> m_definition;
    int m_block;
};

} // namespace lnssim
