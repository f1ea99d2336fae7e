#pragma once

#include "host/object_server/NetworkVariable.h"
#include "lns/model/InterfaceDefinition.h"
#include "lns/model/InterfaceOwner.h"
#include "lns/monitor/MonitorSettings.h"

#include <functional>
#include <memory>

namespace lnssim {

class ServerContext;

// An NV of a device. Its value is read from and written to the device; its monitoring
// settings belong to this object server session.
class SimNetworkVariable final : public lns::NetworkVariable
{
public:
    SimNetworkVariable(std::shared_ptr<ServerContext> context, InterfaceOwner owner,
                       std::shared_ptr<const InterfaceDefinition> definition, int nvIndex);

    QString name() const override { return definition().name; }
    int index() const override { return m_nvIndex; }
    QString value() const override;
    void setValue(const QString& text) override;
    std::shared_ptr<lns::ConfigProperties> configProperties() const override;

    bool hold() const override { return settings().hold; }
    void setHold(bool hold) override;
    int pollInterval() const override { return settings().pollInterval; }
    void setPollInterval(int tenths) override;
    bool monitorEnabled() const override { return settings().enabled; }
    void setMonitorEnabled(bool enabled) override;
    int monitorMode() const override { return settings().mode; }
    void setMonitorMode(int mode) override;
    bool monitorOption1() const override { return settings().option1; }
    void setMonitorOption1(bool on) override;
    bool monitorOption2() const override { return settings().option2; }
    void setMonitorOption2(bool on) override;
    qint32 tag() const override { return settings().tag; }
    void setTag(qint32 tag) override;

private:
    const NvDefinition& definition() const;
    MonitorSettings settings() const;
    void changeSettings(const std::function<void(MonitorSettings&)>& edit);

    std::shared_ptr<ServerContext> m_context;
    InterfaceOwner m_owner;
    std::shared_ptr<const InterfaceDefinition> m_definition;
    int m_nvIndex;
};

} // namespace lnssim
