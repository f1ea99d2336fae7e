#pragma once

#include "lns/monitor/PollRequest.h"

#include <QString>

namespace lnssim {

// A poll's outcome: the formatted value, or a failure.
struct PollResult
{
    PollRequest request;
    bool ok = false;
    QString value;
};

} // namespace lnssim
