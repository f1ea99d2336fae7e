#pragma once

#include "device/point_catalogue/PointTables.h"
#include "host/Log.h"
#include "host/StepRunner.h"
#include "transfer/CpValue.h"
#include "transfer/TransferState.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class MessageCatalogue;

namespace lns {
class ObjectServer;
class System;
} // namespace lns

// Synchronises chosen devices: every general CP of each, sent as one set, the devices of
// different channels at once (ChannelWorkers). A worker opens an object server session of its
// own on its thread and finds the chosen devices there; with a single worker the caller's
// session serves, on the calling thread. Failed steps are put to the caller on the calling
// thread, one at a time, and each device's log lines are handed over in the order of the list.
class ChannelSync final
{
public:
    // Opens another object server over the same network databases, for a worker's thread.
    using OpenServer = std::function<std::unique_ptr<lns::ObjectServer>()>;

    struct Setup
    {
        const PointTables& points;
        const MessageCatalogue& catalogue;
        // The caller's open system and the template of the chosen devices' program ID.
        std::shared_ptr<const lns::System> system;
        std::shared_ptr<lns::DeviceTemplate> deviceTemplate;
        QString networkName;
        std::vector<SelectedDevice> chosen;
        std::function<CpValue(int position)> valueOf;
        // None: one worker, on the caller's session.
        OpenServer openServer;
    };

    // What became of one chosen device.
    struct Device
    {
        QList<Log::Entry> log;
        // The CPs it took, with the text read back.
        std::map<int, QString> written;
        bool databaseOnly = false;
    };

    enum class End
    {
        Completed,
        Cancelled,
        Aborted
    };

    struct Result
    {
        End end = End::Completed;
        // Why the devices not reached were not written, for the log; empty when all were tried.
        QString failure;
    };

    struct Calls
    {
        // Answers a step that failed after its silent retries.
        StepRunner::Handler decide;
        // A device ended (n-th of the transfer, in the order devices end).
        std::function<void(int device)> ended;
        // A device's outcome, in the order of the list; devices never started are left out.
        std::function<void(int device, const Device& outcome)> done;
        // Lets events run while the devices are written; true asks to start no more devices.
        std::function<bool()> waiting;
    };

    // Finds each chosen device's channel and what its calls cost at least (the channel model's
    // floor), through the caller's session.
    explicit ChannelSync(Setup setup);
    ChannelSync(const ChannelSync&) = delete;
    ChannelSync& operator=(const ChannelSync&) = delete;

    const QStringList& channels() const { return m_channels; }
    const QList<qint64>& floorsNs() const { return m_floorsNs; }
    int workers() const { return m_workers; }

    // Every call is made on the calling thread. A cancel or an Abort lets the sets under way end.
    Result run(const Calls& calls);

private:
    Setup m_setup;
    // The tables as the transfer started; the caller's may change while the workers copy them.
    const PointTables m_points;
    QStringList m_channels;
    QList<qint64> m_floorsNs;
    int m_workers = 1;
};
