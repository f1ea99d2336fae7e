#pragma once

#include "host/object_server/ComponentApp.h"
#include "host/object_server/DeviceTemplate.h"
#include "host/object_server/Subsystem.h"

#include <QString>
#include <memory>

namespace lns {

class System
{
public:
    virtual ~System() = default;
    virtual QString name() const = 0;
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // 1 = off-net.
    virtual int mode() const = 0;
    virtual std::shared_ptr<Subsystems> subsystems() const = 0;
    virtual std::shared_ptr<DeviceTemplates> deviceTemplates() const = 0;
    virtual std::shared_ptr<ComponentApps> componentApps() const = 0;
    virtual void setBoolOption1(bool on) = 0;
    virtual void setBoolOption2(bool on) = 0;
    virtual void setNumericOption(qint32 value) = 0;
};

using Systems = Collection<System>;

} // namespace lns
