#pragma once

#include "host/object_server/NetworkInterface.h"

namespace lnssim {

class SimNetworkInterface final : public lns::NetworkInterface
{
public:
    explicit SimNetworkInterface(QString name) : m_name(std::move(name)) {}
    QString name() const override { return m_name; }

private:
    QString m_name;
};

} // namespace lnssim
