#pragma once

#include "host/object_server/ComponentApp.h"
#include "lns/db/ComponentAppStore.h"
#include "lns/model/ComponentAppRow.h"

#include <memory>

namespace lnssim {

class ServerContext;

class SimComponentApp final : public lns::ComponentApp
{
public:
    SimComponentApp(std::shared_ptr<ServerContext> context, qint64 id, qint64 systemId);

    QString name() const override { return row().name; }
    QString progId() const override { return row().progId; }
    int objectClass() const override { return row().objectClass; }
    int commandId() const override { return row().commandId; }
    void setCommandId(int id) override;
    QString description() const override { return row().description; }
    void setDescription(const QString& text) override;
    QString version() const override { return row().version; }
    void setVersion(const QString& version) override;
    QString manufacturerId() const override { return row().manufacturerId; }
    void setManufacturerId(const QString& id) override;
    bool isDefault() const override { return row().isDefault; }
    void setDefault(bool isDefault) override;

private:
    ComponentAppRow row() const;
    void update(ComponentAppStore::Field field, const QString& text);
    void update(ComponentAppStore::Field field, qint64 number);
    [[noreturn]] static void removed();
    ComponentAppStore store() const;

    std::shared_ptr<ServerContext> m_context;
    qint64 m_id;
    qint64 m_systemId;
};

} // namespace lnssim
