#pragma once

#include <QString>
namespace lnssim {

// Kinds of device operation that fault injection can target; Any matches all of them.
enum class DeviceOperation
{
    Any,
    NvRead,
    NvWrite,
    CpRead,
    CpWrite,
    Poll,
    StateQuery
};

namespace device_operation {
// "NvRead", ... as stored in the network database and typed on the command line.
QString name(DeviceOperation operation);
// "NV read", ... for messages.
QString description(DeviceOperation operation);
} // namespace device_operation

} // namespace lnssim
