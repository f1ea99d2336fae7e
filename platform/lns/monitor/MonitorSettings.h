#pragma once

#include <QtGlobal>

namespace lnssim {

// How a client wants one NV monitored. Poll interval in tenths of a second (0 = not polled).
struct MonitorSettings
{
    qint32 tag = 0;
    int pollInterval = 0;
    bool enabled = false;
    int mode = 0;
    bool option1 = false;
    bool option2 = false;
    bool hold = false;
};

} // namespace lnssim
