#pragma once

#include "host/object_server/ComponentApp.h"
#include "lns/model/ComponentAppOwner.h"

#include <memory>

namespace lnssim {

class ServerContext;

// The component applications at one place; names are unique within it.
class SimComponentApps final : public lns::ComponentApps
{
public:
    // systemId 0: the object server's own collection, which needs only the server open.
    SimComponentApps(std::shared_ptr<ServerContext> context, ComponentAppOwner owner, qint64 systemId,
                     QString place);

    int count() const override;
    std::shared_ptr<lns::ComponentApp> item(int position) const override;
    std::shared_ptr<lns::ComponentApp> item(const QString& name) const override;
    std::shared_ptr<lns::ComponentApp> add(const QString& name, const QString& progId,
                                           int objectClass) override;
    void remove(int position) override;

private:
    void requireOpen() const;
    std::shared_ptr<lns::ComponentApp> make(qint64 id) const;

    std::shared_ptr<ServerContext> m_context;
    ComponentAppOwner m_owner;
    qint64 m_systemId;
    QString m_place;
};

} // namespace lnssim
