#include "BackupCommand.h"

#include "CommandArguments.h"
#include "CommandFailure.h"
#include "Interruption.h"
#include "NetworkSession.h"
#include "ProgressBar.h"
#include "device/FrameworkSettings.h"
#include "files/BackupIndex.h"
#include "files/ParameterFile.h"
#include "files/StagedFolder.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/Error.h"
#include "transfer/RemainingTime.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTextStream>
#include <optional>

namespace {

QString now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

// A device to back up and its entry in the index, filled as the backup goes.
struct Unit
{
    NetworkSession::Device device;
    BackupIndex::Entry entry;
};

// The devices to back up: each ZEP31 (of the program ID, when one is given) once, however many
// subsystems list it. A device whose identity cannot be read is kept, to be reported failed.
QList<Unit> unitsOf(const NetworkSession& session, const QString& programId)
{
    QList<Unit> units;
    QSet<QString> seen;
    for (const NetworkSession::Device& device : session.devices()) {
        BackupIndex::Entry unit;
        unit.subsystem = device.subsystem;
        unit.device = device.device->name();
        try {
            unit.neuronId = device.device->neuronId();
            unit.programId = device.device->programId();
        } catch (const lns::Error& error) {
            unit.error = QStringLiteral("its identity cannot be read: ") + error.description();
        }
        if (!unit.failed()) {
            if (!FrameworkSettings::isAccepted(unit.programId) ||
                (!programId.isEmpty() && unit.programId != programId) || seen.contains(unit.neuronId))
                continue;
            seen.insert(unit.neuronId);
        }
        units.append({device, unit});
    }
    return units;
}

// The file of a device in the previous backup, when its bytes are still those the index names. A
// copy of a unit that sits elsewhere now is not taken: that unit has its own entry.
std::optional<BackupIndex::Entry> previousCopy(const QString& folder, const BackupIndex& previous,
                                               const BackupIndex::Entry& unit, const QSet<QString>& neuronIds,
                                               QByteArray& bytes)
{
    for (const BackupIndex::Entry& entry : previous.devices) {
        if (entry.path() != unit.path() || entry.file.isEmpty() ||
            (entry.neuronId != unit.neuronId && neuronIds.contains(entry.neuronId)))
            continue;
        QFile file(QDir(folder).filePath(entry.file));
        if (!file.open(QIODevice::ReadOnly) || file.size() > ParameterRecords::MaxFileBytes)
            return std::nullopt;
        bytes = file.readAll();
        if (BackupIndex::sha256(bytes) != entry.sha256)
            return std::nullopt;
        return entry;
    }
    return std::nullopt;
}

} // namespace

int BackupCommand::run(const CommandArguments& arguments)
{
    arguments.requirePositional(2, 2);
    const QString& network = arguments.at(0);
    const QString& folder = arguments.at(1);
    const QString programId = arguments.option(QStringLiteral("--program-id")).value_or(QString());
    if (!programId.isEmpty() && !FrameworkSettings::isAccepted(programId))
        throw CommandFailure(QStringLiteral("The program ID %1 is not one of a ZEP31.").arg(programId));
    if (const Expected<void> replaceable = StagedFolder::replaceable(folder, BackupIndex::FileName);
        !replaceable)
        throw CommandFailure(replaceable.error() + QLatin1Char('.'));

    NetworkSession session(network);
    QList<Unit> units = unitsOf(session, programId);
    if (units.isEmpty())
        throw CommandFailure((programId.isEmpty()
                                  ? QStringLiteral("The network \"%1\" holds no ZEP31")
                                  : QStringLiteral("The network \"%1\" holds no device of the program ID %2")
                                        .arg(network, programId)) +
                             QStringLiteral("; nothing was backed up."));
    // A device that cannot be read keeps the copy the previous backup holds.
    BackupIndex previous;
    if (QFile::exists(QDir(folder).filePath(BackupIndex::FileName)))
        if (const Expected<BackupIndex> read = BackupIndex::read(folder))
            previous = *read;

    // From here on a signal ends the work cleanly: the staged folder goes, the earlier backup stays.
    const Interruption interruption;
    StagedFolder staged(folder);
    if (!staged.made())
        throw CommandFailure(QStringLiteral("%1 cannot be written: %2").arg(folder, staged.made().error()));
    const auto writeFailure = [&folder](const QString& failure) {
        return CommandFailure(
            QStringLiteral("%1 could not be written: %2; the previous backup there is left as it was.")
                .arg(folder, failure),
            CommandFailure::Failed);
    };

    const auto stopIfAsked = [&] {
        if (interruption.requested())
            throw CommandFailure(
                QStringLiteral("Interrupted by signal %1: no backup was written; %2 is left as "
                               "it was.")
                    .arg(interruption.signalNumber())
                    .arg(folder),
                CommandFailure::Interrupted);
    };
    BackupIndex index;
    index.network = network;
    index.programId = programId;
    index.created = now();
    ProgressBar progress(m_err);
    RemainingTime remaining;
    const int total = static_cast<int>(units.size());
    QSet<QString> neuronIds;
    for (const Unit& unit : std::as_const(units))
        neuronIds.insert(unit.entry.neuronId);
    int failed = 0;
    for (int number = 1; number <= total; ++number) {
        stopIfAsked();
        BackupIndex::Entry& unit = units[number - 1].entry;
        const NetworkSession::Device& device = units.at(number - 1).device;
        progress.show(number, total, unit.path(), remaining.deviceStarted(total, number));
        QByteArray bytes;
        if (!unit.failed()) {
            unit.state = session.stateText(*device.device);
            try {
                const Expected<QByteArray> encoded = ParameterFile::encode(session.readCps(device));
                if (encoded)
                    bytes = *encoded;
                else
                    unit.error = QStringLiteral("its values cannot be saved: ") + encoded.error();
            } catch (const CommandFailure& failure) {
                // The message begins with the device's path, which the index gives already.
                unit.error = failure.message().startsWith(unit.path() + QLatin1Char(' '))
                                 ? failure.message().mid(unit.path().size() + 1)
                                 : failure.message();
            }
        }
        progress.clear();
        if (!unit.failed()) {
            unit.file = BackupIndex::fileName(unit.subsystem, unit.device);
            unit.sha256 = BackupIndex::sha256(bytes);
            unit.time = now();
            m_out << unit.path() << ": saved\n";
        } else {
            ++failed;
            m_out << unit.path() << ": failed: " << unit.error;
            if (const auto copy = previousCopy(folder, previous, unit, neuronIds, bytes)) {
                const QString error = unit.error;
                unit = *copy;
                unit.error = error;
                m_out << " (its copy of " << unit.time << " is kept)";
            }
            m_out << '\n';
        }
        m_out << Qt::flush;
        if (!unit.file.isEmpty()) {
            if (const Expected<void> written = staged.write(unit.file, bytes); !written)
                throw writeFailure(written.error());
        }
        index.devices.append(unit);
    }
    stopIfAsked();
    if (failed == total)
        throw CommandFailure(QStringLiteral("No device could be read; %1 is left as it was.").arg(folder),
                             CommandFailure::Failed);
    if (const Expected<void> written = staged.write(BackupIndex::FileName, index.toJson()); !written)
        throw writeFailure(written.error());
    if (const Expected<void> committed = staged.commit(); !committed)
        throw CommandFailure(QStringLiteral("%1 could not be replaced: %2.").arg(folder, committed.error()),
                             CommandFailure::Failed);
    m_out << QStringLiteral("%1 of %2 devices saved to %3").arg(total - failed).arg(total).arg(folder);
    if (failed > 0)
        m_out << QStringLiteral(", %1 could not be read").arg(failed);
    m_out << Qt::endl;
    return failed == 0 ? 0 : CommandFailure::Failed;
}
