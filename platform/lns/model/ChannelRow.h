#pragma once

#include "lns/channel/ChannelType.h"

#include <QString>

namespace lnssim {

// A channel of a network with its place on the channel board and how many devices it holds.
struct ChannelRow
{
    qint64 id = 0;
    QString name;
    ChannelType type = ChannelType::TpFt10;
    int slot = -1;
    int devices = 0;
};

} // namespace lnssim
