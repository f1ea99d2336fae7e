#pragma once

#include "host/object_server/NetworkVariable.h"
#include "ui/ControlEvents.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class MonitoringTrend;
class StepRunner;
struct AppContext;
struct DeviceSession;
struct MainControls;
struct NvEntry;

namespace lns {
class AppDevice;
} // namespace lns

// Monitoring of the current device's NVs: the object server polls every NV the plug-in gave a
// poll interval and a tag, and reports new values by tag; the handlers show them in the NV's box.
// Owns chkMonitor, txtPoll, cmd_Poll_ok, the output boxes' events, panel 5 of the status bar and
// the trend beside the monitored outputs.
class Monitoring final : public QObject
{
    Q_OBJECT

public:
    // Shows the help of a point in the description box; may throw lns::Error.
    using ShowHelp = std::function<void(const QString& pointKind, int pointIndex)>;

    Monitoring(AppContext& context, MainControls& controls, DeviceSession& session, ShowHelp showHelp,
               QObject* parent);
    Monitoring(const Monitoring&) = delete;
    Monitoring& operator=(const Monitoring&) = delete;

    // Configures (on) or releases every NV of the current device and shows the monitoring state.
    // NVs of a device monitored before are released first. False when the user chose Abort.
    bool Monitor_An(bool on);

    void chkMonitor_Click();
    void txtPoll_Change();
    void txtPoll_LostFocus();
    void cmd_Poll_ok_Click();
    void txtNvo_GotFocus(int index);
    void txtNvo_Change(int index);

    void lcaOs_OnNetworkVariableUpdate(qint32 tag, const QString& value);
    void lcaOs_OnNvUpdateError(qint32 tag);
    void lcaOs_OnSystemEvent();

    // Another device is about to become current: the monitored one is released first, so none of
    // its reports lands in the boxes of the next.
    void leaveDevice();
    // A device command has read its device: monitoring follows the tick of chkMonitor, also when
    // the box was ticked already (ticking a ticked box raises no click).
    void deviceRead();

private:
    void connectControls();
    bool online() const;
    // The interval for switching on; a text that is no interval falls back to the initial "5".
    qint32 pollTenths();
    void notANumber();
    void configure(const lns::AppDevice& device, bool on, qint32 tenths, StepRunner& steps);
    void configureNv(const lns::NetworkVariables& nvs, const NvEntry& entry, bool input, bool on,
                     qint32 tenths, StepRunner& steps);
    // An input whose box, or any control that edits the same NV, carries a pending edit.
    bool beingEdited(int position) const;
    void showState(bool on);
    void abort();

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
    ShowHelp m_showHelp;
    ControlEvents m_events;
    MonitoringTrend* m_trend;
    // The device whose NVs carry our tags, until they are released.
    std::shared_ptr<lns::AppDevice> m_monitoredDevice;
    bool m_aborting = false;
};
