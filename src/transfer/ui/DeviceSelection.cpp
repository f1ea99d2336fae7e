#include "transfer/ui/DeviceSelection.h"

#include "device/DeviceSession.h"
#include "device/ProgressStatus.h"
#include "host/AppContext.h"
#include "host/MessageCatalogue.h"
#include "host/ProgressDisplay.h"
#include "host/catalogue/TextIds.h"
#include "transfer/TransferState.h"
#include "transfer/ui/fGeraeteauswahl.h"
#include "ui/MainControls.h"

#include <QPushButton>

DeviceSelection::DeviceSelection(AppContext& context, MainControls& controls, DeviceSession& session,
                                 TransferState& transfer, QObject* parent)
    : QObject(parent), m_context(context), m_controls(controls), m_session(session), m_transfer(transfer)
{
}

DeviceSelection::~DeviceSelection()
{
    delete m_window;
}

void DeviceSelection::cmdGerAuswahl_Click()
{
    // The search lets events run; a second click meanwhile must not start another one. A running
    // transfer walks the selection, which must not change under it.
    if (m_searching || m_transfer.transferRunning || !m_session.currentDevice)
        return;
    m_context.progress.showSplash();
    showProgressStatus(m_context, m_context.catalogue.MainTexts[main_text::SearchingDevices]);
    if (!m_window)
        load();
    closeProgressWindows(m_context);
    if (m_window)
        m_window->open();
}

void DeviceSelection::load()
{
    m_stale = false;
    m_searching = true;
    m_window = new fGeraeteauswahl(m_context, m_controls, m_session, m_transfer, m_controls.fMain);
    m_window->Form_Load();
    m_searching = false;
    if (m_stale) {
        clearSelection();
        dropWindow();
    }
}

void DeviceSelection::invalidate()
{
    clearSelection();
    if (m_searching) {
        // The window is in the middle of its search; it is dropped as soon as that returns.
        m_stale = true;
        if (m_window)
            m_window->stopSearch();
        return;
    }
    dropWindow();
}

void DeviceSelection::KnotenReset()
{
    if (m_window)
        m_window->KnotenReset();
    else
        m_transfer.selectedDevices.clear();
}

fGeraeteauswahl* DeviceSelection::window() const
{
    return m_window;
}

bool DeviceSelection::synchronise() const
{
    return m_window && m_window->synchronise();
}

void DeviceSelection::clearSelection()
{
    m_transfer.selectedDevices.clear();
    m_transfer.deviceTemplate.reset();
    m_transfer.deviceListBuilt = false;
}

void DeviceSelection::dropWindow()
{
    if (!m_window)
        return;
    m_window->hide();
    // Deleted once control is back in the event loop, in case one of its handlers is running.
    m_window->deleteLater();
    m_window = nullptr;
}
