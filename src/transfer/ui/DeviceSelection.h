#pragma once

#include <QObject>
#include <QPointer>

class fGeraeteauswahl;
struct AppContext;
struct DeviceSession;
struct MainControls;
struct TransferState;

// Opens the device selection window for the current device, searching the network the first
// time, and drops window and selection when another device is handed over, so that a later
// transfer can never write to the devices chosen for an earlier one.
class DeviceSelection final : public QObject
{
    Q_OBJECT

public:
    DeviceSelection(AppContext& context, MainControls& controls, DeviceSession& session,
                    TransferState& transfer, QObject* parent);
    ~DeviceSelection() override;
    DeviceSelection(const DeviceSelection&) = delete;
    DeviceSelection& operator=(const DeviceSelection&) = delete;

    // Shows the window modally over the main window without waiting for it to close.
    void cmdGerAuswahl_Click();
    // A device command: forgets the chosen devices, the template and the window.
    void invalidate();
    // Clears the selection (and the window's check marks while it is loaded).
    void KnotenReset();
    // 'sync. Devices' of the loaded window; false without one.
    bool synchronise() const;

    // The loaded window; null before the first search and after invalidate().
    fGeraeteauswahl* window() const;

private:
    void load();
    void clearSelection();
    void dropWindow();

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
    TransferState& m_transfer;
    QPointer<fGeraeteauswahl> m_window;
    bool m_searching = false;
    // A device command came while the search let events run: its result belongs to the old device.
    bool m_stale = false;
};
