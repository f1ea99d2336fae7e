#include "RestoreCommand.h"

#include "ApplyCommand.h"
#include "CommandArguments.h"
#include "CommandFailure.h"
#include "Interruption.h"
#include "NetworkSession.h"
#include "StreamLog.h"
#include "UsageError.h"
#include "device/FrameworkSettings.h"
#include "files/BackupIndex.h"
#include "host/AtomicFile.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/Error.h"

#include <QHash>
#include <QTextStream>
#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace {

QString pathOf(const NetworkSession::Device& device)
{
    return device.subsystem + QLatin1Char('/') + device.device->name();
}

QString neuronIdOf(const NetworkSession::Device& device)
{
    try {
        return device.device->neuronId();
    } catch (const lns::Error&) {
        return QString();
    }
}

// Why a device may not take an entry's file; empty when it may. Only a ZEP31 takes a ZEP31's file,
// and only one of the program ID it was saved from unless the caller insists.
Expected<void> programIdFits(const NetworkSession::Device& device, const BackupIndex::Entry& entry,
                             bool force)
{
    QString programId;
    try {
        programId = device.device->programId();
    } catch (const lns::Error& error) {
        return Failure{QStringLiteral("its program ID cannot be read: ") + error.description()};
    }
    if (!FrameworkSettings::isAccepted(programId))
        return Failure{QStringLiteral("its program ID %1 is not one of a ZEP31").arg(programId)};
    if (programId != entry.programId && !force)
        return Failure{
            QStringLiteral("its program ID %1 is not the program ID %2 its file was saved from (give "
                           "--force-program-id to write it all the same)")
                .arg(programId, entry.programId)};
    return {};
}

// A device of the run and the entry of the backup it gets.
struct Pair
{
    const BackupIndex::Entry* entry = nullptr;
    // None when the network no longer holds the entry's device.
    std::optional<NetworkSession::Device> device;
};

// The devices named, each of which the backup must hold (else a refusal), or, when none is named,
// every device of the backup, each found in the network or not.
QList<Pair> pairsOf(const NetworkSession& session, const BackupIndex& index,
                    const CommandArguments& arguments, bool byNeuronId, QStringList& refusals)
{
    QHash<QString, NetworkSession::Device> byPath;
    QHash<QString, NetworkSession::Device> byNeuron;
    for (const NetworkSession::Device& device : session.devices()) {
        byPath.insert(pathOf(device), device);
        if (const QString neuronId = neuronIdOf(device); !neuronId.isEmpty() && !byNeuron.contains(neuronId))
            byNeuron.insert(neuronId, device);
    }
    QList<Pair> pairs;
    for (int position = 2; position < arguments.count(); ++position) {
        const NetworkSession::Device device = session.device(arguments.at(position));
        const QString key = byNeuronId ? neuronIdOf(device) : pathOf(device);
        const auto entry =
            std::find_if(index.devices.cbegin(), index.devices.cend(), [&](const auto& candidate) {
                return (byNeuronId ? candidate.neuronId : candidate.path()) == key;
            });
        if (entry == index.devices.cend())
            refusals.append(
                pathOf(device) + QStringLiteral(": refused: the backup holds no device ") +
                (byNeuronId ? QStringLiteral("with its Neuron ID") : QStringLiteral("at its path")));
        else if (entry->file.isEmpty())
            refusals.append(pathOf(device) + QStringLiteral(": refused: the backup holds no file of it (") +
                            entry->error + QLatin1Char(')'));
        else
            pairs.append({&*entry, device});
    }
    if (arguments.count() > 2)
        return pairs;
    const QHash<QString, NetworkSession::Device>& devices = byNeuronId ? byNeuron : byPath;
    for (const BackupIndex::Entry& entry : index.devices) {
        const auto found = devices.constFind(byNeuronId ? entry.neuronId : entry.path());
        pairs.append({&entry, found == devices.cend() ? std::nullopt : std::optional(*found)});
    }
    return pairs;
}

} // namespace

int RestoreCommand::run(const CommandArguments& arguments)
{
    arguments.requirePositional(2, std::numeric_limits<int>::max());
    const QString& folder = arguments.at(1);
    const std::optional<QString> report = arguments.option(QStringLiteral("--report"));
    if (report && report->isEmpty())
        throw UsageError(QStringLiteral("The option --report needs a file name"));
    const DeviceOutput::Format format =
        DeviceOutput::format(arguments.option(QStringLiteral("--format")).value_or(QStringLiteral("text")));
    const bool byNeuronId = arguments.flag(QStringLiteral("--by-neuron-id"));
    const bool force = arguments.flag(QStringLiteral("--force-program-id"));
    const bool dryRun = arguments.flag(QStringLiteral("--dry-run"));
    const int workers = ApplyCommand::jobsOption(arguments);

    const Expected<BackupIndex> parsed = BackupIndex::read(folder);
    if (!parsed)
        throw CommandFailure(parsed.error());
    const BackupIndex& index = *parsed;
    NetworkSession session(arguments.at(0));

    QStringList refusals;
    const QList<Pair> pairs = pairsOf(session, index, arguments, byNeuronId, refusals);

    const Interruption interruption;
    ParameterSetWriter::Options options;
    options.dryRun = dryRun;
    options.deviceSpecific = true;
    QList<ApplyCommand::Job> jobs;
    for (const Pair& pair : std::as_const(pairs)) {
        const BackupIndex::Entry& entry = *pair.entry;
        ApplyCommand::Job job{entry.path(), {}, nullptr, QString(), {entry.file, entry.neuronId}};
        if (!pair.device) {
            job.failure =
                byNeuronId
                    ? QStringLiteral("no device of the network has the Neuron ID %1").arg(entry.neuronId)
                    : QStringLiteral("the network holds no device at this path");
        } else if (entry.file.isEmpty()) {
            job.name = pathOf(*pair.device);
            job.failure = QStringLiteral("the backup holds no file of it (%1)").arg(entry.error);
        } else {
            job.name = pathOf(*pair.device);
            job.device = *pair.device;
            const Expected<ParameterSet> file =
                BackupIndex::readSet(folder, entry, session.decimalSeparator());
            QStringList problems =
                file ? ParameterSetWriter::problems(session.points(), *file, session.decimalSeparator(), true)
                     : QStringList{file.error()};
            if (const Expected<void> fits = programIdFits(*pair.device, entry, force); !fits)
                problems.append(fits.error());
            for (const QString& problem : std::as_const(problems))
                refusals.append(job.name + QStringLiteral(": refused: ") + problem);
            job.set = std::make_shared<const ParameterSet>(file ? *file : ParameterSet());
        }
        jobs.append(job);
    }
    if (report) {
        if (const Expected<void> writable = AtomicFile::probe(*report); !writable)
            refusals.append(
                QStringLiteral("The report %1 cannot be written: %2").arg(*report, writable.error()));
    }
    if (!refusals.isEmpty()) {
        for (const QString& refusal : std::as_const(refusals))
            m_err << "zep31ctl: " << refusal << '\n';
        throw CommandFailure(QStringLiteral("Nothing was written to any device."));
    }
    return ApplyCommand(session, m_out, m_err)
        .execute(jobs, interruption,
                 {folder, true, dryRun, report.value_or(QString()), format, options, false, workers});
}
