#include "transfer/ParameterSetWriter.h"

#include "device/point_catalogue/PointTables.h"
#include "files/DeviceParameters.h"
#include "host/Log.h"
#include "host/StepRunner.h"
#include "host/object_server/AppDevice.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferObserver.h"

#include <set>

namespace {

class Collector final : public TransferObserver
{
public:
    bool beforeCp(int) override { return true; }
    void cpWritten(int position, const QString& readBack) override { written.append({position, readBack}); }
    void afterCp(int) override {}

    QList<ParameterSetWriter::Written> written;
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
           m_points.cp(position).syncable && m_set.holds(position);
}

CpValue ParameterSetWriter::valueOf(int position) const
{
    CpValue value;
    value.text = m_set.loadedText(position, m_foreign, m_separator);
    value.elements = m_set.loadedElements(position, m_foreign, m_separator);
    if (position == ParameterSet::BacklightMinPosition || position == ParameterSet::BacklightMaxPosition)
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
        return Ui::Answer::Abort;
    };
    DeviceTransfer transfer(m_points, m_catalogue, m_log, m_system, fail);
    const std::optional<DeviceTransfer::Target> target = transfer.openTarget(device);
    if (target) {
        result.device = target->name;
        result.subsystem = target->subsystemName;
        result.deviceState = target->stateText;
    }
    try {
        if (device)
            result.neuronId = device->neuronId();
    } catch (const lns::Error&) {
        // The name is enough to report a device that does not answer.
    }
    if (!target)
        return result;

    std::set<int> chosen;
    for (int position = 0; position < ParameterSet::Positions; ++position)
        if (writes(position))
            chosen.insert(position);
    if (m_options.onlyChanged || m_options.dryRun) {
        StepRunner steps(fail, StepRunner::SilentRetries{DeviceTransfer::SilentRetries, {}});
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

    Collector collector;
    transfer.resetHeader();
    const bool completed = transfer.writeDevice(
        *target, DeviceTransfer::Mode::ChangedOnly,
        [&chosen](int position) { return chosen.count(position) != 0; },
        [this](int position) { return valueOf(position); }, collector);
    result.written = collector.written;
    if (completed && result.error.isEmpty() && result.written.size() == static_cast<qsizetype>(chosen.size()))
        result.status = target->databaseOnly() ? Status::DatabaseOnly : Status::Written;
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
