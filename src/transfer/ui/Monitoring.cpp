#include "transfer/ui/Monitoring.h"

#include "device/DeviceSession.h"
#include "device/FrameworkSettings.h"
#include "device/ProgressStatus.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/UnitStatusText.h"
#include "host/AppContext.h"
#include "host/Log.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/StepRunner.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/ObjectServer.h"
#include "transfer/PollInterval.h"
#include "transfer/ui/MonitoringTrend.h"
#include "ui/ChangeMarker.h"
#include "ui/MainControls.h"
#include "ui/StatusPanels.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <initializer_list>

namespace {

const QString InitialPoll = QStringLiteral("5");
constexpr qint32 InitialPollTenths = 50;
constexpr int MonitorMode = 3;
// The output box whose text is cut at its first ",".
constexpr int CutOutput = point_catalogue::positionOf(point_catalogue::NvoDefinitions, "nvoSwitch_6");

template <typename Array> bool anyMarked(const Array& array, std::initializer_list<int> indices)
{
    for (const int index : indices) {
        if (change_marker::isMarked(array(index)))
            return true;
    }
    return false;
}

} // namespace

Monitoring::Monitoring(AppContext& context, MainControls& controls, DeviceSession& session, ShowHelp showHelp,
                       QObject* parent)
    : QObject(parent), m_context(context), m_controls(controls), m_session(session),
      m_showHelp(std::move(showHelp)), m_trend(new MonitoringTrend(context, controls, this))
{
    connectControls();
}

void Monitoring::connectControls()
{
    connect(m_controls.chkMonitor, &QCheckBox::toggled, this, [this] { chkMonitor_Click(); });
    connect(m_controls.txtPoll, &QLineEdit::textChanged, this, [this] { txtPoll_Change(); });
    connect(m_controls.cmd_Poll_ok, &QPushButton::clicked, this, [this] { cmd_Poll_ok_Click(); });
    ControlEvents::Handlers poll;
    poll.lostFocus = [this] { txtPoll_LostFocus(); };
    m_events.attach(m_controls.txtPoll, std::move(poll));

    for (const auto& [index, box] : m_controls.txtNvo.items()) {
        const int i = index;
        connect(box, &QLineEdit::textChanged, this, [this, i] { txtNvo_Change(i); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this, i] { txtNvo_GotFocus(i); };
        m_events.attach(box, std::move(handlers));
    }

    lns::ObjectServer& server = m_context.objectServer;
    connect(&server, &lns::ObjectServer::nvUpdate, this,
            [this](qint32 tag, const QString& value) { lcaOs_OnNetworkVariableUpdate(tag, value); });
    connect(&server, &lns::ObjectServer::nvUpdateError, this,
            [this](qint32 tag) { lcaOs_OnNvUpdateError(tag); });
    connect(&server, &lns::ObjectServer::systemEvent, this, [this] { lcaOs_OnSystemEvent(); });
}

bool Monitoring::online() const
{
    return m_controls.PlugInStatus->online();
}

bool Monitoring::Monitor_An(bool on)
{
    StepRunner steps(StepRunner::messageBox(m_context.ui, QStringLiteral(" Monitor_An(fmain)"),
                                            plugin_identity::ProgramTitle));
    const std::shared_ptr<lns::AppDevice> device = m_session.currentDevice;
    if (m_monitoredDevice && m_monitoredDevice != device) {
        configure(*m_monitoredDevice, false, 0, steps);
        if (!steps.aborted())
            m_monitoredDevice.reset();
    }
    if (device && !steps.aborted()) {
        configure(*device, on, on ? pollTenths() : 0, steps);
        // After an Abort part of the NVs may carry tags: they are released the next time.
        if (on)
            m_monitoredDevice = device;
        else if (!steps.aborted())
            m_monitoredDevice.reset();
    }
    if (steps.aborted()) {
        abort();
        return false;
    }
    showState(on && m_controls.chkMonitor->isChecked());
    return true;
}

void Monitoring::configure(const lns::AppDevice& device, bool on, qint32 tenths, StepRunner& steps)
{
    std::shared_ptr<lns::NetworkVariables> nvs;
    steps.run([&] {
        const std::shared_ptr<lns::DeviceInterface> deviceInterface = device.deviceInterface();
        if (!deviceInterface)
            throw lns::Error(lns::errors::NotFound, device.name() + QStringLiteral(" has no interface."));
        nvs = deviceInterface->networkVariables();
    });
    // Without the collection there is no NV to configure.
    if (!nvs)
        return;
    const PointTables& points = m_context.points;
    for (int position = 0; position < points.nviCount; ++position)
        configureNv(*nvs, points.nvi(position), true, on, tenths, steps);
    for (int position = 0; position < points.nvoCount; ++position)
        configureNv(*nvs, points.nvo(position), false, on, tenths, steps);
}

void Monitoring::configureNv(const lns::NetworkVariables& nvs, const NvEntry& entry, bool input, bool on,
                             qint32 tenths, StepRunner& steps)
{
    std::shared_ptr<lns::NetworkVariable> nv;
    steps.run([&] { nv = nvs.item(entry.nvIndex); });
    if (!nv)
        return;
    if (on) {
        steps.run([&] { nv->setHold(true); });
        steps.run([&] { nv->setPollInterval(tenths); });
        steps.run([&] { nv->setMonitorEnabled(true); });
        steps.run([&] { nv->setMonitorOption2(true); });
        if (input)
            steps.run([&] { nv->setMonitorOption1(true); });
        steps.run([&] { nv->setMonitorMode(MonitorMode); });
        steps.run([&] { nv->setHold(false); });
        steps.run([&] { nv->setTag(entry.tag); });
        return;
    }
    // Only NVs the plug-in configured are released; an unknown tag counts as not ours.
    qint32 tag = 0;
    if (steps.run([&] { tag = nv->tag(); }) != StepRunner::Outcome::Done || tag == 0)
        return;
    steps.run([&] { nv->setHold(true); });
    steps.run([&] { nv->setTag(0); });
    steps.run([&] { nv->setMonitorEnabled(false); });
    steps.run([&] { nv->setHold(false); });
}

qint32 Monitoring::pollTenths()
{
    if (const std::optional<qint32> tenths =
            poll_interval::tenths(m_controls.txtPoll->text(), m_context.settings.decimalSeparator))
        return *tenths;
    notANumber();
    return InitialPollTenths;
}

void Monitoring::notANumber()
{
    m_controls.echLog->addError(QStringLiteral("Error: not a number"));
    m_controls.txtPoll->setText(InitialPoll);
    m_context.ui.setPointer(UiServices::Pointer::Default);
}

void Monitoring::showState(bool on)
{
    const TextArray<83>& texts = m_context.catalogue.MainTexts;
    m_controls.PlugInStatus->setPanelText(StatusPanels::MonitoringPanel,
                                          texts[on ? main_text::MonitoringOn : main_text::MonitoringOff]);
    m_trend->monitoringShown(on);
}

void Monitoring::abort()
{
    m_context.ui.setPointer(UiServices::Pointer::Default);
    closeProgressWindows(m_context);
    showState(false);
    // Abort ends the procedure: unticking the box must not start another round.
    m_aborting = true;
    m_controls.chkMonitor->setChecked(false);
    m_aborting = false;
}

void Monitoring::chkMonitor_Click()
{
    if (m_aborting)
        return;
    if (!online()) {
        m_controls.chkMonitor->setChecked(false);
        return;
    }
    Monitor_An(m_controls.chkMonitor->isChecked());
}

void Monitoring::txtPoll_Change()
{
    m_controls.cmd_Poll_ok->setVisible(true);
}

void Monitoring::txtPoll_LostFocus()
{
    if (m_controls.txtPoll->text().isEmpty())
        m_controls.txtPoll->setText(InitialPoll);
}

void Monitoring::cmd_Poll_ok_Click()
{
    UiServices& ui = m_context.ui;
    if (!poll_interval::tenths(m_controls.txtPoll->text(), m_context.settings.decimalSeparator)) {
        notANumber();
        return;
    }
    if (m_controls.chkMonitor->isChecked()) {
        ui.setPointer(UiServices::Pointer::Hourglass);
        // Released first, so that every NV takes the new interval.
        if (Monitor_An(false))
            Monitor_An(true);
    }
    m_controls.cmd_Poll_ok->setVisible(false);
    ui.setPointer(UiServices::Pointer::Default);
}

void Monitoring::txtNvo_GotFocus(int index)
{
    try {
        m_showHelp(QStringLiteral("Nvo"), index);
    } catch (const lns::Error& error) {
        m_controls.echLog->addError(error.description() + QStringLiteral("  txtNvo_GotFocus(fMain)"));
    }
}

void Monitoring::txtNvo_Change(int index)
{
    if (index != CutOutput)
        return;
    QLineEdit* box = m_controls.txtNvo(index);
    const QString text = box->text();
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0)
        box->setText(text.left(comma));
}

bool Monitoring::beingEdited(int position) const
{
    const MainControls& c = m_controls;
    if (change_marker::isMarked(c.txtNvi(position)))
        return true;
    if (c.cmb_nvi.contains(position) && change_marker::isMarked(c.cmb_nvi(position)))
        return true;
    // Inputs whose value is also edited through other controls.
    using namespace point_catalogue;
    switch (position) {
    case nvi::ScSceneFb:
        return anyMarked(c.txtNvi, {nvi::SceneName, nvi::SceneNumber});
    case nvi::UnitStatus:
        for (int field = 0; field < unit_status_text::FieldCount; ++field)
            if (change_marker::isMarked(c.txtNvi(nvi::UnitStatusFields + field)))
                return true;
        return false;
    case nvi::TimeSet:
        return anyMarked(c.txtdate, {1, 2, 3}) || anyMarked(c.txttime, {1, 2, 3});
    default:
        return false;
    }
}

void Monitoring::lcaOs_OnNetworkVariableUpdate(qint32 tag, const QString& value)
{
    PointTables& points = m_context.points;
    try {
        for (int position = 0; position < points.nviCount; ++position) {
            NvEntry& entry = points.nvi(position);
            if (entry.tag != tag)
                continue;
            // A pending edit is never overwritten; it is written by Apply or put back by Cancel.
            if (beingEdited(position))
                return;
            entry.value = value;
            m_controls.txtNvi(position)->setText(value);
        }
        if (tag < PointTables::FirstOutputTag)
            return;
        for (int position = 0; position < points.nvoCount; ++position) {
            NvEntry& entry = points.nvo(position);
            if (entry.tag != tag)
                continue;
            entry.value = value;
            m_controls.txtNvo(position)->setText(value);
            m_trend->outputShown(position, value);
        }
    } catch (const lns::Error& error) {
        m_context.ui.message(error.description() +
                                 QStringLiteral("Error: lcaOs_OnNetworkVariableUpdate(fMain)"),
                             plugin_identity::ProgramTitle);
    }
}

void Monitoring::lcaOs_OnNvUpdateError(qint32 tag)
{
    const PointTables& points = m_context.points;
    const QString prefix = QStringLiteral("Nv update error: ");
    for (int position = 0; position < points.nviCount; ++position) {
        if (points.nvi(position).tag == tag)
            m_controls.echLog->addError(prefix + points.nvi(position).name);
    }
    for (int position = 0; position < points.nvoCount; ++position) {
        if (points.nvo(position).tag == tag)
            m_controls.echLog->addError(prefix + points.nvo(position).name);
    }
}

void Monitoring::lcaOs_OnSystemEvent()
{
    if (QWidget* active = QApplication::activeWindow())
        active->repaint();
}

void Monitoring::leaveDevice()
{
    if (m_monitoredDevice)
        Monitor_An(false);
    m_trend->deviceLeft();
}

void Monitoring::deviceRead()
{
    if (m_controls.chkMonitor->isChecked())
        chkMonitor_Click();
    else
        m_controls.chkMonitor->setChecked(true);
}
