#pragma once

#include "host/object_server/Collection.h"

#include <QString>
#include <memory>

namespace lns {

class DeviceInterface;
class Subsystem;

// An application device of a system.
class AppDevice
{
public:
    virtual ~AppDevice() = default;
    virtual QString name() const = 0;
    virtual QString neuronId() const = 0;
    // 2 unconfigured, 3 applicationless, 4 configured online, 6 configured offline,
    // 12 soft offline, 140 configured bypass; asking an unreachable device throws.
    virtual int state() const = 0;
    virtual bool commissioned() const = 0;
    // The flag that skips the state query.
    virtual bool testFlag() const = 0;
    virtual QString programId() const = 0;
    virtual std::shared_ptr<DeviceInterface> deviceInterface() const = 0;
    virtual std::shared_ptr<Collection<Subsystem>> subsystems() const = 0;
};

using AppDevices = Collection<AppDevice>;

} // namespace lns
