#pragma once

#include "host/object_server/ComponentApp.h"
#include "host/object_server/ConfigProperty.h"

#include <QString>
#include <memory>

namespace lns {

// A functional block ("LonMark object") of a device interface or a device template.
class FunctionalBlock
{
public:
    virtual ~FunctionalBlock() = default;
    virtual QString name() const = 0;
    virtual QString profileKey() const = 0;
    virtual std::shared_ptr<ConfigProperties> configProperties() const = 0;
    virtual int profileScope() const = 0;
    virtual void setProfileScope(int scope) = 0;
    // Commands registered at this LonMark object (meaningful on a template's block).
    virtual std::shared_ptr<ComponentApps> componentApps() const = 0;
};

using FunctionalBlocks = Collection<FunctionalBlock>;

} // namespace lns
