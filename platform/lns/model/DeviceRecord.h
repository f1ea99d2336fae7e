#pragma once

#include "lns/channel/ChannelType.h"

#include <QString>

namespace lnssim {

// A device row with what every device operation needs: identity, state, faults, its channel
// and the network's channel timing.
struct DeviceRecord
{
    qint64 id = 0;
    qint64 systemId = 0;
    qint64 templateId = 0;
    qint64 interfaceRevision = 0;
    QString name;
    QString neuronId;
    QString programId;
    int state = 0;
    bool commissioned = false;
    bool testFlag = false;
    bool unreachable = false;
    double failureRate = 0.0;
    // Fail-next counters above zero.
    bool pendingFaults = false;
    // The channel's slot on the channel board; -1 when the device is on no channel.
    int channelSlot = -1;
    QString channelName;
    ChannelType channelType = ChannelType::TpFt10;
    int transactionMs = 0;
};

} // namespace lnssim
