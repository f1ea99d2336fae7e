#include "ApplyCommand.h"

#include "CommandFailure.h"
#include "DeviceOutput.h"
#include "NetworkSession.h"
#include "files/CsvLine.h"
#include "files/ParameterFile.h"
#include "host/Log.h"
#include "host/object_server/AppDevice.h"
#include "transfer/RemainingTime.h"
#include "transfer/TransferTally.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

// The transfer's log: kept for nobody but shown on stderr with --verbose.
class StreamLog final : public Log
{
public:
    StreamLog(QTextStream& err, bool verbose) : m_err(err), m_verbose(verbose) {}

    void addInformation(const QString& text) override { add(text); }
    void addError(const QString& text) override { add(text); }
    void clear() override {}
    bool save() override { return false; }
    bool saveAs() override { return false; }
    const QList<Entry>& entries() const override { return m_none; }

private:
    void add(const QString& text)
    {
        if (m_verbose)
            m_err << text << Qt::endl;
    }

    QTextStream& m_err;
    bool m_verbose;
    QList<Entry> m_none;
};

// One line redrawn in place on a terminal; nothing when stderr is a file or a pipe.
class ProgressBar final
{
public:
    explicit ProgressBar(QTextStream& err) : m_err(err), m_shown(isatty(fileno(stderr)) != 0) {}

    void show(int number, int count, const QString& device, std::optional<qint64> secondsLeft)
    {
        if (!m_shown)
            return;
        constexpr int Width = 30;
        const int done = count > 0 ? (number - 1) * Width / count : 0;
        QString line = QStringLiteral("\r[%1%2] %3/%4 %5")
                           .arg(QString(done, QLatin1Char('#')), QString(Width - done, QLatin1Char(' ')))
                           .arg(number)
                           .arg(count)
                           .arg(device);
        if (secondsLeft)
            line += QStringLiteral("  %1:%2 left")
                        .arg(*secondsLeft / 60)
                        .arg(*secondsLeft % 60, 2, 10, QLatin1Char('0'));
        m_err << line.leftJustified(m_lastWidth) << Qt::flush;
        m_lastWidth = static_cast<int>(line.size());
    }
    void clear()
    {
        if (m_shown && m_lastWidth > 0)
            m_err << '\r' << QString(m_lastWidth, QLatin1Char(' ')) << '\r' << Qt::flush;
        m_lastWidth = 0;
    }

private:
    QTextStream& m_err;
    bool m_shown;
    int m_lastWidth = 0;
};

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
        ++tally.skipped;
        break;
    }
}

} // namespace

ApplyCommand::ApplyCommand(NetworkSession& session, QTextStream& out, QTextStream& err)
    : m_session(session), m_out(out), m_err(err)
{
}

int ApplyCommand::run(const Options& options)
{
    const ParameterFile::Decoded file = ParameterFile::read(options.file, m_session.decimalSeparator());
    if (!file.error.isEmpty())
        throw CommandFailure(options.file + QStringLiteral(": ") + file.error);
    QList<NetworkSession::Device> targets;
    if (!options.programId.isEmpty())
        targets = m_session.devicesOf(options.programId);
    for (const QString& reference : options.devices)
        targets.append(m_session.device(reference));

    StreamLog log(m_err, options.verbose);
    ParameterSetWriter writer(m_session.points(), m_session.catalogue(), log, m_session.system(), file.set,
                              m_session.decimalSeparator(), options.writer);
    ProgressBar progress(m_err);
    RemainingTime remaining;
    QList<ParameterSetWriter::Result> results;
    int failed = 0;
    TransferTally tally;
    tally.total = static_cast<int>(targets.size());
    for (int number = 1; number <= targets.size(); ++number) {
        const NetworkSession::Device& target = targets.at(number - 1);
        progress.show(number, static_cast<int>(targets.size()), target.device->name(),
                      remaining.deviceStarted(static_cast<int>(targets.size()), number));
        ParameterSetWriter::Result result = writer.write(target.device);
        if (result.device.isEmpty())
            result.device = target.device->name();
        if (result.subsystem.isEmpty())
            result.subsystem = target.subsystem;
        progress.clear();
        printResult(result, options.writer.dryRun);
        if (result.status == ParameterSetWriter::Status::Failed)
            ++failed;
        count(tally, result.status);
        results.append(std::move(result));
    }

    if (options.writer.dryRun) {
        m_out
            << QStringLiteral("%1 of %2 devices succeeded").arg(targets.size() - failed).arg(targets.size());
        if (failed > 0)
            m_out << QStringLiteral(", %1 failed").arg(failed);
    } else {
        m_out << tally.summary();
    }
    m_out << '\n' << Qt::flush;

    if (!options.report.isEmpty()) {
        QSaveFile out(options.report);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(report(options.report, options.file, results, m_session.points())) < 0 || !out.commit())
            throw CommandFailure(QStringLiteral("The report %1 could not be written: %2")
                                     .arg(options.report, out.errorString()),
                                 CommandFailure::Failed);
    }
    return failed == 0 ? 0 : CommandFailure::Failed;
}

void ApplyCommand::printResult(const ParameterSetWriter::Result& result, bool dryRun)
{
    const QString name = result.subsystem + QLatin1Char('/') + result.device;
    const PointTables& points = m_session.points();
    if (result.status == ParameterSetWriter::Status::Failed) {
        m_out << name << ": failed: " << result.error;
        if (!result.written.isEmpty())
            m_out << QStringLiteral(" (%1 CPs were written before)").arg(result.written.size());
        m_out << '\n';
        return;
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

QByteArray ApplyCommand::report(const QString& fileName, const QString& parameterFile,
                                const QList<ParameterSetWriter::Result>& results, const PointTables& points)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) {
        QString text = csv::line({QStringLiteral("subsystem"), QStringLiteral("device"),
                                  QStringLiteral("neuron_id"), QStringLiteral("status"),
                                  QStringLiteral("error"), QStringLiteral("cp"), QStringLiteral("value")}) +
                       QLatin1Char('\n');
        for (const ParameterSetWriter::Result& result : results) {
            const QStringList device{result.subsystem, result.device, result.neuronId,
                                     ParameterSetWriter::statusText(result.status), result.error};
            if (result.written.isEmpty())
                text += csv::line(device + QStringList{QString(), QString()}) + QLatin1Char('\n');
            for (const ParameterSetWriter::Written& written : result.written)
                text += csv::line(device + QStringList{DeviceOutput::cpName(points, written.position),
                                                       written.value}) +
                        QLatin1Char('\n');
        }
        return text.toUtf8();
    }
    QJsonArray devices;
    for (const ParameterSetWriter::Result& result : results) {
        QJsonObject written;
        for (const ParameterSetWriter::Written& cp : result.written)
            written.insert(DeviceOutput::cpName(points, cp.position), cp.value);
        QJsonArray changes;
        for (const ParameterSetWriter::Change& change : result.changes)
            changes.append(QJsonObject{{QStringLiteral("cp"), DeviceOutput::cpName(points, change.position)},
                                       {QStringLiteral("before"), change.before},
                                       {QStringLiteral("after"), change.after}});
        devices.append(QJsonObject{{QStringLiteral("subsystem"), result.subsystem},
                                   {QStringLiteral("device"), result.device},
                                   {QStringLiteral("neuronId"), result.neuronId},
                                   {QStringLiteral("deviceState"), result.deviceState},
                                   {QStringLiteral("status"), ParameterSetWriter::statusText(result.status)},
                                   {QStringLiteral("error"), result.error},
                                   {QStringLiteral("changes"), changes},
                                   {QStringLiteral("written"), written}});
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("file"), parameterFile}, {QStringLiteral("devices"), devices}})
        .toJson(QJsonDocument::Indented);
}
