#include "lns/server/SimComponentApp.h"

#include "host/object_server/Error.h"
#include "lns/server/ServerContext.h"

namespace lnssim {

SimComponentApp::SimComponentApp(std::shared_ptr<ServerContext> context, qint64 id, qint64 systemId)
    : m_context(std::move(context)), m_id(id), m_systemId(systemId)
{
}

void SimComponentApp::setCommandId(int id)
{
    update(ComponentAppStore::Field::CommandId, qint64{id});
}

void SimComponentApp::setDescription(const QString& text)
{
    update(ComponentAppStore::Field::Description, text);
}

void SimComponentApp::setVersion(const QString& version)
{
    update(ComponentAppStore::Field::Version, version);
}

void SimComponentApp::setManufacturerId(const QString& id)
{
    update(ComponentAppStore::Field::ManufacturerId, id);
}

void SimComponentApp::setDefault(bool isDefault)
{
    update(ComponentAppStore::Field::Default, qint64{isDefault ? 1 : 0});
}

ComponentAppRow SimComponentApp::row() const
{
    const auto found = store().row(m_id);
    if (!found)
        removed();
    return *found;
}

void SimComponentApp::update(ComponentAppStore::Field field, const QString& text)
{
    if (!store().set(m_id, field, text))
        removed();
}

void SimComponentApp::update(ComponentAppStore::Field field, qint64 number)
{
    if (!store().set(m_id, field, number))
        removed();
}

void SimComponentApp::removed()
{
    throw lns::Error(lns::errors::NotFound, QStringLiteral("The component application was removed"));
}

ComponentAppStore SimComponentApp::store() const
{
    if (m_systemId)
        m_context->requireSystemOpen(m_systemId);
    else
        m_context->requireOpen();
    return ComponentAppStore(m_context->db());
}

} // namespace lnssim
