#include "lns/server/SimConfigProperty.h"

#include "host/object_server/Error.h"
#include "lns/device/DeviceAccess.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"

namespace lnssim {

SimConfigProperty::SimConfigProperty(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                                     std::shared_ptr<const InterfaceDefinition> definition, int position)
    : m_context(std::move(context)), m_owner(std::move(owner)), m_definition(std::move(definition)),
      m_position(position)
{
}

QString SimConfigProperty::elementValue(int element) const
{
    m_context->requireSystemOpen(m_owner.systemId);
    requireElement(element);
    const CpDefinition& cp = definition();
    const QString stored = m_owner.isTemplate() ? cp.defaults[element]
                                                : m_context->access().readCp(m_owner.deviceId, cp, element);
    return value_codec::format(cp.type, stored, m_context->decimalSeparator());
}

void SimConfigProperty::setElementValue(int element, const QString& text)
{
    m_context->requireSystemOpen(m_owner.systemId);
    requireElement(element);
    const CpDefinition& cp = definition();
    if (m_owner.isTemplate())
        throw lns::Error(
            lns::errors::NotSupported,
            QStringLiteral("%1 of template \"%2\" holds the template's default and cannot be written")
                .arg(cp.name, m_owner.name));
    const QString stored = value_codec::parse(cp.type, text, m_context->decimalSeparator());
    m_context->access().writeCp(m_owner.deviceId, cp, element, stored);
}

void SimConfigProperty::requireElement(int element) const
{
    const CpDefinition& cp = definition();
    if (element < 0 || element >= cp.elements())
        throw lns::Error(lns::errors::BadArgument,
                         QStringLiteral("%1 of %2 has %3 element(s), numbered from 0; there is no element %4")
                             .arg(cp.name, m_owner.name)
                             .arg(cp.elements())
                             .arg(element));
}

std::shared_ptr<lns::ConfigProperties>
SimConfigProperty::collection(const std::shared_ptr<ServerContext>& context, const InterfaceOwner& owner,
                              const std::shared_ptr<const InterfaceDefinition>& definition, CpOwnerKind kind,
                              int ownerIndex, const QString& place)
{
    const std::vector<int> positions = definition->cpsOf(kind, ownerIndex);
    const auto make = [context, owner, definition](int position) -> std::shared_ptr<lns::ConfigProperty> {
        context->requireSystemOpen(owner.systemId);
        return std::make_shared<SimConfigProperty>(context, owner, definition, position);
    };
    return std::make_shared<LazyCollection<lns::ConfigProperty>>(LazyCollection<lns::ConfigProperty>::Source{
        QStringLiteral("configuration property"), place, false,
        [context, owner, positions] {
            context->requireSystemOpen(owner.systemId);
            return static_cast<int>(positions.size());
        },
        [positions, make](int position) -> std::shared_ptr<lns::ConfigProperty> {
            if (position < 1 || position > static_cast<int>(positions.size()))
                return nullptr;
            return make(positions[static_cast<std::size_t>(position - 1)]);
        },
        [positions, definition, make](const QString& name) -> std::shared_ptr<lns::ConfigProperty> {
            for (int position : positions) {
                if (definition->cps[static_cast<std::size_t>(position)].name == name)
                    return make(position);
            }
            return nullptr;
        }});
}

} // namespace lnssim
