#include "lns/server/SimComponentApps.h"

#include "host/object_server/Error.h"
#include "lns/db/ComponentAppStore.h"
#include "lns/server/CollectionErrors.h"
#include "lns/server/ServerContext.h"
#include "lns/server/SimComponentApp.h"

namespace lnssim {

namespace {
const QString ItemKind = QStringLiteral("component application");
}

SimComponentApps::SimComponentApps(std::shared_ptr<ServerContext> context, ComponentAppOwner owner,
                                   qint64 systemId, QString place)
    : m_context(std::move(context)), m_owner(owner), m_systemId(systemId), m_place(std::move(place))
{
}

int SimComponentApps::count() const
{
    requireOpen();
    return ComponentAppStore(m_context->db()).count(m_owner);
}

std::shared_ptr<lns::ComponentApp> SimComponentApps::item(int position) const
{
    requireOpen();
    const auto id = ComponentAppStore(m_context->db()).at(m_owner, position);
    if (!id)
        collection_errors::missingPosition(ItemKind, position, m_place, count());
    return make(*id);
}

std::shared_ptr<lns::ComponentApp> SimComponentApps::item(const QString& name) const
{
    requireOpen();
    const auto id = ComponentAppStore(m_context->db()).find(m_owner, name);
    if (!id)
        collection_errors::missingName(ItemKind, name, m_place);
    return make(*id);
}

std::shared_ptr<lns::ComponentApp> SimComponentApps::add(const QString& name, const QString& progId,
                                                         int objectClass)
{
    requireOpen();
    if (name.trimmed().isEmpty())
        throw lns::Error(lns::errors::BadArgument, QStringLiteral("A component application needs a name"));
    ComponentAppStore store(m_context->db());
    if (store.find(m_owner, name))
        throw lns::Error(
            lns::errors::AlreadyExists,
            QStringLiteral("A component application named \"%1\" already exists %2").arg(name, m_place));
    return make(store.add(m_owner, name, progId, objectClass));
}

void SimComponentApps::remove(int position)
{
    requireOpen();
    ComponentAppStore store(m_context->db());
    const auto id = store.at(m_owner, position);
    if (!id)
        collection_errors::missingPosition(ItemKind, position, m_place, count());
    store.remove(*id);
}

void SimComponentApps::requireOpen() const
{
    if (m_systemId)
        m_context->requireSystemOpen(m_systemId);
    else
        m_context->requireOpen();
}

std::shared_ptr<lns::ComponentApp> SimComponentApps::make(qint64 id) const
{
    return std::make_shared<SimComponentApp>(m_context, id, m_systemId);
}

} // namespace lnssim
