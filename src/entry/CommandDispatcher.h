#pragma once

#include "host/CommandTable.h"
#include "host/ObjectPath.h"

#include <QString>
#include <memory>

class NetworkRegistration;
class PlugInDeregistration;
class PlugInWindow;
struct AppContext;

namespace lns {
class AppDevice;
}

// The director's commands: 50 registers the plug-in in the open network, 51 deregisters it,
// and the commands of the command table hand a device of the open system to the main window.
// Failures reach the director as AutomationError.
class CommandDispatcher final
{
public:
    CommandDispatcher(AppContext& context, NetworkRegistration& registration,
                      PlugInDeregistration& deregistration);
    CommandDispatcher(const CommandDispatcher&) = delete;
    CommandDispatcher& operator=(const CommandDispatcher&) = delete;

    void SendCommand(PlugInWindow& window, qint32 commandId, qint16 objectClassId, const QString& objectName);
    void DispatchDeviceCommand(PlugInWindow& window, const PlugInCommand& row, const QString& objectName,
                               qint16 objectClassId);
    // The object the current object path names in the open system; null when there is none.
    std::shared_ptr<lns::AppDevice> ResolveObject(qint16 objectClassId) const;

    const ObjectPath& objectPath() const { return m_objectPath; }

private:
    AppContext& m_context;
    NetworkRegistration& m_registration;
    PlugInDeregistration& m_deregistration;
    ObjectPath m_objectPath;
};
