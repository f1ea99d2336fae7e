#pragma once

#include "host/object_server/AppDevice.h"

#include <QString>
#include <memory>

namespace lns {

class Subsystem
{
public:
    virtual ~Subsystem() = default;
    // The name is the subsystem's default text.
    virtual QString name() const = 0;
    // Full path, for example "Building/Floor 1".
    virtual QString path() const = 0;
    virtual std::shared_ptr<AppDevices> applicationDevices() const = 0;
};

using Subsystems = Collection<Subsystem>;

} // namespace lns
