#pragma once

#include "host/object_server/Subsystem.h"
#include "lns/model/SubsystemRow.h"

#include <memory>

namespace lnssim {

class ServerContext;

class SimSubsystem final : public lns::Subsystem
{
public:
    SimSubsystem(std::shared_ptr<ServerContext> context, SubsystemRow row);

    QString name() const override { return m_row.name; }
    QString path() const override { return m_row.path; }
    std::shared_ptr<lns::AppDevices> applicationDevices() const override;

private:
    std::shared_ptr<ServerContext> m_context;
    SubsystemRow m_row;
};

} // namespace lnssim
