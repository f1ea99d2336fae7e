#pragma once

#include <QtGlobal>

namespace lnssim {

// Where a collection of component applications hangs: level 1 the object server, 2 a system,
// 3 a device template, 4 a LonMark object (block) of a device template.
struct ComponentAppOwner
{
    int level = 1;
    qint64 systemId = 0;
    qint64 templateId = 0;
    int block = -1;
};

} // namespace lnssim
