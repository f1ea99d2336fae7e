#pragma once

#include "host/object_server/ConfigProperty.h"

#include <QString>
#include <memory>

namespace lns {

// A network variable of a device, with the monitoring settings the object server polls by.
class NetworkVariable
{
public:
    virtual ~NetworkVariable() = default;
    virtual QString name() const = 0;
    virtual int index() const = 0;
    // Reads and writes go to the device and need it online.
    virtual QString value() const = 0;
    virtual void setValue(const QString& text) = 0;
    virtual std::shared_ptr<ConfigProperties> configProperties() const = 0;

    // While held, no update is reported for this NV.
    virtual bool hold() const = 0;
    virtual void setHold(bool hold) = 0;
    // Poll interval in tenths of a second.
    virtual int pollInterval() const = 0;
    virtual void setPollInterval(int tenths) = 0;
    virtual bool monitorEnabled() const = 0;
    virtual void setMonitorEnabled(bool enabled) = 0;
    virtual int monitorMode() const = 0;
    virtual void setMonitorMode(int mode) = 0;
    virtual bool monitorOption1() const = 0;
    virtual void setMonitorOption1(bool on) = 0;
    virtual bool monitorOption2() const = 0;
    virtual void setMonitorOption2(bool on) = 0;
    // Key handed back with every monitoring event; 0 = not monitored by the plug-in.
    virtual qint32 tag() const = 0;
    virtual void setTag(qint32 tag) = 0;
};

// NVs of a device interface: item(int) fetches by NV index (not by position), item(QString) by name.
using NetworkVariables = Collection<NetworkVariable>;

} // namespace lns
