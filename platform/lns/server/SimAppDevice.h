#pragma once

#include "host/object_server/AppDevice.h"
#include "lns/model/DeviceRecord.h"

#include <memory>

namespace lnssim {

class ServerContext;

// A device of the network database; every property is read afresh, since another process may
// change the device at any time.
class SimAppDevice final : public lns::AppDevice
{
public:
    SimAppDevice(std::shared_ptr<ServerContext> context, qint64 deviceId, qint64 systemId);

    QString name() const override;
    QString neuronId() const override;
    int state() const override;
    bool commissioned() const override;
    bool testFlag() const override;
    QString programId() const override;
    QString channel() const override;
    std::shared_ptr<lns::DeviceInterface> deviceInterface() const override;
    std::shared_ptr<lns::Collection<lns::Subsystem>> subsystems() const override;
    QList<lns::CpSetValue> writeConfigProperties(const QList<lns::CpSetValue>& values) override;
    qint64 stateQueryFloorNs() const override;
    qint64 configPropertiesWriteFloorNs(const QList<lns::CpSetValue>& values) const override;

private:
    DeviceRecord record() const;

    std::shared_ptr<ServerContext> m_context;
    qint64 m_deviceId;
    qint64 m_systemId;
};

} // namespace lnssim
