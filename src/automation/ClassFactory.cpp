#include "automation/ClassFactory.h"

#include "automation/AutomationErrorName.h"
#include "automation/AutomationServer.h"
#include "host/AutomationError.h"
#include "host/object_server/Error.h"

#include <QDBusMessage>

ClassFactory::ClassFactory(AutomationServer& server) : m_server(server) {}

QDBusObjectPath ClassFactory::CreateInstance()
{
    try {
        return QDBusObjectPath(m_server.createInstance(message().service()));
    } catch (const AutomationError& error) {
        sendErrorReply(automation_error_name::forNumber(error.number()), error.description());
    } catch (const lns::Error& error) {
        sendErrorReply(automation_error_name::forNumber(error.number()), error.description());
    } catch (const std::exception& error) {
        sendErrorReply(QDBusError::Failed, QString::fromLocal8Bit(error.what()));
    }
    return QDBusObjectPath();
}
