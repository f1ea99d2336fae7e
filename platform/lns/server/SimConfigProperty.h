#pragma once

#include "host/object_server/ConfigProperty.h"
#include "lns/model/InterfaceDefinition.h"
#include "lns/model/InterfaceOwner.h"

#include <memory>

namespace lnssim {

class ServerContext;

// A CP of a device, or of a template (read-only here: its defaults). Device values live in
// the network database; a write to an online device also goes to the device.
class SimConfigProperty final : public lns::ConfigProperty
{
public:
    SimConfigProperty(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                      std::shared_ptr<const InterfaceDefinition> definition, int position);

    int typeScope() const override { return definition().scope; }
    int typeIndex() const override { return definition().typeIndex; }
    QString name() const override { return definition().name; }
    QString value() const override { return elementValue(0); }
    void setValue(const QString& text) override { setElementValue(0, text); }
    int elementCount() const override { return definition().elements(); }
    QString elementValue(int element) const override;
    void setElementValue(int element, const QString& text) override;

    // The CPs of one owner, counted from 1 in interface file order.
    static std::shared_ptr<lns::ConfigProperties>
    collection(const std::shared_ptr<ServerContext>& context, const InterfaceOwner& owner,
               const std::shared_ptr<const InterfaceDefinition>& definition, CpOwnerKind kind, int ownerIndex,
               const QString& place);

private:
    const CpDefinition& definition() const { return m_definition->cps[static_cast<std::size_t>(m_position)]; }
    void requireElement(int element) const;

    std::shared_ptr<ServerContext> m_context;
    InterfaceOwner m_owner;
    std::shared_ptr<const InterfaceDefinition> m_definition;
    int m_position;
};

} // namespace lnssim
