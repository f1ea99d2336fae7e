#pragma once

#include "host/object_server/AppDevice.h"
#include "host/object_server/ComponentApp.h"
#include "host/object_server/FunctionalBlock.h"

#include <QString>
#include <memory>

namespace lns {

class DeviceTemplate
{
public:
    virtual ~DeviceTemplate() = default;
    virtual QString name() const = 0;
    virtual QString programId() const = 0;
    // Devices using this template, counted from 1.
    virtual std::shared_ptr<AppDevices> devices() const = 0;
    virtual std::shared_ptr<ComponentApps> componentApps() const = 0;
    virtual std::shared_ptr<FunctionalBlocks> lonMarkObjects() const = 0;
    // Gives the template its program ID and interface from a device interface file.
    virtual void importXif(const QString& path) = 0;
};

// The template library's device templates: item(QString) finds by name.
class DeviceTemplates : public Collection<DeviceTemplate>
{
public:
    // Throws lns::Error (NotFound) when no template has the program ID.
    virtual std::shared_ptr<DeviceTemplate> findByProgramId(const QString& programId) const = 0;
    virtual std::shared_ptr<DeviceTemplate> add(const QString& name, int kind) = 0;
    virtual void remove(const QString& name) = 0;
};

} // namespace lns
