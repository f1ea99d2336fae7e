#include "transfer/ui/Apply.h"

#include "device/DeviceSession.h"
#include "device/EditorState.h"
#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/UnitStatusText.h"
#include "host/AppContext.h"
#include "host/ConnectionState.h"
#include "host/Log.h"
#include "host/MemoryLog.h"
#include "host/MessageCatalogue.h"
#include "host/catalogue/TextIds.h"
#include "transfer/ChannelEstimate.h"
#include "transfer/ChannelSync.h"
#include "transfer/TransferObserver.h"
#include "transfer/TransferState.h"
#include "transfer/TransferTally.h"
#include "transfer/ui/Companions.h"
#include "transfer/ui/TransferStatus.h"
#include "ui/ChangeMarker.h"
#include "ui/MainControls.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

using namespace point_catalogue;

// Progress, cancelling and, where given, the boxes of the CPs while a device is written.
class WindowObserver final : public TransferObserver
{
public:
    WindowObserver(UiServices& ui, TransferState& transfer, TransferStatus* status,
                   std::function<void(int, const QString&)> onWritten = {})
        : m_ui(ui), m_transfer(transfer), m_status(status), m_onWritten(std::move(onWritten))
    {
    }

    bool beforeCp(int position) override
    {
        if (m_transfer.transferCancelled) {
            m_transfer.transferCancelled = false;
            return false;
        }
        m_ui.processEvents();
        if (m_status)
            m_status->setParameter(position + 1);
        return true;
    }
    void cpWritten(int position, const QString& readBack) override
    {
        written.insert(position);
        if (m_onWritten)
            m_onWritten(position, readBack);
    }
    void afterCp(int) override { m_ui.processEvents(); }

    // The CPs written since the caller last cleared it.
    std::set<int> written;

private:
    UiServices& m_ui;
    TransferState& m_transfer;
    TransferStatus* m_status;
    std::function<void(int, const QString&)> m_onWritten;
};

} // namespace

Apply::Apply(AppContext& context, MainControls& controls, DeviceSession& session, EditorState& editorState,
             TransferState& transfer, TransferStatus& status, Procedures procedures)
    : m_context(context), m_controls(controls), m_session(session), m_editorState(editorState),
      m_transfer(transfer), m_status(status), m_procedures(std::move(procedures))
{
}

void Apply::cmdApply_Click()
{
    // Events run during the transfer; a second click must not start a transfer inside it.
    if (m_transfer.transferRunning || !m_session.currentDevice)
        return;
    m_transfer.transferRunning = true;
    m_procedures.transferRunning(true);
    m_synchronised = false;
    m_controls.PlugInStatus->setSummary(QString());

    UiServices& ui = m_context.ui;
    ui.setPointer(UiServices::Pointer::Hourglass);
    if (online())
        m_procedures.Monitor_An(false);
    m_transfer.transferCancelled = false;

    DeviceTransfer transfer(m_context.points, m_context.catalogue, *m_controls.echLog,
                            m_context.connection.system,
                            [this](const lns::Error& error) { return decide(error); });
    End end = writeNvInputs(transfer);
    if (end == End::Normal) {
        const QList<CpValue> values = captureCpValues();
        if (!m_transfer.selectedDevices.empty())
            end = writeToChosenDevices(transfer, values);
        else
            end = writeToCurrentDevice(transfer, values);
    }
    finish(end);
}

Apply::End Apply::writeNvInputs(DeviceTransfer& transfer)
{
    PointTables& points = m_context.points;
    std::optional<DeviceTransfer::Target> target;
    bool headerLogged = false;
    for (int position = 0; position < points.nviCount; ++position) {
        QLineEdit* editor = m_controls.txtNvi(position);
        // The text as it is now is what gets written, whatever happens while retrying.
        const QString text = editor->text();
        if (change_marker::isMarked(editor)) {
            if (!headerLogged) {
                headerLogged = true;
                Log& log = *m_controls.echLog;
                log.addInformation(QString());
                log.addInformation(m_context.catalogue.MainTexts[main_text::WritingNetworkVariables]);
                log.addInformation(QString());
            }
            if (!target)
                target = transfer.openTarget(m_session.currentDevice);
            if (!target)
                return transfer.aborted() ? End::Aborted : End::Normal;
            QString readBack;
            const DeviceTransfer::Outcome outcome = transfer.writeNv(*target, position, text, readBack);
            if (outcome == DeviceTransfer::Outcome::Aborted)
                return End::Aborted;
            // A point the device did not get keeps the user's edit, marked, and the old value.
            if (outcome == DeviceTransfer::Outcome::Skipped)
                continue;
            change_marker::unmark(editor);
            companions::unmarkNv(m_controls, position);
        }
        points.nvi(position).value = text;
    }
    return End::Normal;
}

Apply::End Apply::writeToChosenDevices(DeviceTransfer& transfer, const QList<CpValue>& values)
{
    PointTables& points = m_context.points;
    const int deviceCount = m_transfer.selectedDeviceCount();
    const bool synchronise = m_procedures.synchronise();
    // The chosen devices are copied: the selection window may be reset while events run.
    const std::vector<SelectedDevice> chosen = m_transfer.selectedDevices;
    const std::shared_ptr<lns::DeviceTemplate> deviceTemplate = m_transfer.deviceTemplate;
    if (!deviceTemplate)
        return End::Normal;
    m_synchronised = synchronise;

    // What every chosen device is to take: each general CP when synchronising, else the marked ones.
    std::set<int> wanted;
    for (int position = 0; position < points.cpCount; ++position)
        if (synchronise ? points.cp(position).syncable : cpMarked(position))
            wanted.insert(position);

    m_status.start(deviceCount, points.cpCount);
    Taken taken;
    taken.tally.total = deviceCount;
    const End end = synchronise
                        ? synchroniseChosen(chosen, deviceTemplate, values, wanted, taken)
                        : writeMarkedToChosen(transfer, chosen, *deviceTemplate, values, wanted, taken);
    // Devices skipped, failed or never reached because the transfer ended early.
    taken.tally.skipped = taken.tally.total - taken.tally.written - taken.tally.databaseOnly;

    // A box is done only once every chosen device took its value; it then shows what the last
    // device read back. Any device that missed it keeps the box marked for the next Apply.
    for (int position : wanted) {
        if (taken.byCp[position] != deviceCount)
            continue;
        m_controls.txtNci(position)->setText(points.cp(position).value);
        change_marker::unmark(m_controls.txtNci(position));
        companions::unmarkCp(m_controls, position);
    }
    report(taken.tally);
    return end;
}

Apply::End Apply::writeMarkedToChosen(DeviceTransfer& transfer, const std::vector<SelectedDevice>& chosen,
                                      const lns::DeviceTemplate& deviceTemplate, const QList<CpValue>& values,
                                      const std::set<int>& wanted, Taken& taken)
{
    WindowObserver observer(m_context.ui, m_transfer, &m_status);
    const int deviceCount = static_cast<int>(chosen.size());
    for (int device = 1; device <= deviceCount; ++device) {
        if (m_transfer.transferCancelled) {
            m_transfer.transferCancelled = false;
            return End::Cancelled;
        }
        m_status.setDevice(device);
        const std::optional<DeviceTransfer::Target> target =
            transfer.openChosen(deviceTemplate, chosen[static_cast<std::size_t>(device - 1)]);
        if (!target) {
            if (transfer.aborted())
                return End::Aborted;
            continue;
        }
        observer.written.clear();
        const bool completed = transfer.writeDevice(
            *target, DeviceTransfer::Mode::ChangedOnly,
            [&wanted](int position) { return wanted.count(position) != 0; },
            [&values](int position) { return values.at(position); }, observer);
        taken.add(observer.written, wanted, target->databaseOnly());
        if (!completed)
            return transfer.aborted() ? End::Aborted : End::Cancelled;
    }
    return End::Normal;
}

Apply::End Apply::synchroniseChosen(const std::vector<SelectedDevice>& chosen,
                                    const std::shared_ptr<lns::DeviceTemplate>& deviceTemplate,
                                    const QList<CpValue>& values, const std::set<int>& wanted, Taken& taken)
{
    PointTables& points = m_context.points;
    ChannelSync sync({points, m_context.catalogue, m_context.connection.system, deviceTemplate,
                      m_context.connection.CurrentNetworkName, chosen,
                      [&values](int position) { return values.at(position); }, m_context.openObjectServer});
    ChannelEstimate estimate(sync.channels(), sync.floorsNs(), sync.workers());
    const int deviceCount = static_cast<int>(chosen.size());
    m_status.setDevice(1);
    m_status.setEstimate(estimate.remainingSeconds());

    int ended = 0;
    ChannelSync::Calls calls;
    calls.decide = [this](const lns::Error& error) { return decide(error); };
    // The bars count the devices that have ended; the next is the first one still under way.
    calls.ended = [&](int device) {
        estimate.ended(device);
        m_status.setParameter(points.cpCount);
        if (++ended < deviceCount)
            m_status.setDevice(ended + 1);
        m_status.setEstimate(estimate.remainingSeconds());
    };
    calls.done = [&](int, const ChannelSync::Device& outcome) {
        MemoryLog::replay(outcome.log, *m_controls.echLog);
        std::set<int> written;
        for (const auto& [position, readBack] : outcome.written) {
            written.insert(position);
            points.cp(position).value = readBack;
        }
        taken.add(written, wanted, outcome.databaseOnly);
    };
    calls.waiting = [this] {
        m_context.ui.processEvents();
        if (!m_transfer.transferCancelled)
            return false;
        m_transfer.transferCancelled = false;
        return true;
    };
    const ChannelSync::Result result = sync.run(calls);
    if (!result.failure.isEmpty())
        m_controls.echLog->addError(result.failure);
    switch (result.end) {
    case ChannelSync::End::Completed:
        return End::Normal;
    case ChannelSync::End::Cancelled:
        return End::Cancelled;
    case ChannelSync::End::Aborted:
        break;
    }
    return End::Aborted;
}

void Apply::Taken::add(const std::set<int>& written, const std::set<int>& wanted, bool databaseOnly)
{
    for (int position : written)
        ++byCp[position];
    if (std::includes(written.begin(), written.end(), wanted.begin(), wanted.end()))
        ++(databaseOnly ? tally.databaseOnly : tally.written);
}

Apply::End Apply::writeToCurrentDevice(DeviceTransfer& transfer, const QList<CpValue>& values)
{
    PointTables& points = m_context.points;
    bool anyMarked = false;
    for (int position = 0; position < points.cpCount && !anyMarked; ++position)
        anyMarked = cpMarked(position);
    if (!anyMarked)
        return End::Normal;

    const TextArray<83>& texts = m_context.catalogue.MainTexts;
    if (m_context.ui.message(texts[main_text::TransmitToCurrentQuestion], texts[main_text::NoDeviceSelected],
                             UiServices::Icon::None, UiServices::Buttons::YesNo) != UiServices::Answer::Yes)
        return End::Declined;

    const std::optional<DeviceTransfer::Target> target = transfer.openTarget(m_session.currentDevice);
    if (!target)
        return transfer.aborted() ? End::Aborted : End::Normal;
    WindowObserver observer(m_context.ui, m_transfer, nullptr, [this](int position, const QString& readBack) {
        m_controls.txtNci(position)->setText(readBack);
        change_marker::unmark(m_controls.txtNci(position));
        companions::unmarkCp(m_controls, position);
    });
    const bool completed = transfer.writeDevice(
        *target, DeviceTransfer::Mode::CurrentDevice, [this](int position) { return cpMarked(position); },
        [&values](int position) { return values.at(position); }, observer);
    if (!completed)
        return transfer.aborted() ? End::Aborted : End::Cancelled;
    return End::Normal;
}

void Apply::finish(End end)
{
    PointTables& points = m_context.points;
    Log& log = *m_controls.echLog;
    if (end == End::Normal) {
        const TextArray<83>& texts = m_context.catalogue.MainTexts;
        // Only synchronising leaves a CP behind for being device-specific; that is what the lines explain.
        for (int position = 0; position < points.cpCount && m_synchronised; ++position) {
            if (!cpMarked(position) || points.cp(position).syncable)
                continue;
            log.addError(QString());
            for (int line = main_text::NotSynchronisedFirst; line <= main_text::NotSynchronisedLast; ++line)
                log.addError(texts[line]);
        }
        if (online() && !change_marker::isMarked(m_controls.txtNvi(nvi::UnitStatus)))
            rebuildUnitStatus();
    }
    if (end == End::Aborted && m_transfer.deviceListBuilt)
        m_procedures.KnotenReset();
    if (end == End::Declined && m_controls.cmdGerAuswahl->isEnabled())
        m_controls.cmdGerAuswahl->setFocus(Qt::OtherFocusReason);

    m_status.finish();
    m_transfer.transferCancelled = false;
    m_transfer.transferRunning = false;
    m_procedures.transferRunning(false);
    // Whatever ended the transfer, Apply and Cancel follow the marks and monitoring comes back
    // as its box says: a ticked box over an unmonitored device would mislead.
    m_procedures.func_red_field();
    if (online() && m_controls.chkMonitor && m_controls.chkMonitor->isChecked())
        m_procedures.Monitor_An(true);
    m_context.ui.setPointer(UiServices::Pointer::Default);
}

void Apply::report(const TransferTally& tally)
{
    const QString summary = tally.summary();
    Log& log = *m_controls.echLog;
    if (tally.written == tally.total)
        log.addInformation(summary);
    else
        log.addError(summary);
    m_controls.PlugInStatus->setSummary(summary);
}

QList<CpValue> Apply::captureCpValues() const
{
    const PointTables& points = m_context.points;
    const QString& separator = m_context.settings.decimalSeparator;
    QList<CpValue> values;
    for (int position = 0; position < points.cpCount; ++position) {
        CpValue value;
        value.text = m_controls.txtNci(position)->text();
        if (position == cp::DiConfig) {
            for (int element = 0; element < cp::elements(position); ++element)
                value.elements.append(m_controls.elementBox(position, element)->text());
        } else if (position == cp::BacklightMin || position == cp::BacklightMax) {
            for (int element = 0; element < cp::elements(position); ++element)
                value.elements.append(DeviceTransfer::backlightElement(
                    m_controls.elementBox(position, element)->text(), separator));
        } else if (position == cp::TimeConfig && online()) {
            value.timeSet = m_controls.txtNvi(nvi::TimeSet)->text();
        }
        values.append(value);
    }
    return values;
}

bool Apply::cpMarked(int position) const
{
    return change_marker::isMarked(m_controls.txtNci(position));
}

bool Apply::online() const
{
    return m_controls.PlugInStatus->online();
}

void Apply::rebuildUnitStatus()
{
    unit_status_text::Fields fields = m_editorState.unitStatusFields;
    const QString& separator = m_context.settings.decimalSeparator;
    for (int field = 1; field <= 5; ++field) {
        const QString normalised = unit_status_text::normaliseField(
            m_controls.txtNvi(nvi::UnitStatusFields + field)->text(), separator);
        if (separator == QLatin1String("."))
            fields[static_cast<std::size_t>(field)] = normalised;
        else if (separator == QLatin1String(","))
            fields[static_cast<std::size_t>(field)] =
                QString(normalised).replace(QLatin1Char('.'), QLatin1Char(','));
    }
    m_editorState.unitStatusFields = fields;
    const QString value = unit_status_text::compose(fields, separator);
    m_context.points.nvi(nvi::UnitStatus).value = value;
    m_controls.txtNvi(nvi::UnitStatus)->setText(value);
    for (int field = 0; field < unit_status_text::FieldCount; ++field) {
        QLineEdit* box = m_controls.txtNvi(nvi::UnitStatusFields + field);
        box->setText(fields[static_cast<std::size_t>(field)]);
        change_marker::unmark(box);
    }
    change_marker::unmark(m_controls.txtNvi(nvi::UnitStatus));
}

UiServices::Answer Apply::decide(const lns::Error& error)
{
    const UiServices::Answer answer = m_context.ui.message(
        QStringLiteral("Error updating \r\n") + error.description() + QStringLiteral(" in cmdApply(fMain)"),
        QStringLiteral("fMain cmdApply_Click"), UiServices::Icon::Information,
        UiServices::Buttons::AbortRetryIgnore);
    // A box closed without a choice leaves, as Abort does.
    if (answer == UiServices::Answer::Retry || answer == UiServices::Answer::Ignore)
        return answer;
    return UiServices::Answer::Abort;
}
