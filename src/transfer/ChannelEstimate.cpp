#include "transfer/ChannelEstimate.h"

#include <QHash>
#include <algorithm>

namespace {

constexpr qint64 NsPerSecond = 1'000'000'000;

} // namespace

ChannelEstimate::ChannelEstimate(const QStringList& channels, const QList<qint64>& floorNs, int workers)
    : m_channels(channels), m_floorNs(floorNs), m_ended(static_cast<std::size_t>(channels.size()), false),
      m_workers(std::max(1, workers))
{
}

void ChannelEstimate::ended(int device)
{
    m_ended.at(static_cast<std::size_t>(device)) = true;
}

qint64 ChannelEstimate::remainingSeconds() const
{
    QHash<QString, qint64> perChannel;
    qint64 busiest = 0;
    qint64 total = 0;
    for (qsizetype device = 0; device < m_channels.size(); ++device) {
        if (m_ended[static_cast<std::size_t>(device)])
            continue;
        const qint64 floor = m_floorNs.value(device);
        total += floor;
        // A device on no channel is a channel of its own.
        const QString& channel = m_channels[device];
        busiest = std::max(busiest, channel.isEmpty() ? floor : (perChannel[channel] += floor));
    }
    const qint64 ns = std::max(busiest, (total + m_workers - 1) / m_workers);
    return (ns + NsPerSecond - 1) / NsPerSecond;
}
