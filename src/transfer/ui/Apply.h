#pragma once

#include "transfer/CpValue.h"
#include "transfer/DeviceTransfer.h"

#include <QList>
#include <functional>

class TransferStatus;
struct TransferTally;
struct AppContext;
struct DeviceSession;
struct EditorState;
struct MainControls;
struct TransferState;

// Apply: writes the marked NV inputs to the current device, then the marked CPs to the current
// device (after a question) or to every chosen device, with "sync. Devices" every general CP.
// Written points are read back, logged and unmarked; a CP meant for several devices is unmarked
// only once every one of them took it, and such a transfer ends with one summary line in the log
// and the status bar. The window stays usable for the progress window's close (which cancels)
// and for monitor events, but nothing else starts meanwhile.
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

    End writeNvInputs(DeviceTransfer& transfer);
    End writeToChosenDevices(DeviceTransfer& transfer, const QList<CpValue>& values);
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
