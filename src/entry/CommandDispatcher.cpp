#include "entry/CommandDispatcher.h"

#include "host/AppContext.h"
#include "host/AutomationError.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInWindow.h"
#include "host/ProgressDisplay.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"
#include "host/object_server/System.h"
#include "registration/NetworkRegistration.h"
#include "registration/PlugInDeregistration.h"

namespace {

// The progress window lives for the command's own work only; it is gone before a device
// reaches the main window, also when that work fails.
class ProgressScope final
{
public:
    ProgressScope(ProgressDisplay& progress, UiServices& ui) : m_progress(progress), m_ui(ui)
    {
        m_progress.showProgress(true);
        m_ui.processEvents();
    }
    ~ProgressScope() { close(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void close()
    {
        if (m_closed)
            return;
        m_closed = true;
        m_progress.closeProgress();
        m_ui.processEvents();
    }

private:
    ProgressDisplay& m_progress;
    UiServices& m_ui;
    bool m_closed = false;
};

} // namespace

CommandDispatcher::CommandDispatcher(AppContext& context, NetworkRegistration& registration,
                                     PlugInDeregistration& deregistration)
    : m_context(context), m_registration(registration), m_deregistration(deregistration)
{
}

void CommandDispatcher::SendCommand(PlugInWindow& window, qint32 commandId, qint16 objectClassId,
                                    const QString& objectName)
{
    const MessageCatalogue& texts = m_context.catalogue;
    ProgressScope progress(m_context.progress, m_context.ui);

    if (commandId == CommandTable::RegisterCommand) {
        m_context.progress.setStatus(texts.ApiTexts[api_text::RegisteringPlugIn]);
        if (!m_registration.RegisterWithNetwork())
            throw AutomationError(AutomationError::RegistrationFailed,
                                  texts.ApiTexts[api_text::CommandsNotRegistered]);
        return;
    }
    if (commandId == CommandTable::DeregisterCommand) {
        m_context.progress.setStatus(texts.ApiTexts[api_text::UnregisteringPlugIn]);
        // Nothing can be removed without an open network; the director must not take that for
        // success, and it is told what is missing rather than a network without a name.
        if (!m_context.connection.NetworkOpen || !m_context.connection.system)
            throw AutomationError(AutomationError::NotPossibleNow,
                                  QStringLiteral("No network is open: set networkName before command 51"));
        m_deregistration.setShowProgress(false);
        m_deregistration.DeregisterFromNetwork(*m_context.connection.system, false, true);
        return;
    }

    m_context.progress.setStatus(texts.ApiTexts[api_text::InitialisingPlugIn]);
    bool commandKnown = false;
    int matched = -1;
    for (int index = 0; index < CommandTable::Rows && matched < 0; ++index) {
        const PlugInCommand& row = m_context.commands.row(index);
        if (row.CommandId != commandId)
            continue;
        commandKnown = true;
        if (row.ObjectClassId == objectClassId)
            matched = index;
    }
    progress.close();

    if (matched >= 0)
        DispatchDeviceCommand(window, m_context.commands.row(matched), objectName, objectClassId);
    else if (commandKnown)
        throw AutomationError(AutomationError::ObjectTypeNotSupported,
                              texts.ApiTexts[api_text::ObjectTypeNotSupported]);
    else
        throw AutomationError(AutomationError::CommandNotSupported,
                              texts.ApiTexts[api_text::CommandNotSupported]);
}

void CommandDispatcher::DispatchDeviceCommand(PlugInWindow& window, const PlugInCommand& row,
                                              const QString& objectName, qint16 objectClassId)
{
    m_objectPath.SplitObjectPath(objectName);
    std::shared_ptr<lns::AppDevice> device = ResolveObject(objectClassId);
    if (!device)
        throw AutomationError(AutomationError::ObjectNotFound, QStringLiteral("Object not found"));
    if (row.ObjectClassId != CommandTable::ApplicationDeviceClass)
        return;
    PlugInCommand command = row;
    try {
        window.ProcessDeviceCommand(device, command);
    } catch (const lns::Error& error) {
        // An object server failure the window did not handle reaches the director as it is.
        throw AutomationError(error.number(), error.description());
    }
}

std::shared_ptr<lns::AppDevice> CommandDispatcher::ResolveObject(qint16 objectClassId) const
{
    const std::shared_ptr<lns::System> system = m_context.connection.system;
    if (objectClassId != CommandTable::ApplicationDeviceClass || !system)
        return nullptr;
    const int count = m_objectPath.count();
    try {
        const std::shared_ptr<lns::Subsystem> subsystem =
            system->subsystems()->item(m_objectPath.PathComponent(count - 1, true));
        if (!subsystem)
            return nullptr;
        return subsystem->applicationDevices()->item(m_objectPath.PathComponent(count, true));
    } catch (const lns::Error&) {
        return nullptr;
    }
}
