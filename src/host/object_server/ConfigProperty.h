#pragma once

#include "host/object_server/Collection.h"

#include <QString>

namespace lns {

// A configuration property. Values cross as the object server's formatted text with the
// user's decimal separator; a write that cannot be parsed or is out of range throws and stores nothing.
class ConfigProperty
{
public:
    virtual ~ConfigProperty() = default;
    virtual int typeScope() const = 0;
    virtual int typeIndex() const = 0;
    virtual QString name() const = 0;
    // Whole value; for an array property this is element 0.
    virtual QString value() const = 0;
    virtual void setValue(const QString& text) = 0;
    virtual int elementCount() const = 0;
    // Element by 0-based element number.
    virtual QString elementValue(int element) const = 0;
    virtual void setElementValue(int element, const QString& text) = 0;
};

using ConfigProperties = Collection<ConfigProperty>;

} // namespace lns
