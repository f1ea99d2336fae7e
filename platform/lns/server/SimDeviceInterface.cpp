#include "lns/server/SimDeviceInterface.h"

#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimConfigProperty.h"
#include "lns/server/SimFunctionalBlock.h"
#include "lns/server/SimNetworkVariable.h"

namespace lnssim {

SimDeviceInterface::SimDeviceInterface(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                                       std::shared_ptr<const InterfaceDefinition> definition)
    : m_context(std::move(context)), m_owner(std::move(owner)), m_definition(std::move(definition))
{
}

std::shared_ptr<lns::NetworkVariables> SimDeviceInterface::networkVariables() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    const auto context = m_context;
    const auto owner = m_owner;
    const auto definition = m_definition;
    const auto make = [context, owner,
                       definition](const NvDefinition* nv) -> std::shared_ptr<lns::NetworkVariable> {
        context->requireSystemOpen(owner.systemId);
        return nv ? std::make_shared<SimNetworkVariable>(context, owner, definition, nv->index) : nullptr;
    };
    return std::make_shared<LazyCollection<lns::NetworkVariable>>(
        LazyCollection<lns::NetworkVariable>::Source{
            QStringLiteral("network variable"), QStringLiteral("on %1").arg(m_owner.name), true,
            [context, owner, definition] {
                context->requireSystemOpen(owner.systemId);
                return static_cast<int>(definition->nvs.size());
            },
            [definition, make](int index) { return make(definition->findNv(index)); },
            [definition, make](const QString& name) { return make(definition->findNv(name)); }});
}

std::shared_ptr<lns::FunctionalBlocks> SimDeviceInterface::functionalBlocks() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    return blocks(m_context, m_owner, m_definition);
}

std::shared_ptr<lns::ConfigProperties> SimDeviceInterface::configProperties() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    return SimConfigProperty::collection(m_context, m_owner, m_definition, CpOwnerKind::Interface, 0,
                                         QStringLiteral("of the interface of %1").arg(m_owner.name));
}

std::shared_ptr<lns::FunctionalBlocks>
SimDeviceInterface::blocks(const std::shared_ptr<ServerContext>& context, const InterfaceOwner& owner,
                           const std::shared_ptr<const InterfaceDefinition>& definition)
{
    const auto make = [context, owner, definition](int block) -> std::shared_ptr<lns::FunctionalBlock> {
        context->requireSystemOpen(owner.systemId);
        if (block < 0 || block >= static_cast<int>(definition->blocks.size()))
            return nullptr;
        return std::make_shared<SimFunctionalBlock>(context, owner, definition, block);
    };
    return std::make_shared<LazyCollection<lns::FunctionalBlock>>(
        LazyCollection<lns::FunctionalBlock>::Source{
            QStringLiteral("functional block"), QStringLiteral("on %1").arg(owner.name), false,
            [context, owner, definition] {
                context->requireSystemOpen(owner.systemId);
                return static_cast<int>(definition->blocks.size());
            },
            [make](int position) { return make(position - 1); },
            [definition, make](const QString& name) {
                for (const BlockDefinition& block : definition->blocks) {
                    if (block.name.compare(name, Qt::CaseInsensitive) == 0)
                        return make(block.index);
                }
                return std::shared_ptr<lns::FunctionalBlock>();
            }});
}

} // namespace lnssim
