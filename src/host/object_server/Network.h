#pragma once

#include "host/object_server/System.h"

#include <QString>
#include <memory>

namespace lns {

class Network
{
public:
    virtual ~Network() = default;
    virtual QString name() const = 0;
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual std::shared_ptr<Systems> systems() const = 0;
};

using Networks = Collection<Network>;

} // namespace lns
