#include "automation/InstanceBusObject.h"

#include "automation/AutomationErrorName.h"
#include "automation/AutomationProperties.h"
#include "automation/AutomationServer.h"
#include "automation/LNSPlugInAPI.h"
#include "host/AutomationError.h"
#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <chrono>
#include <memory>

namespace {

QDBusMessage invalidArgs(const QDBusMessage& message, const QString& text)
{
    return message.createErrorReply(QDBusError::InvalidArgs, text);
}

QString signatureName(const QString& signature)
{
    return signature.isEmpty() ? QStringLiteral("no arguments")
                               : QStringLiteral("\"") + signature + QStringLiteral("\"");
}

} // namespace

InstanceBusObject::InstanceBusObject(AutomationServer& server) : m_server(server) {}

QString InstanceBusObject::interfaceXml()
{
    QString xml = QStringLiteral("  <interface name=\"") + registry_keys::ProgId +
                  QStringLiteral("\">\n"
                                 "    <method name=\"SendCommand\">\n"
                                 "      <arg name=\"commandId\" type=\"i\" direction=\"in\"/>\n"
                                 "      <arg name=\"objectClassId\" type=\"n\" direction=\"in\"/>\n"
                                 "      <arg name=\"objectName\" type=\"s\" direction=\"in\"/>\n"
                                 "    </method>\n"
                                 "    <method name=\"Release\"/>\n");
    for (const AutomationProperties::Property& property : AutomationProperties::all())
        xml += QStringLiteral("    <property name=\"%1\" type=\"%2\" access=\"readwrite\"/>\n")
                   .arg(property.name, property.signature);
    // The connection adds the standard interfaces (Properties, Introspectable, Peer) itself.
    xml += QStringLiteral("  </interface>\n");
    return xml;
}

QString InstanceBusObject::introspect(const QString& path) const
{
    if (m_server.instance(path))
        return interfaceXml();
    if (path != AutomationServer::InstanceRoot)
        return QString();
    QString children;
    const QString prefix = AutomationServer::InstanceRoot + QLatin1Char('/');
    for (const QString& instancePath : m_server.instancePaths())
        children +=
            QStringLiteral("  <node name=\"") + instancePath.mid(prefix.size()) + QStringLiteral("\"/>\n");
    return children;
}

bool InstanceBusObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    // Introspection is answered by the connection from introspect().
    if (message.interface() == IntrospectableInterface)
        return false;

    // Held for the whole call: a Release or a client leaving while the call lets events run
    // must not destroy the instance under it.
    std::shared_ptr<LNSPlugInAPI> api = m_server.instance(message.path());
    if (!api) {
        // One-shot clients (gdbus, busctl) leave the bus after each call; the rule tells them why
        // an instance they created a while ago is gone.
        const qint64 seconds = std::chrono::duration_cast<std::chrono::seconds>(m_server.graceTime()).count();
        connection.send(message.createErrorReply(
            QDBusError::UnknownObject,
            QStringLiteral("No automation instance at ") + message.path() +
                QStringLiteral(". An instance lives until it is released, or until %1 s after every client "
                               "that called it has left the bus; create one with "
                               "Korvandel_zep31_PlugIn.ClassFactory.CreateInstance at /")
                    .arg(seconds)));
        return true;
    }
    m_server.adopt(message.path(), message.service());

    QDBusMessage reply;
    try {
        reply = call(message, *api);
    } catch (const AutomationError& error) {
        reply =
            message.createErrorReply(automation_error_name::forNumber(error.number()), error.description());
    } catch (const lns::Error& error) {
        reply =
            message.createErrorReply(automation_error_name::forNumber(error.number()), error.description());
    } catch (const std::exception& error) {
        reply = message.createErrorReply(QDBusError::Failed, QString::fromLocal8Bit(error.what()));
    }
    // A released instance goes before the answer: when it was the last one the program ends,
    // and the bus name is handed back before the caller hears that the release is done, so a
    // director starting right after reaches a fresh process.
    api.reset();
    if (reply.type() != QDBusMessage::InvalidMessage)
        connection.send(reply);
    return true;
}

QDBusMessage InstanceBusObject::call(const QDBusMessage& message, LNSPlugInAPI& api)
{
    const QString interface = message.interface();
    if (interface == PropertiesInterface)
        return callProperties(message, api);
    if (interface.isEmpty() || interface == registry_keys::ProgId)
        return callPlugIn(message, api);
    return message.createErrorReply(QDBusError::UnknownInterface, QStringLiteral("No interface \"") +
                                                                      interface + QStringLiteral("\" at ") +
                                                                      message.path());
}

QDBusMessage InstanceBusObject::callPlugIn(const QDBusMessage& message, LNSPlugInAPI& api)
{
    const QString member = message.member();
    const QString signature = message.signature();
    if (member == QLatin1String("SendCommand")) {
        if (signature != QLatin1String("ins"))
            return invalidArgs(message,
                               QStringLiteral("SendCommand takes (commandId int32, objectClassId int16, "
                                              "objectName string), signature \"ins\"; got ") +
                                   signatureName(signature));
        const QVariantList arguments = message.arguments();
        api.SendCommand(arguments.at(0).toInt(), static_cast<qint16>(arguments.at(1).toInt()),
                        arguments.at(2).toString());
        return message.createReply();
    }
    if (member == QLatin1String("Release")) {
        if (!signature.isEmpty())
            return invalidArgs(message,
                               QStringLiteral("Release takes no arguments; got ") + signatureName(signature));
        m_server.release(message.path());
        return message.createReply();
    }
    return message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No method \"") + member +
                                                                   QStringLiteral("\" in ") +
                                                                   registry_keys::ProgId);
}

QDBusMessage InstanceBusObject::callProperties(const QDBusMessage& message, LNSPlugInAPI& api)
{
    const QString member = message.member();
    const QString signature = message.signature();
    const QVariantList arguments = message.arguments();

    const auto checkInterface = [&](const QString& name) {
        return name.isEmpty() || name == registry_keys::ProgId;
    };
    const auto unknownInterface = [&](const QString& name) {
        return message.createErrorReply(QDBusError::UnknownInterface,
                                        QStringLiteral("No interface \"") + name +
                                            QStringLiteral("\" with properties"));
    };
    const auto unknownProperty = [&](const QString& name) {
        return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"),
                                        QStringLiteral("No property \"") + name + QStringLiteral("\" in ") +
                                            registry_keys::ProgId);
    };

    if (member == QLatin1String("Get")) {
        if (signature != QLatin1String("ss"))
            return invalidArgs(message,
                               QStringLiteral("Get takes (interface, property), signature \"ss\"; got ") +
                                   signatureName(signature));
        if (!checkInterface(arguments.at(0).toString()))
            return unknownInterface(arguments.at(0).toString());
        const AutomationProperties::Property* property =
            AutomationProperties::find(arguments.at(1).toString());
        if (!property)
            return unknownProperty(arguments.at(1).toString());
        return message.createReply(QVariant::fromValue(QDBusVariant(property->get(api))));
    }
    if (member == QLatin1String("Set")) {
        if (signature != QLatin1String("ssv"))
            return invalidArgs(
                message, QStringLiteral("Set takes (interface, property, value), signature \"ssv\"; got ") +
                             signatureName(signature));
        if (!checkInterface(arguments.at(0).toString()))
            return unknownInterface(arguments.at(0).toString());
        const AutomationProperties::Property* property =
            AutomationProperties::find(arguments.at(1).toString());
        if (!property)
            return unknownProperty(arguments.at(1).toString());
        const QVariant value = arguments.at(2).value<QDBusVariant>().variant();
        if (value.metaType() != AutomationProperties::valueType(property->signature))
            return invalidArgs(message, QStringLiteral("Property \"") + property->name +
                                            QStringLiteral("\" takes a value of type \"") +
                                            property->signature + QStringLiteral("\""));
        property->set(api, value);
        return message.createReply();
    }
    if (member == QLatin1String("GetAll")) {
        if (signature != QLatin1String("s"))
            return invalidArgs(message, QStringLiteral("GetAll takes (interface), signature \"s\"; got ") +
                                            signatureName(signature));
        if (!checkInterface(arguments.at(0).toString()))
            return unknownInterface(arguments.at(0).toString());
        QVariantMap values;
        for (const AutomationProperties::Property& property : AutomationProperties::all())
            values.insert(property.name, property.get(api));
        return message.createReply(QVariant::fromValue(values));
    }
    return message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No method \"") + member +
                                                                   QStringLiteral("\" in ") +
                                                                   PropertiesInterface);
}
