#include "ApplyCommand.h"

#include "CommandArguments.h"
#include "CommandFailure.h"
#include "DeviceOutput.h"
#include "Interruption.h"
#include "NetworkSession.h"
#include "ProgressBar.h"
#include "StreamLog.h"
#include "UsageError.h"
#include "device/FrameworkSettings.h"
#include "files/Csv.h"
#include "files/ParameterFile.h"
#include "host/AtomicFile.h"
#include "host/BestEffort.h"
#include "host/MemoryLog.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/Error.h"
#include "host/object_server/Subsystem.h"
#include "host/object_server/System.h"
#include "transfer/ChannelWorkers.h"
#include "transfer/RemainingTime.h"
#include "transfer/TransferTally.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <atomic>
#include <mutex>

namespace {

// A device counts by how its writing ended.
void count(TransferTally& tally, ParameterSetWriter::Status status)
{
    switch (status) {
    case ParameterSetWriter::Status::Written:
        ++tally.written;
        break;
    case ParameterSetWriter::Status::DatabaseOnly:
        ++tally.databaseOnly;
        break;
    case ParameterSetWriter::Status::Unchanged:
        ++tally.unchanged;
        break;
    case ParameterSetWriter::Status::WouldChange:
    case ParameterSetWriter::Status::Failed:
    case ParameterSetWriter::Status::Interrupted:
    case ParameterSetWriter::Status::NotStarted:
        ++tally.skipped;
        break;
    }
}

} // namespace

struct ApplyCommand::Target
{
    NetworkSession::Device device;
    QString name;
    // Why nothing may be written to the device; empty when it may.
    QString refusal;
};

ApplyCommand::ApplyCommand(NetworkSession& session, QTextStream& out, QTextStream& err,
                           SessionOpener openSession)
    : m_session(session), m_out(out), m_err(err), m_openSession(std::move(openSession))
{
    if (!m_openSession)
        m_openSession = [](const QString& network) { return std::make_unique<NetworkSession>(network); };
}

QList<ApplyCommand::Target> ApplyCommand::targets(const Options& options) const
{
    QList<NetworkSession::Device> devices;
    if (!options.devices.isEmpty()) {
        for (const QString& reference : options.devices)
            devices.append(m_session.device(reference));
    } else {
        devices = m_session.devicesOf(options.programId);
    }
    // The file holds no program ID: the run's is the one given, else that of the first device
    // named, and every other device must have it too. Only a ZEP31 takes a ZEP31's file.
    QString expected = options.programId;
    QList<Target> result;
    for (const NetworkSession::Device& device : devices) {
        Target target{device, device.subsystem + QLatin1Char('/') + device.device->name(), QString()};
        QString programId;
        try {
            programId = device.device->programId();
        } catch (const lns::Error& error) {
            target.refusal = QStringLiteral("its program ID cannot be read: ") + error.description();
            result.append(target);
            continue;
        }
        if (expected.isEmpty())
            expected = programId;
        if (!FrameworkSettings::isAccepted(programId))
            target.refusal = QStringLiteral("its program ID %1 is not one of a ZEP31").arg(programId);
        else if (programId != expected && !options.forceProgramId)
            target.refusal = QStringLiteral("its program ID %1 is not the program ID %2 of this run (give "
                                            "--force-program-id to write it all the same)")
                                 .arg(programId, expected);
        result.append(target);
    }
    return result;
}

int ApplyCommand::run(const Options& options)
{
    const Expected<ParameterSet> file = ParameterFile::read(options.file, m_session.decimalSeparator());
    if (!file)
        throw CommandFailure(options.file + QStringLiteral(": ") + file.error());
    const Interruption interruption;
    const auto set = std::make_shared<const ParameterSet>(*file);

    // Every check that can be made before the first write, for the whole run: one line each.
    QStringList refusals;
    for (const QString& problem :
         ParameterSetWriter::problems(m_session.points(), *file, m_session.decimalSeparator()))
        refusals.append(options.file + QStringLiteral(": ") + problem);
    QList<Job> jobs;
    for (const Target& target : targets(options)) {
        if (!target.refusal.isEmpty())
            refusals.append(target.name + QStringLiteral(": refused: ") + target.refusal);
        jobs.append({target.name, target.device, set, QString(), {}});
    }
    if (!options.report.isEmpty()) {
        if (const Expected<void> writable = AtomicFile::probe(options.report); !writable)
            refusals.append(
                QStringLiteral("The report %1 cannot be written: %2").arg(options.report, writable.error()));
    }
    if (!refusals.isEmpty()) {
        for (const QString& refusal : std::as_const(refusals))
            m_err << "zep31ctl: " << refusal << '\n';
        throw CommandFailure(QStringLiteral("Nothing was written to any device."));
    }
    return execute(jobs, interruption,
                   {options.file, false, options.writer.dryRun, options.report, options.format,
                    options.writer, options.verbose, options.jobs});
}

struct ApplyCommand::Outcome
{
    ParameterSetWriter::Result result;
    // The transfer's log lines of the device.
    QList<Log::Entry> log;
};

ApplyCommand::Outcome ApplyCommand::write(NetworkSession& session, const Job& job,
                                          const std::shared_ptr<lns::AppDevice>& device, const Run& run,
                                          const Interruption& interruption)
{
    Outcome outcome;
    if (!job.set || !device) {
        outcome.result.error =
            job.failure.isEmpty() ? QStringLiteral("the network holds no device at this path") : job.failure;
        return outcome;
    }
    MemoryLog log;
    ParameterSetWriter::Options options = run.writer;
    options.stopRequested = [&interruption] { return interruption.requested(); };
    ParameterSetWriter writer(session.points(), session.catalogue(), log, session.system(), *job.set,
                              session.decimalSeparator(), options);
    outcome.result = writer.write(device);
    outcome.log = log.entries();
    return outcome;
}

int ApplyCommand::execute(const QList<Job>& jobs, const Interruption& interruption, const Run& run)
{
    const bool lines = run.format == DeviceOutput::Format::Text;
    const int total = static_cast<int>(jobs.size());
    StreamLog log(m_err, run.verbose);
    ProgressBar progress(m_err);
    RemainingTime remaining;
    std::vector<Outcome> outcomes(static_cast<std::size_t>(total));
    std::vector<bool> ended(static_cast<std::size_t>(total), false);

    // A device's channel decides which devices may be written together; one that cannot be
    // asked is written on its own.
    QStringList channels;
    for (const Job& job : jobs) {
        QString channel;
        if (job.device.device)
            bestEffort([&] { channel = job.device.device->channel(); });
        channels.append(channel);
    }
    const int workers = run.jobs > 0 ? run.jobs : ChannelWorkers::defaultWorkers(channels);

    QList<ParameterSetWriter::Result> results;
    QList<Origin> origins;
    TransferTally tally;
    tally.total = total;
    int failed = 0;
    int wouldChange = 0;
    // Results are passed on in the order of the jobs, each as soon as those before it have ended.
    const auto passOn = [&](ParameterSetWriter::Result result) {
        const Job& job = jobs.at(results.size());
        if (result.device.isEmpty())
            result.device = job.name.section(QLatin1Char('/'), 1);
        if (result.subsystem.isEmpty())
            result.subsystem = job.name.section(QLatin1Char('/'), 0, 0);
        if (lines) {
            printResult(result, job.origin, run.dryRun);
            // Each line reaches a redirected output at once, so a run that is killed leaves its trace.
            m_out << Qt::flush;
        }
        if (result.status == ParameterSetWriter::Status::Failed)
            ++failed;
        else if (result.status == ParameterSetWriter::Status::WouldChange)
            ++wouldChange;
        count(tally, result.status);
        results.append(std::move(result));
        origins.append(job.origin);
    };

    std::atomic<bool> sessionFailed = false;
    std::mutex sessionMutex;
    QString sessionFailure;
    ChannelWorkers::Calls calls;
    calls.makeWorker = [&]() -> ChannelWorkers::Work {
        if (workers == 1)
            return [&](int index) {
                const Job& job = jobs.at(index);
                outcomes[static_cast<std::size_t>(index)] =
                    write(m_session, job, job.device.device, run, interruption);
            };
        // An object server session belongs to the thread that opened it: a worker opens its own
        // and finds each device there by the path the run's session gave it.
        std::shared_ptr<NetworkSession> session;
        try {
            session = m_openSession(m_session.network());
        } catch (const CommandFailure& failure) {
            // No worker takes another device; what the others wrote is still reported, and the
            // devices not reached fail with the reason.
            const std::lock_guard lock(sessionMutex);
            if (sessionFailure.isEmpty())
                sessionFailure = QStringLiteral("nothing written: a worker could not open the network: ") +
                                 failure.message();
            sessionFailed = true;
            return [](int) {};
        }
        return [&, session](int index) {
            const Job& job = jobs.at(index);
            std::shared_ptr<lns::AppDevice> device;
            if (job.device.device) {
                const qsizetype slash = job.name.lastIndexOf(QLatin1Char('/'));
                bestEffort([&] {
                    device = session->system()
                                 ->subsystems()
                                 ->item(job.name.left(slash))
                                 ->applicationDevices()
                                 ->item(job.name.mid(slash + 1));
                });
            }
            outcomes[static_cast<std::size_t>(index)] = write(*session, job, device, run, interruption);
        };
    };
    calls.stopRequested = [&interruption, &sessionFailed] {
        return interruption.requested() || sessionFailed;
    };
    int done = 0;
    calls.finished = [&](int index) {
        ended[static_cast<std::size_t>(index)] = true;
        ++done;
        progress.clear();
        while (results.size() < total && ended[static_cast<std::size_t>(results.size())]) {
            Outcome& outcome = outcomes[static_cast<std::size_t>(results.size())];
            MemoryLog::replay(outcome.log, log);
            passOn(std::move(outcome.result));
        }
        // The bar names the first device still under way: the one the next line waits for.
        if (done < total)
            progress.show(done + 1, total, jobs.at(results.size()).name,
                          remaining.deviceStarted(total, done + 1));
    };
    if (total > 0)
        progress.show(1, total, jobs.front().name, remaining.deviceStarted(total, 1));
    const std::vector<bool> started = ChannelWorkers(channels, workers).run(calls);
    progress.clear();
    for (int index = static_cast<int>(results.size()); index < total; ++index) {
        ParameterSetWriter::Result result;
        if (!started[static_cast<std::size_t>(index)]) {
            result.status =
                sessionFailed ? ParameterSetWriter::Status::Failed : ParameterSetWriter::Status::NotStarted;
            result.error = sessionFailure;
        } else {
            MemoryLog::replay(outcomes[static_cast<std::size_t>(index)].log, log);
            result = std::move(outcomes[static_cast<std::size_t>(index)].result);
        }
        passOn(std::move(result));
    }

    // A dry run wrote nothing, so its line counts what would happen instead.
    QString summary = run.dryRun
                          ? QStringLiteral("Dry run: %1 of %2 devices would change, %3 unchanged, %4 failed")
                                .arg(wouldChange)
                                .arg(tally.total)
                                .arg(tally.unchanged)
                                .arg(failed)
                          : tally.summary();
    if (interruption.requested())
        summary += QStringLiteral("; interrupted by signal %1").arg(interruption.signalNumber());
    if (lines)
        m_out << summary << '\n' << Qt::flush;
    else
        m_out << QString::fromUtf8(report(run.format, run, results, origins, m_session.points(), summary,
                                          interruption.requested()))
              << Qt::flush;

    if (!run.report.isEmpty()) {
        const Expected<void> written =
            AtomicFile::write(run.report, report(reportFormat(run.report), run, results, origins,
                                                 m_session.points(), summary, interruption.requested()));
        if (!written)
            throw CommandFailure(
                QStringLiteral("The report %1 could not be written: %2; an existing file is left as it was.")
                    .arg(run.report, written.error()),
                CommandFailure::Failed);
    }
    if (interruption.requested())
        return CommandFailure::Interrupted;
    return failed == 0 ? 0 : CommandFailure::Failed;
}

void ApplyCommand::printResult(const ParameterSetWriter::Result& result, const Origin& origin, bool dryRun)
{
    QString name = result.subsystem + QLatin1Char('/') + result.device;
    // A replaced unit gets its predecessor's configuration; the line names both.
    if (!origin.neuronId.isEmpty() && !result.neuronId.isEmpty() && origin.neuronId != result.neuronId)
        name += QStringLiteral(" (Neuron ID %1, replacing %2 of the backup)")
                    .arg(result.neuronId, origin.neuronId);
    const PointTables& points = m_session.points();
    switch (result.status) {
    case ParameterSetWriter::Status::Failed:
        m_out << name << ": failed: " << result.error;
        if (!result.written.isEmpty())
            m_out << QStringLiteral(" (part-written: %1 CPs were written before)").arg(result.written.size());
        m_out << '\n';
        return;
    case ParameterSetWriter::Status::Interrupted:
        m_out
            << name << ": interrupted"
            << (result.written.isEmpty()
                    ? QStringLiteral(" before its first CP, nothing written")
                    : QStringLiteral(", part-written: %1 CPs were written before").arg(result.written.size()))
            << '\n';
        return;
    case ParameterSetWriter::Status::NotStarted:
        m_out << name << ": not started (interrupted)\n";
        return;
    default:
        break;
    }
    if (dryRun) {
        m_out << name << ": "
              << (result.changes.isEmpty() ? QStringLiteral("nothing to change")
                                           : QStringLiteral("%1 CPs would change").arg(result.changes.size()))
              << '\n';
        QList<QStringList> table;
        for (const ParameterSetWriter::Change& change : result.changes)
            table.append({QStringLiteral("  ") + DeviceOutput::cpName(points, change.position), change.before,
                          QStringLiteral("->"), change.after});
        DeviceOutput::writeTable(m_out, table);
        return;
    }
    m_out << name << ": " << ParameterSetWriter::outcomeText(result)
          << QStringLiteral(" (%1 CPs)").arg(result.written.size()) << '\n';
}

namespace {

// A device's state in the report: part-written when it holds some of the file's values only.
QString reportError(const ParameterSetWriter::Result& result)
{
    const bool partial =
        !result.written.isEmpty() && (result.status == ParameterSetWriter::Status::Failed ||
                                      result.status == ParameterSetWriter::Status::Interrupted);
    if (!partial)
        return result.error;
    const QString part = QStringLiteral("part-written: %1 CPs were written").arg(result.written.size());
    return result.error.isEmpty() ? part : result.error + QStringLiteral("; ") + part;
}

} // namespace

int ApplyCommand::jobsOption(const CommandArguments& arguments)
{
    const std::optional<QString> given = arguments.option(QStringLiteral("--jobs"));
    if (!given)
        return 0;
    bool ok = false;
    const int jobs = given->toInt(&ok, 10);
    if (!ok || jobs < 1 || jobs > ChannelWorkers::Bound)
        throw UsageError(QStringLiteral("The option --jobs takes a number from 1 to %1, not \"%2\"")
                             .arg(ChannelWorkers::Bound)
                             .arg(*given));
    return jobs;
}

DeviceOutput::Format ApplyCommand::reportFormat(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
               ? DeviceOutput::Format::Csv
               : DeviceOutput::Format::Json;
}

QByteArray ApplyCommand::report(DeviceOutput::Format format, const Run& run,
                                const QList<ParameterSetWriter::Result>& results,
                                const QList<Origin>& origins, const PointTables& points,
                                const QString& summary, bool interrupted)
{
    const bool restore = run.restore;
    if (format == DeviceOutput::Format::Csv) {
        QStringList header{QStringLiteral("subsystem"), QStringLiteral("device"), QStringLiteral("neuron_id"),
                           QStringLiteral("status"),    QStringLiteral("error"),  QStringLiteral("cp"),
                           QStringLiteral("value")};
        if (restore)
            header << QStringLiteral("backup_file") << QStringLiteral("backup_neuron_id");
        QString text = csv::line(header) + QLatin1Char('\n');
        for (qsizetype number = 0; number < results.size(); ++number) {
            const ParameterSetWriter::Result& result = results.at(number);
            const QStringList device{result.subsystem, result.device, result.neuronId,
                                     ParameterSetWriter::statusText(result.status), reportError(result)};
            const QStringList origin =
                restore ? QStringList{origins.at(number).file, origins.at(number).neuronId} : QStringList();
            if (result.written.isEmpty())
                text += csv::line(device + QStringList{QString(), QString()} + origin) + QLatin1Char('\n');
            for (const ParameterSetWriter::Written& written : result.written) {
                const QString cp = DeviceOutput::cpName(points, written.position);
                if (written.elements.isEmpty())
                    text += csv::line(device + QStringList{cp, written.value} + origin) + QLatin1Char('\n');
                for (int element = 0; element < written.elements.size(); ++element)
                    text += csv::line(device +
                                      QStringList{cp + QStringLiteral("[%1]").arg(element),
                                                  written.elements.at(element)} +
                                      origin) +
                            QLatin1Char('\n');
            }
        }
        return text.toUtf8();
    }
    QJsonArray devices;
    for (qsizetype number = 0; number < results.size(); ++number) {
        const ParameterSetWriter::Result& result = results.at(number);
        QJsonObject written;
        for (const ParameterSetWriter::Written& cp : result.written)
            written.insert(DeviceOutput::cpName(points, cp.position),
                           cp.elements.isEmpty() ? QJsonValue(cp.value)
                                                 : QJsonValue(QJsonArray::fromStringList(cp.elements)));
        QJsonArray changes;
        for (const ParameterSetWriter::Change& change : result.changes)
            changes.append(QJsonObject{{QStringLiteral("cp"), DeviceOutput::cpName(points, change.position)},
                                       {QStringLiteral("before"), change.before},
                                       {QStringLiteral("after"), change.after}});
        QJsonObject device{{QStringLiteral("subsystem"), result.subsystem},
                           {QStringLiteral("device"), result.device},
                           {QStringLiteral("neuronId"), result.neuronId},
                           {QStringLiteral("deviceState"), result.deviceState},
                           {QStringLiteral("status"), ParameterSetWriter::statusText(result.status)},
                           {QStringLiteral("error"), reportError(result)},
                           {QStringLiteral("changes"), changes},
                           {QStringLiteral("written"), written}};
        if (restore) {
            device.insert(QStringLiteral("backupFile"), origins.at(number).file);
            device.insert(QStringLiteral("backupNeuronId"), origins.at(number).neuronId);
        }
        devices.append(device);
    }
    return QJsonDocument(
               QJsonObject{{restore ? QStringLiteral("backup") : QStringLiteral("file"), run.source},
                           {QStringLiteral("summary"), summary},
                           {QStringLiteral("interrupted"), interrupted},
                           {QStringLiteral("devices"), devices}})
        .toJson(QJsonDocument::Indented);
}
