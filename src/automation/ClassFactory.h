#pragma once

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>

class AutomationServer;

// The object at "/" that creates automation instances for directors.
class ClassFactory final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Korvandel_zep31_PlugIn.ClassFactory")

public:
    explicit ClassFactory(AutomationServer& server);

public slots:
    QDBusObjectPath CreateInstance();

private:
    AutomationServer& m_server;
};
