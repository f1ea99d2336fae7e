#include "transfer/ParameterSetWriter.h"

#include "device/point_catalogue/PointTables.h"
#include "files/DeviceParameters.h"
#include "host/BestEffort.h"
#include "host/Log.h"
#include "host/StepRunner.h"
#include "host/object_server/AppDevice.h"
#include "transfer/CpValueCheck.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferObserver.h"

#include <set>

namespace {

class Collector final : public TransferObserver
{
public:
    explicit Collector(const std::function<bool()>& stopRequested) : m_stopRequested(stopRequested) {}

    bool beforeCp(int) override
    {
        stopped = stopped || (m_stopRequested && m_stopRequested());
        return !stopped;
    }
    void elementsWritten(int, const QStringList& read) override { elements = read; }
    void cpWritten(int position, const QString& readBack) override
    {
        written.append({position, readBack, elements});
        elements.clear();
    }
    void afterCp(int) override {}

    QList<ParameterSetWriter::Written> written;
    QStringList elements;
    bool stopped = false;

private:
    const std::function<bool()>& m_stopRequested;
};

} // namespace

ParameterSetWriter::ParameterSetWriter(PointTables& points, const MessageCatalogue& catalogue, Log& log,
                                       std::shared_ptr<const lns::System> system, ParameterSet set,
                                       QString decimalSeparator, Options options)
    : m_points(points), m_catalogue(catalogue), m_log(log), m_system(std::move(system)),
      m_set(std::move(set)), m_separator(std::move(decimalSeparator)),
      m_foreign(m_set.isForeign(m_separator)), m_options(options)
{
}

bool ParameterSetWriter::writes(int position) const
{
    return position < std::min<int>(m_points.cpCount, ParameterSet::Positions) &&
           (m_points.cp(position).syncable || m_options.deviceSpecific) && m_set.holds(position);
}

CpValue ParameterSetWriter::valueOf(int position) const
{
    CpValue value;
    value.text = m_set.loadedText(position, m_foreign, m_separator);
    value.elements = m_set.loadedElements(position, m_foreign, m_separator);
    if (position == point_catalogue::cp::BacklightMin || position == point_catalogue::cp::BacklightMax)
        for (QString& element : value.elements)
            element = DeviceTransfer::backlightElement(element, m_separator);
    return value;
}

ParameterSetWriter::Result ParameterSetWriter::write(const std::shared_ptr<lns::AppDevice>& device)
{
    Result result;
    // The first failure that outlasts the silent retries ends the device.
    const auto fail = [&result](const lns::Error& error) {
        if (result.error.isEmpty())
            result.error = error.description().isEmpty() ? QStringLiteral("error %1").arg(error.number())
                                                         : error.description();
        return UiServices::Answer::Abort;
    };
    DeviceTransfer transfer(m_points, m_catalogue, m_log, m_system, fail);
    const std::optional<DeviceTransfer::Target> target = transfer.openTarget(device);
    if (target) {
        result.device = target->name;
        result.subsystem = target->subsystemName;
        result.deviceState = target->stateText;
    }
    // The name is enough to report a device that does not answer.
    bestEffort([&] {
        if (device)
            result.neuronId = device->neuronId();
    });
    if (!target)
        return result;

    std::set<int> chosen;
    for (int position = 0; position < ParameterSet::Positions; ++position)
        if (writes(position))
            chosen.insert(position);
    if (m_options.onlyChanged || m_options.dryRun) {
        StepRunner steps(fail, DeviceTransfer::Retries);
        const std::optional<ParameterSet> current =
            readDeviceParameters(m_points, *device, target->nvs, steps);
        if (!current)
            return result;
        for (auto position = chosen.begin(); position != chosen.end();) {
            const QString before = current->displayText(*position, false, m_separator);
            const QString after = m_set.displayText(*position, m_foreign, m_separator);
            if (before == after) {
                position = chosen.erase(position);
                continue;
            }
            result.changes.append({*position, before, after});
            ++position;
        }
        if (chosen.empty() || m_options.dryRun) {
            result.status = chosen.empty() ? Status::Unchanged : Status::WouldChange;
            return result;
        }
    }

    Collector collector(m_options.stopRequested);
    transfer.resetHeader();
    const bool completed = transfer.writeSet(
        *target, DeviceTransfer::Mode::ChangedOnly,
        [&chosen](int position) { return chosen.count(position) != 0; },
        [this](int position) { return valueOf(position); }, collector);
    result.written = collector.written;
    if (collector.stopped)
        result.status = Status::Interrupted;
    else if (completed && result.error.isEmpty() &&
             result.written.size() == static_cast<qsizetype>(chosen.size()))
        result.status = target->databaseOnly() ? Status::DatabaseOnly : Status::Written;
    else if (result.error.isEmpty())
        result.error = QStringLiteral("the device did not confirm every value of the set");
    return result;
}

QString ParameterSetWriter::statusText(Status status)
{
    switch (status) {
    case Status::Written:
        return QStringLiteral("written");
    case Status::DatabaseOnly:
        return QStringLiteral("stored in the database only");
    case Status::Unchanged:
        return QStringLiteral("unchanged");
    case Status::WouldChange:
        return QStringLiteral("would change");
    case Status::Interrupted:
        return QStringLiteral("interrupted");
    case Status::NotStarted:
        return QStringLiteral("not started");
    case Status::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QString ParameterSetWriter::outcomeText(const Result& result)
{
    if (result.status == Status::DatabaseOnly)
        return DeviceTransfer::databaseOnlyText(result.deviceState, true);
    return statusText(result.status);
}

QStringList ParameterSetWriter::problems(const PointTables& points, const ParameterSet& set,
                                         const QString& decimalSeparator, bool deviceSpecific)
{
    const bool foreign = set.isForeign(decimalSeparator);
    QStringList found;
    bool writesAny = false;
    for (int position = 0; position < std::min<int>(points.cpCount, ParameterSet::Positions); ++position) {
        const CpEntry& entry = points.cp(position);
        if (!(entry.syncable || deviceSpecific) || !set.holds(position))
            continue;
        writesAny = true;
        const QString name = entry.owner + QLatin1Char('/') + entry.name;
        const std::span<const ParameterSet::Value> stored = set.elements(position);
        if (stored.empty()) {
            const Expected<void> fits = cp_value_check::check(
                position, -1, set.loadedText(position, foreign, decimalSeparator), decimalSeparator);
            if (!fits)
                found.append(name + QStringLiteral(": ") + fits.error());
            continue;
        }
        // Backlight elements are checked as stored: the transfer takes their leading number.
        const QStringList elements = set.loadedElements(position, foreign, decimalSeparator);
        for (int element = 0; element < static_cast<int>(stored.size()); ++element) {
            const Expected<void> fits =
                stored[static_cast<std::size_t>(element)]
                    ? cp_value_check::check(position, element, elements.at(element), decimalSeparator)
                    : Failure{QStringLiteral("the file holds no value")};
            if (!fits)
                found.append(name + QStringLiteral(" element ") + QString::number(element) +
                             QStringLiteral(": ") + fits.error());
        }
    }
    if (!writesAny)
        found.append(QStringLiteral("The file holds no value of a CP that is written to a device (all its "
                                    "records are empty)."));
    return found;
}
