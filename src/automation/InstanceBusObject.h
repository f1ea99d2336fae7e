#pragma once

#include <QDBusVirtualObject>

class AutomationServer;
class LNSPlugInAPI;

// The automation instances below /LNSPlugInAPI on the bus: SendCommand and Release, and the
// properties through org.freedesktop.DBus.Properties, so that a let that must fail reaches
// the client as an error.
class InstanceBusObject final : public QDBusVirtualObject
{
    Q_OBJECT

public:
    static inline const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
    static inline const QString IntrospectableInterface =
        QStringLiteral("org.freedesktop.DBus.Introspectable");

    explicit InstanceBusObject(AutomationServer& server);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

    // The introspection data of one instance.
    static QString interfaceXml();

private:
    QDBusMessage call(const QDBusMessage& message, LNSPlugInAPI& api);
    QDBusMessage callPlugIn(const QDBusMessage& message, LNSPlugInAPI& api);
    QDBusMessage callProperties(const QDBusMessage& message, LNSPlugInAPI& api);

    AutomationServer& m_server;
};
