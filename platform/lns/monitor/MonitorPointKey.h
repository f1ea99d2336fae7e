#pragma once

#include <QtGlobal>
#include <compare>

namespace lnssim {

// One NV of one device.
struct MonitorPointKey
{
    qint64 deviceId = 0;
    int nvIndex = 0;

    auto operator<=>(const MonitorPointKey&) const = default;
};

} // namespace lnssim
