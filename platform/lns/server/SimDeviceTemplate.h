#pragma once

#include "host/object_server/DeviceTemplate.h"
#include "lns/model/TemplateRow.h"

#include <memory>

namespace lnssim {

class ServerContext;

class SimDeviceTemplate final : public lns::DeviceTemplate
{
public:
    SimDeviceTemplate(std::shared_ptr<ServerContext> context, qint64 templateId, qint64 systemId);

    QString name() const override { return row().name; }
    QString programId() const override { return row().programId; }
    std::shared_ptr<lns::AppDevices> devices() const override;
    std::shared_ptr<lns::ComponentApps> componentApps() const override;
    std::shared_ptr<lns::FunctionalBlocks> lonMarkObjects() const override;
    // The path may use "\" as the platform's callers write it.
    void importXif(const QString& path) override;

private:
    TemplateRow row() const;

    std::shared_ptr<ServerContext> m_context;
    qint64 m_templateId;
    qint64 m_systemId;
};

} // namespace lnssim
