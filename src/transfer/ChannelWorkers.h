#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Runs the jobs of a transfer, one per device, so that devices of different channels are written
// at the same time and the devices of one channel one after another: a channel carries one packet
// at a time, so a second job on it would only wait. Each worker takes the first job of the list
// whose channel is free; with one worker that is the list's order, on the calling thread. A
// worker has resources of its own (an object server session belongs to the thread that opened
// it), made by the factory on the worker's thread before its first job.
class ChannelWorkers final
{
public:
    // The network interface keeps no more transactions apart at once.
    static constexpr int Bound = 16;

    // Does one job (its index in the list) with the worker's resources.
    using Work = std::function<void(int job)>;
    struct Calls
    {
        // Makes a worker's resources and gives its work; called on the worker's thread.
        std::function<Work()> makeWorker;
        // Asked before each job is taken, from any worker's thread; true starts no more jobs.
        std::function<bool()> stopRequested;
        // A job ended; called on the calling thread, in the order jobs end. The worker that did
        // it takes no other job until this has returned.
        std::function<void(int job)> finished;
        // Called on the calling thread now and then while it waits (the window lets events run).
        std::function<void()> waiting;
    };

    // One worker per channel named, at least one and at most Bound. A job on no channel (empty
    // name) counts as a channel of its own.
    static int defaultWorkers(const QStringList& channels);

    // channels: the channel of each job. workers: at most so many at once; at least one.
    ChannelWorkers(QStringList channels, int workers);
    ChannelWorkers(const ChannelWorkers&) = delete;
    ChannelWorkers& operator=(const ChannelWorkers&) = delete;

    // Runs until every job has ended or a stop was asked for; the jobs under way then end first.
    // An exception that a worker's factory or job throws stops the others from taking more and
    // is thrown here once they have ended. Gives, per job, whether it was started.
    std::vector<bool> run(const Calls& calls);

private:
    QStringList m_channels;
    int m_workers;
};
