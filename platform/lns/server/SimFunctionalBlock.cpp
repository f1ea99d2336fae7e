#include "lns/server/SimFunctionalBlock.h"

#include "host/object_server/Error.h"
#include "lns/db/TemplateStore.h"
#include "lns/db/ValueStore.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimComponentApps.h"
#include "lns/server/SimConfigProperty.h"

namespace lnssim {

namespace {
constexpr int HighestScope = 6;
}

SimFunctionalBlock::SimFunctionalBlock(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                                       std::shared_ptr<const InterfaceDefinition> definition, int block)
    : m_context(std::move(context)), m_owner(std::move(owner)), m_definition(std::move(definition)),
      m_block(block)
{
}

QString SimFunctionalBlock::name() const
{
    return definition().name;
}

QString SimFunctionalBlock::profileKey() const
{
    return definition().profileKey;
}

std::shared_ptr<lns::ConfigProperties> SimFunctionalBlock::configProperties() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    return SimConfigProperty::collection(
        m_context, m_owner, m_definition, CpOwnerKind::Block, m_block,
        QStringLiteral("of block %1 of %2").arg(definition().name, m_owner.name));
}

int SimFunctionalBlock::profileScope() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    const auto templateScope = TemplateStore(m_context->db()).blockScope(m_owner.templateId, m_block);
    if (m_owner.isTemplate())
        return templateScope.value_or(0);
    return ValueStore(m_context->db())
        .blockScope(m_owner.deviceId, m_block)
        .value_or(templateScope.value_or(0));
}

void SimFunctionalBlock::setProfileScope(int scope)
{
    m_context->requireSystemOpen(m_owner.systemId);
    if (scope < 0 || scope > HighestScope)
        throw lns::Error(lns::errors::BadArgument,
                         QStringLiteral("The resource scope %1 for block %2 of %3 is not one of 0 to 6")
                             .arg(scope)
                             .arg(definition().name, m_owner.name));
    if (m_owner.isTemplate())
        TemplateStore(m_context->db()).setBlockScope(m_owner.templateId, m_block, scope);
    else
        ValueStore(m_context->db()).setBlockScope(m_owner.deviceId, m_block, scope);
}

std::shared_ptr<lns::ComponentApps> SimFunctionalBlock::componentApps() const
{
    m_context->requireSystemOpen(m_owner.systemId);
    return std::make_shared<SimComponentApps>(
        m_context, ComponentAppOwner{4, 0, m_owner.templateId, m_block}, m_owner.systemId,
        QStringLiteral("at LonMark object %1 of the template of %2").arg(definition().name, m_owner.name));
}

} // namespace lnssim
