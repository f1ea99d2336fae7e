#pragma once

#include "host/object_server/Network.h"
#include "lns/model/NamedRow.h"

#include <memory>

namespace lnssim {

class ServerContext;

class SimNetwork final : public lns::Network
{
public:
    SimNetwork(std::shared_ptr<ServerContext> context, NamedRow row);

    QString name() const override { return m_row.name; }
    void open() override;
    // Closes its system too and ends the monitoring of its devices.
    void close() override;
    bool isOpen() const override;
    std::shared_ptr<lns::Systems> systems() const override;

private:
    std::shared_ptr<ServerContext> m_context;
    NamedRow m_row;
};

} // namespace lnssim
