#pragma once

#include "host/object_server/System.h"
#include "lns/model/NamedRow.h"

#include <memory>

namespace lnssim {

class ServerContext;

class SimSystem final : public lns::System
{
public:
    SimSystem(std::shared_ptr<ServerContext> context, NamedRow row, qint64 networkId);

    QString name() const override { return m_row.name; }
    void open() override;
    void close() override;
    bool isOpen() const override;
    int mode() const override;
    std::shared_ptr<lns::Subsystems> subsystems() const override;
    std::shared_ptr<lns::DeviceTemplates> deviceTemplates() const override;
    std::shared_ptr<lns::ComponentApps> componentApps() const override;
    void setBoolOption1(bool on) override;
    void setBoolOption2(bool on) override;
    void setNumericOption(qint32 value) override;

private:
    std::shared_ptr<ServerContext> m_context;
    NamedRow m_row;
    qint64 m_networkId;
};

} // namespace lnssim
