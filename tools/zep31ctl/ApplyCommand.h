#pragma once

#include "DeviceOutput.h"
#include "NetworkSession.h"
#include "transfer/ParameterSetWriter.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CommandArguments;
class Interruption;
class QTextStream;

// zep31ctl apply: a saved parameter file written to many devices, devices of different channels
// at once (ChannelWorkers), each device's CPs as one set. Nothing is
// written before every check that can be made in advance has passed for the whole run: the file
// holds values of the CPs written, each of its CP's type and within its editor's limits; every
// device is a ZEP31 of the run's program ID; the report can be written. A device that fails is
// reported and the run goes on; the status is 0 only when every device succeeded. SIGINT or
// SIGTERM ends the run after the sets under way, with the report of what was done; the lines and
// the report are in the order of the device list. On a terminal a progress bar shows the devices
// done and the time left. restore writes its devices the same way.
class ApplyCommand final
{
public:
    struct Options
    {
        QString file;
        QStringList devices;
        // The program ID of the run; without it, that of the first device named.
        QString programId;
        // Lets devices of another ZEP31 program ID than the run's be written.
        bool forceProgramId = false;
        ParameterSetWriter::Options writer;
        QString report;
        bool verbose = false;
        // Devices written at once; 0: one per channel (ChannelWorkers::defaultWorkers).
        int jobs = 0;
        // Text: a line per device; JSON or CSV: the report on the output instead.
        DeviceOutput::Format format = DeviceOutput::Format::Text;
    };
    // Where a device's values come from when they are not the run's one file: a backup's file and
    // the Neuron ID of the unit it was saved from.
    struct Origin
    {
        QString file;
        QString neuronId;
    };
    // One device of a run and what it gets.
    struct Job
    {
        // SUBSYSTEM/NAME.
        QString name;
        // No device when it is not in the network.
        NetworkSession::Device device;
        // No set when nothing can be written; `failure` says why.
        std::shared_ptr<const ParameterSet> set;
        QString failure;
        Origin origin;
    };
    // How a run of jobs reports: `source` names what it writes (the file, the backup folder).
    struct Run
    {
        QString source;
        bool restore = false;
        bool dryRun = false;
        QString report;
        DeviceOutput::Format format = DeviceOutput::Format::Text;
        // How every job's set is written (its stop request is the run's interruption).
        ParameterSetWriter::Options writer;
        // The transfer's log lines of each device on stderr, in the order of the devices.
        bool verbose = false;
        // Devices written at once; 0: one per channel.
        int jobs = 0;
    };

    // Opens a worker's own session of the network; throws CommandFailure when it cannot.
    using SessionOpener = std::function<std::unique_ptr<NetworkSession>(const QString& network)>;

    // openSession: how a worker opens its session; a network opened anew unless given.
    ApplyCommand(NetworkSession& session, QTextStream& out, QTextStream& err, SessionOpener openSession = {});
    ApplyCommand(const ApplyCommand&) = delete;
    ApplyCommand& operator=(const ApplyCommand&) = delete;

    int run(const Options& options);
    // Writes the jobs after the checks have passed, devices of different channels at once: the
    // progress, a line per device in the order of the jobs (or the report on the output), the
    // summary, the report file; gives the exit status.
    int execute(const QList<Job>& jobs, const Interruption& interruption, const Run& run);

    // The per-device results as a JSON document or CSV table; a restore's with the origin of each.
    static QByteArray report(DeviceOutput::Format format, const Run& run,
                             const QList<ParameterSetWriter::Result>& results, const QList<Origin>& origins,
                             const PointTables& points, const QString& summary, bool interrupted);
    // --jobs N: 1 to ChannelWorkers::Bound; 0 when not given. Throws UsageError.
    static int jobsOption(const CommandArguments& arguments);
    // The report's format by the file name's extension.
    static DeviceOutput::Format reportFormat(const QString& fileName);

private:
    struct Target;
    struct Outcome;

    // The devices to write, each with why it is refused (empty when it is not).
    QList<Target> targets(const Options& options) const;
    // Writes one job through a session (the run's, or a worker's own).
    // device: the job's device as that session sees it.
    static Outcome write(NetworkSession& session, const Job& job,
                         const std::shared_ptr<lns::AppDevice>& device, const Run& run,
                         const Interruption& interruption);
    void printResult(const ParameterSetWriter::Result& result, const Origin& origin, bool dryRun);

    NetworkSession& m_session;
    QTextStream& m_out;
    QTextStream& m_err;
    SessionOpener m_openSession;
};
