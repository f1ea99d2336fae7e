#include "lns/server/SimDeviceTemplate.h"

#include "host/object_server/Error.h"
#include "lns/db/DeviceStore.h"
#include "lns/db/TemplateStore.h"
#include "lns/server/LazyCollection.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimAppDevice.h"
#include "lns/server/SimComponentApps.h"
#include "lns/server/SimDeviceInterface.h"
#include "lns/xif/TemplateImporter.h"

namespace lnssim {

SimDeviceTemplate::SimDeviceTemplate(std::shared_ptr<ServerContext> context, qint64 templateId,
                                     qint64 systemId)
    : m_context(std::move(context)), m_templateId(templateId), m_systemId(systemId)
{
}

std::shared_ptr<lns::AppDevices> SimDeviceTemplate::devices() const
{
    const TemplateRow current = row();
    const auto context = m_context;
    const qint64 systemId = m_systemId;
    const qint64 templateId = m_templateId;
    const auto make = [context,
                       systemId](const std::optional<qint64>& id) -> std::shared_ptr<lns::AppDevice> {
        return id ? std::make_shared<SimAppDevice>(context, *id, systemId) : nullptr;
    };
    // Walking the collection item by item continues from the item before instead of counting
    // from the start each time, which made a walk over a large template quadratic.
    struct Cursor
    {
        int position = 0;
        qint64 deviceId = 0;
    };
    const auto cursor = std::make_shared<Cursor>();
    return std::make_shared<LazyCollection<lns::AppDevice>>(LazyCollection<lns::AppDevice>::Source{
        QStringLiteral("device"), QStringLiteral("using template \"%1\"").arg(current.name), false,
        [context, systemId, templateId] {
            context->requireSystemOpen(systemId);
            return DeviceStore(context->db()).countOfTemplate(templateId);
        },
        [context, systemId, templateId, make, cursor](int position) {
            context->requireSystemOpen(systemId);
            DeviceStore store(context->db());
            const std::optional<qint64> id = cursor->position > 0 && position == cursor->position + 1
                                                 ? store.ofTemplateAfter(templateId, cursor->deviceId)
                                                 : store.ofTemplateAt(templateId, position);
            *cursor = id ? Cursor{position, *id} : Cursor{};
            return make(id);
        },
        [context, systemId, templateId, make](const QString& name) {
            context->requireSystemOpen(systemId);
            return make(DeviceStore(context->db()).findOfTemplate(templateId, name));
        }});
}

std::shared_ptr<lns::ComponentApps> SimDeviceTemplate::componentApps() const
{
    const TemplateRow current = row();
    return std::make_shared<SimComponentApps>(m_context, ComponentAppOwner{3, 0, m_templateId, -1},
                                              m_systemId,
                                              QStringLiteral("at device template \"%1\"").arg(current.name));
}

std::shared_ptr<lns::FunctionalBlocks> SimDeviceTemplate::lonMarkObjects() const
{
    const TemplateRow current = row();
    return SimDeviceInterface::blocks(
        m_context, InterfaceOwner{m_systemId, 0, m_templateId, current.name},
        m_context->interfaces().definition(m_context->db(), m_templateId, current.revision));
}

void SimDeviceTemplate::importXif(const QString& path)
{
    m_context->requireSystemOpen(m_systemId);
    TemplateImporter(m_context->db()).importFile(m_templateId, path);
}

TemplateRow SimDeviceTemplate::row() const
{
    m_context->requireSystemOpen(m_systemId);
    const auto found = TemplateStore(m_context->db()).row(m_templateId);
    if (!found)
        throw lns::Error(
            lns::errors::NotFound,
            QStringLiteral("The device template no longer exists in the network database (it was "
                           "removed)"));
    return *found;
}

} // namespace lnssim
