#pragma once

#include "lns/values/ValueCodec.h"

#include <QString>

namespace lnssim {

// A network variable of a device interface; the default is in stored form.
struct NvDefinition
{
    int index = 0;
    QString name;
    bool output = false;
    ValueType type = ValueType::Count;
    QString defaultValue;
};

} // namespace lnssim
