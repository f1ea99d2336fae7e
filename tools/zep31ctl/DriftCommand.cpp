#include "DriftCommand.h"

#include "CommandArguments.h"
#include "CommandFailure.h"
#include "DeviceOutput.h"
#include "NetworkSession.h"
#include "ProgressBar.h"
#include "device/FrameworkSettings.h"
#include "files/BackupIndex.h"
#include "files/Csv.h"
#include "files/ParameterDrift.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/Error.h"
#include "transfer/RemainingTime.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

namespace {

enum class Status
{
    Unchanged,
    Changed,
    Missing,
    Added,
    Unreadable,
    NotBackedUp
};

QString statusName(Status status)
{
    switch (status) {
    case Status::Unchanged:
        return QStringLiteral("unchanged");
    case Status::Changed:
        return QStringLiteral("changed");
    case Status::Missing:
        return QStringLiteral("missing");
    case Status::Added:
        return QStringLiteral("added");
    case Status::Unreadable:
        return QStringLiteral("unreadable");
    case Status::NotBackedUp:
        break;
    }
    return QStringLiteral("notBackedUp");
}

struct DeviceDrift
{
    QString subsystem;
    QString device;
    Status status = Status::Unchanged;
    QString neuronId;
    QString backupNeuronId;
    QString error;
    QList<ParameterDrift::Difference> differences;

    QString path() const { return subsystem + QLatin1Char('/') + device; }
    // The unit at the path is not the one the backup was made of.
    bool replaced() const
    {
        return !neuronId.isEmpty() && !backupNeuronId.isEmpty() && neuronId != backupNeuronId;
    }
};

QString neuronIdOf(const NetworkSession::Device& device)
{
    try {
        return device.device->neuronId();
    } catch (const lns::Error&) {
        return QString();
    }
}

QString cpName(const PointTables& points, const ParameterDrift::Difference& difference)
{
    const QString name = DeviceOutput::cpName(points, difference.position);
    return difference.element < 0 ? name : name + QStringLiteral("[%1]").arg(difference.element);
}

QString summaryOf(const QList<DeviceDrift>& devices, int backedUp)
{
    QHash<Status, int> counts;
    int replaced = 0;
    for (const DeviceDrift& device : devices) {
        ++counts[device.status];
        if (device.replaced())
            ++replaced;
    }
    const bool drifted = counts.value(Status::Unchanged) != devices.size();
    QString text =
        drifted
            ? QStringLiteral("Drift: %1 of %2 devices differ from the backup")
                  .arg(counts.value(Status::Changed))
                  .arg(backedUp)
            : QStringLiteral("No drift: the %1 devices hold the configuration of the backup").arg(backedUp);
    const std::pair<Status, const char*> parts[] = {{Status::Missing, "missing"},
                                                    {Status::Added, "added"},
                                                    {Status::Unreadable, "could not be read"},
                                                    {Status::NotBackedUp, "not in the backup"}};
    for (const auto& [status, words] : parts)
        if (counts.value(status) > 0)
            text += QStringLiteral(", %1 %2").arg(counts.value(status)).arg(QLatin1String(words));
    if (replaced > 0)
        text += QStringLiteral(", %1 replaced").arg(replaced);
    return text;
}

void writeText(QTextStream& out, const PointTables& points, const QList<DeviceDrift>& devices)
{
    for (const DeviceDrift& device : devices) {
        const QString replaced = device.replaced()
                                     ? QStringLiteral("replaced (Neuron ID %1 in the backup, %2 now)")
                                           .arg(device.backupNeuronId, device.neuronId)
                                     : QString();
        switch (device.status) {
        case Status::Unchanged:
            if (device.replaced())
                out << device.path() << ": " << replaced << "; its configuration is the backup's\n";
            break;
        case Status::Changed: {
            out << device.path() << ": " << (replaced.isEmpty() ? QString() : replaced + QStringLiteral("; "))
                << (device.differences.size() == 1
                        ? QStringLiteral("1 CP differs")
                        : QStringLiteral("%1 CPs differ").arg(device.differences.size()))
                << " from the backup\n";
            QList<QStringList> table{
                {QStringLiteral("  CP"), QStringLiteral("BACKUP"), QStringLiteral("DEVICE")}};
            for (const ParameterDrift::Difference& difference : device.differences)
                table.append({QStringLiteral("  ") + cpName(points, difference), difference.saved,
                              difference.current});
            DeviceOutput::writeTable(out, table);
            break;
        }
        case Status::Missing:
            out << device.path() << ": missing: in the backup, not in the network\n";
            break;
        case Status::Added:
            out << device.path() << ": added: not in the backup\n";
            break;
        case Status::Unreadable:
            out << device.path() << ": " << (replaced.isEmpty() ? QString() : replaced + QStringLiteral("; "))
                << device.error << '\n';
            break;
        case Status::NotBackedUp:
            out << device.path() << ": not in the backup: " << device.error << '\n';
            break;
        }
    }
}

QByteArray json(const PointTables& points, const QList<DeviceDrift>& devices, const QJsonObject& head)
{
    QJsonArray list;
    for (const DeviceDrift& device : devices) {
        QJsonArray differences;
        for (const ParameterDrift::Difference& difference : device.differences) {
            QJsonObject entry{{QStringLiteral("cp"), DeviceOutput::cpName(points, difference.position)},
                              {QStringLiteral("position"), difference.position},
                              {QStringLiteral("backup"), difference.saved},
                              {QStringLiteral("device"), difference.current}};
            if (difference.element >= 0)
                entry.insert(QStringLiteral("element"), difference.element);
            differences.append(entry);
        }
        list.append(QJsonObject{{QStringLiteral("subsystem"), device.subsystem},
                                {QStringLiteral("device"), device.device},
                                {QStringLiteral("status"), statusName(device.status)},
                                {QStringLiteral("replaced"), device.replaced()},
                                {QStringLiteral("neuronId"), device.neuronId},
                                {QStringLiteral("backupNeuronId"), device.backupNeuronId},
                                {QStringLiteral("error"), device.error},
                                {QStringLiteral("differences"), differences}});
    }
    QJsonObject document = head;
    document.insert(QStringLiteral("devices"), list);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QString csvText(const PointTables& points, const QList<DeviceDrift>& devices)
{
    QString text =
        csv::line({QStringLiteral("subsystem"), QStringLiteral("device"), QStringLiteral("status"),
                   QStringLiteral("replaced"), QStringLiteral("neuron_id"),
                   QStringLiteral("backup_neuron_id"), QStringLiteral("error"), QStringLiteral("cp"),
                   QStringLiteral("backup_value"), QStringLiteral("device_value")}) +
        QLatin1Char('\n');
    for (const DeviceDrift& device : devices) {
        const QStringList head{device.subsystem,
                               device.device,
                               statusName(device.status),
                               device.replaced() ? QStringLiteral("yes") : QStringLiteral("no"),
                               device.neuronId,
                               device.backupNeuronId,
                               device.error};
        if (device.differences.isEmpty())
            text += csv::line(head + QStringList{QString(), QString(), QString()}) + QLatin1Char('\n');
        for (const ParameterDrift::Difference& difference : device.differences)
            text += csv::line(head +
                              QStringList{cpName(points, difference), difference.saved, difference.current}) +
                    QLatin1Char('\n');
    }
    return text;
}

} // namespace

int DriftCommand::run(const CommandArguments& arguments)
{
    arguments.requirePositional(2, 2);
    const QString& folder = arguments.at(1);
    const DeviceOutput::Format format =
        DeviceOutput::format(arguments.option(QStringLiteral("--format")).value_or(QStringLiteral("text")));
    const Expected<BackupIndex> parsed = BackupIndex::read(folder);
    if (!parsed)
        throw CommandFailure(parsed.error());
    const BackupIndex& index = *parsed;
    NetworkSession session(arguments.at(0));

    // A damaged backup is no ground for "nothing drifted": every file is checked before any device.
    QList<std::optional<ParameterSet>> saved;
    QStringList damaged;
    for (const BackupIndex::Entry& entry : index.devices) {
        if (entry.file.isEmpty()) {
            saved.append(std::nullopt);
            continue;
        }
        const Expected<ParameterSet> file = BackupIndex::readSet(folder, entry, session.decimalSeparator());
        if (!file)
            damaged.append(entry.path() + QStringLiteral(": ") + file.error());
        saved.append(file ? std::optional<ParameterSet>(*file) : std::nullopt);
    }
    if (!damaged.isEmpty()) {
        for (const QString& line : std::as_const(damaged))
            m_err << "zep31ctl: " << line << '\n';
        throw CommandFailure(
            QStringLiteral("The backup in %1 is damaged; nothing was compared.").arg(folder));
    }

    QHash<QString, NetworkSession::Device> byPath;
    const QList<NetworkSession::Device> networkDevices = session.devices();
    for (const NetworkSession::Device& device : networkDevices)
        byPath.insert(device.subsystem + QLatin1Char('/') + device.device->name(), device);

    QList<DeviceDrift> devices;
    QSet<QString> seen;
    ProgressBar progress(m_err);
    RemainingTime remaining;
    const int total = static_cast<int>(index.devices.size());
    for (int number = 0; number < total; ++number) {
        const BackupIndex::Entry& entry = index.devices.at(number);
        DeviceDrift drift{entry.subsystem, entry.device, Status::Unchanged, {}, entry.neuronId, {}, {}};
        const auto found = byPath.constFind(entry.path());
        if (found == byPath.cend()) {
            drift.status = Status::Missing;
        } else {
            drift.neuronId = neuronIdOf(*found);
            seen.insert(drift.neuronId);
            if (!saved.at(number)) {
                drift.status = Status::NotBackedUp;
                drift.error = entry.error;
            } else {
                progress.show(number + 1, total, entry.path(), remaining.deviceStarted(total, number + 1));
                try {
                    drift.differences =
                        ParameterDrift::between(*saved.at(number), session.readCps(*found),
                                                session.decimalSeparator(), session.points().cpCount);
                    drift.status = drift.differences.isEmpty() ? Status::Unchanged : Status::Changed;
                } catch (const CommandFailure& failure) {
                    drift.status = Status::Unreadable;
                    // The message begins with the device's path, which the line gives already.
                    drift.error = failure.message().startsWith(entry.path() + QLatin1Char(' '))
                                      ? failure.message().mid(entry.path().size() + 1)
                                      : failure.message();
                }
                progress.clear();
            }
        }
        devices.append(drift);
    }
    // Devices the backup would have taken and did not: each once, however many subsystems list it.
    for (const NetworkSession::Device& device : networkDevices) {
        const QString neuronId = neuronIdOf(device);
        QString programId;
        try {
            programId = device.device->programId();
        } catch (const lns::Error&) {
            continue;
        }
        if (seen.contains(neuronId) || !FrameworkSettings::isAccepted(programId) ||
            (!index.programId.isEmpty() && programId != index.programId))
            continue;
        seen.insert(neuronId);
        devices.append({device.subsystem, device.device->name(), Status::Added, neuronId, {}, {}, {}});
    }

    const QString summary = summaryOf(devices, total);
    bool drifted = false;
    for (const DeviceDrift& device : std::as_const(devices))
        drifted = drifted || device.status != Status::Unchanged;
    switch (format) {
    case DeviceOutput::Format::Text:
        writeText(m_out, session.points(), devices);
        m_out << summary << '\n';
        break;
    case DeviceOutput::Format::Json:
        m_out << QString::fromUtf8(json(session.points(), devices,
                                        {{QStringLiteral("network"), arguments.at(0)},
                                         {QStringLiteral("backup"), folder},
                                         {QStringLiteral("created"), index.created},
                                         {QStringLiteral("drifted"), drifted},
                                         {QStringLiteral("summary"), summary}}));
        break;
    case DeviceOutput::Format::Csv:
        m_out << csvText(session.points(), devices);
        break;
    }
    return drifted ? static_cast<int>(CommandFailure::Failed) : 0;
}
