#pragma once

#include "host/object_server/DeviceTemplate.h"
#include "lns/model/NamedRow.h"

#include <memory>

namespace lnssim {

class ServerContext;

// The device templates of a system (the template library's "deviceTemplates").
class SimDeviceTemplates final : public lns::DeviceTemplates
{
public:
    SimDeviceTemplates(std::shared_ptr<ServerContext> context, NamedRow system);

    int count() const override;
    std::shared_ptr<lns::DeviceTemplate> item(int position) const override;
    std::shared_ptr<lns::DeviceTemplate> item(const QString& name) const override;
    // Throws NotFound when no template has the program ID.
    std::shared_ptr<lns::DeviceTemplate> findByProgramId(const QString& programId) const override;
    std::shared_ptr<lns::DeviceTemplate> add(const QString& name, int kind) override;
    // Refused while devices use the template.
    void remove(const QString& name) override;

private:
    std::shared_ptr<lns::DeviceTemplate> make(qint64 templateId) const;
    QString place() const;

    std::shared_ptr<ServerContext> m_context;
    NamedRow m_system;
};

} // namespace lnssim
