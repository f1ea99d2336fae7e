#pragma once

#include <QString>

namespace lnssim {

// A functional block of a device interface: its position in block order, name and profile key.
struct BlockDefinition
{
    int index = 0;
    QString name;
    QString profileKey;
};

} // namespace lnssim
