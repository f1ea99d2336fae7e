#pragma once

#include "host/object_server/Collection.h"

#include <QString>

namespace lns {

// A command a plug-in registers with the object server ("component application").
class ComponentApp
{
public:
    virtual ~ComponentApp() = default;
    virtual QString name() const = 0;
    virtual QString progId() const = 0;
    virtual int objectClass() const = 0;
    virtual int commandId() const = 0;
    virtual void setCommandId(int id) = 0;
    virtual QString description() const = 0;
    virtual void setDescription(const QString& text) = 0;
    virtual QString version() const = 0;
    virtual void setVersion(const QString& version) = 0;
    virtual QString manufacturerId() const = 0;
    virtual void setManufacturerId(const QString& id) = 0;
    virtual bool isDefault() const = 0;
    virtual void setDefault(bool isDefault) = 0;
};

// Component applications at object server, system, template or LonMark-object level.
class ComponentApps : public Collection<ComponentApp>
{
public:
    virtual std::shared_ptr<ComponentApp> add(const QString& name, const QString& progId,
                                              int objectClass) = 0;
    virtual void remove(int position) = 0;
};

} // namespace lns
