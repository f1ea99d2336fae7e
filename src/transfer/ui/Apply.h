#pragma once

#include "transfer/CpValue.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferTally.h"

#include <QList>
#include <functional>
#include <map>
#include <set>
#include <vector>

class TransferStatus;
struct AppContext;
struct DeviceSession;
struct EditorState;
struct MainControls;
struct TransferState;

// Apply: writes the marked NV inputs to the current device, then the marked CPs to the current
// device (after a question) or to every chosen device, with "sync. Devices" every general CP as
// one set per device, the devices of different channels at once (ChannelSync). Written points are read back,
// logged and unmarked; a CP meant for several devices is unmarked only once every one of them took it, and
// such a transfer ends with one summary line in the log and the status bar. The window stays usable for the
// progress window's close (which cancels) and for monitor events, but nothing else starts meanwhile.
class Apply final
{
public:
    // The main window's procedures the transfer calls.
    struct Procedures
    {
        std::function<bool(bool on)> Monitor_An;
        // "sync. Devices" of the device selection.
        std::function<bool()> synchronise;
        std::function<void()> KnotenReset;
        std::function<void()> func_red_field;
        // The commands that must wait while a transfer runs are disabled (true) or enabled again.
        std::function<void(bool running)> transferRunning;
    };

    Apply(AppContext& context, MainControls& controls, DeviceSession& session, EditorState& editorState,
          TransferState& transfer, TransferStatus& status, Procedures procedures);
    Apply(const Apply&) = delete;
    Apply& operator=(const Apply&) = delete;

    void cmdApply_Click();

private:
    enum class End
    {
        Normal,
        Cancelled,
        Aborted,
        Declined
    };

    // What the chosen devices took: per CP how many devices, and the devices in the summary.
    struct Taken
    {
        std::map<int, int> byCp;
        TransferTally tally;

        void add(const std::set<int>& written, const std::set<int>& wanted, bool databaseOnly);
    };

    End writeNvInputs(DeviceTransfer& transfer);
    End writeToChosenDevices(DeviceTransfer& transfer, const QList<CpValue>& values);
    // The marked CPs, device after device, CP after CP.
    End writeMarkedToChosen(DeviceTransfer& transfer, const std::vector<SelectedDevice>& chosen,
                            const lns::DeviceTemplate& deviceTemplate, const QList<CpValue>& values,
                            const std::set<int>& wanted, Taken& taken);
    // Every general CP as one set per device, the devices of different channels at once.
    End synchroniseChosen(const std::vector<SelectedDevice>& chosen,
                          const std::shared_ptr<lns::DeviceTemplate>& deviceTemplate,
                          const QList<CpValue>& values, const std::set<int>& wanted, Taken& taken);
    End writeToCurrentDevice(DeviceTransfer& transfer, const QList<CpValue>& values);
    void finish(End end);
    void report(const TransferTally& tally);
    QList<CpValue> captureCpValues() const;
    bool cpMarked(int position) const;
    bool online() const;
    void rebuildUnitStatus();
    UiServices::Answer decide(const lns::Error& error);

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
    EditorState& m_editorState;
    TransferState& m_transfer;
    TransferStatus& m_status;
    const Procedures m_procedures;
    // The last transfer synchronised chosen devices: only then are device-specific CPs explained.
    bool m_synchronised = false;
};
