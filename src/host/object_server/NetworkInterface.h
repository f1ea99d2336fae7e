#pragma once

#include "host/object_server/Collection.h"

#include <QString>

namespace lns {

class NetworkInterface
{
public:
    virtual ~NetworkInterface() = default;
    virtual QString name() const = 0;
};

using NetworkInterfaces = Collection<NetworkInterface>;

} // namespace lns
