#pragma once

#include <functional>

struct AppContext;
struct DeviceSession;
struct MainControls;
struct TransferState;

// Cancel: every edit not yet applied is thrown away. Marked NV inputs get their last known value
// back, every CP box is refilled from the values read (the array CPs from the device), and the
// device selection is cleared.
class CancelEdits final
{
public:
    struct Procedures
    {
        std::function<void()> KnotenReset;
        // Drops the selection window with its tree and the chosen devices.
        std::function<void()> unloadSelection;
        std::function<void()> func_red_field;
    };

    CancelEdits(AppContext& context, MainControls& controls, DeviceSession& session, TransferState& transfer,
                Procedures procedures);
    CancelEdits(const CancelEdits&) = delete;
    CancelEdits& operator=(const CancelEdits&) = delete;

    void cmdCancel_Click();

private:
    void restoreNvInput(int position);
    void refillCp(int position);
    bool online() const;

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
    TransferState& m_transfer;
    const Procedures m_procedures;
};
