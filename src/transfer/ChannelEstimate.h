#pragma once

#include <QList>
#include <QStringList>
#include <vector>

// The time a transfer over channels has left by the channel model: the devices of a channel are
// written one after another, each taking at least its floor (what its calls carry at the
// channel's bit rate, with their latencies), while channels run at once as far as there are
// workers. A device counts until it has ended.
class ChannelEstimate final
{
public:
    // channels and floorNs: per device of the transfer; workers: how many run at once.
    ChannelEstimate(const QStringList& channels, const QList<qint64>& floorNs, int workers);

    void ended(int device);
    // Whole seconds, rounded up: the busiest channel's devices still to end, or all of them
    // shared among the workers when there are fewer workers than channels with work.
    qint64 remainingSeconds() const;

private:
    QStringList m_channels;
    QList<qint64> m_floorNs;
    std::vector<bool> m_ended;
    int m_workers;
};
