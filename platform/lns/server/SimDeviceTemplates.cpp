#include "lns/server/SimDeviceTemplates.h"

#include "host/object_server/Error.h"
#include "lns/db/DeviceStore.h"
#include "lns/db/TemplateStore.h"
#include "lns/server/CollectionErrors.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimDeviceTemplate.h"

namespace lnssim {

namespace {
const QString ItemKind = QStringLiteral("device template");
}

SimDeviceTemplates::SimDeviceTemplates(std::shared_ptr<ServerContext> context, NamedRow system)
    : m_context(std::move(context)), m_system(std::move(system))
{
}

int SimDeviceTemplates::count() const
{
    m_context->requireSystemOpen(m_system.id);
    return TemplateStore(m_context->db()).count(m_system.id);
}

std::shared_ptr<lns::DeviceTemplate> SimDeviceTemplates::item(int position) const
{
    m_context->requireSystemOpen(m_system.id);
    const auto row = TemplateStore(m_context->db()).at(m_system.id, position);
    if (!row)
        collection_errors::missingPosition(ItemKind, position, place(), count());
    return make(row->id);
}

std::shared_ptr<lns::DeviceTemplate> SimDeviceTemplates::item(const QString& name) const
{
    m_context->requireSystemOpen(m_system.id);
    const auto row = TemplateStore(m_context->db()).find(m_system.id, name);
    if (!row)
        collection_errors::missingName(ItemKind, name, place());
    return make(row->id);
}

std::shared_ptr<lns::DeviceTemplate> SimDeviceTemplates::findByProgramId(const QString& programId) const
{
    m_context->requireSystemOpen(m_system.id);
    const auto row = TemplateStore(m_context->db()).findByProgramId(m_system.id, programId);
    if (!row)
        throw lns::Error(lns::errors::NotFound,
                         QStringLiteral("No device template for program ID %1 %2").arg(programId, place()));
    return make(row->id);
}

std::shared_ptr<lns::DeviceTemplate> SimDeviceTemplates::add(const QString& name, int kind)
{
    m_context->requireSystemOpen(m_system.id);
    if (name.trimmed().isEmpty())
        throw lns::Error(lns::errors::BadArgument, QStringLiteral("A device template needs a name"));
    TemplateStore templates(m_context->db());
    if (templates.find(m_system.id, name))
        throw lns::Error(
            lns::errors::AlreadyExists,
            QStringLiteral("A device template named \"%1\" already exists %2").arg(name, place()));
    return make(templates.add(m_system.id, name, kind));
}

void SimDeviceTemplates::remove(const QString& name)
{
    m_context->requireSystemOpen(m_system.id);
    TemplateStore templates(m_context->db());
    const auto row = templates.find(m_system.id, name);
    if (!row)
        collection_errors::missingName(ItemKind, name, place());
    const int users = DeviceStore(m_context->db()).countOfTemplate(row->id);
    if (users > 0)
        throw lns::Error(
            lns::errors::NotSupported,
            QStringLiteral("The device template \"%1\" is used by %2 device(s) and cannot be removed")
                .arg(row->name)
                .arg(users));
    templates.remove(row->id);
}

std::shared_ptr<lns::DeviceTemplate> SimDeviceTemplates::make(qint64 templateId) const
{
    return std::make_shared<SimDeviceTemplate>(m_context, templateId, m_system.id);
}

QString SimDeviceTemplates::place() const
{
    return QStringLiteral("in network \"%1\"").arg(m_system.name);
}

} // namespace lnssim
