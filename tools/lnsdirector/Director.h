#pragma once

#include "DirectorOptions.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QTextStream>
#include <QVariant>
#include <optional>

// Drives one plug-in over the bus the way a network tool does: creates an instance through
// the plug-in's class factory, sets its properties, sends the command and releases it.
class Director final
{
public:
    static constexpr int ExitBusFailure = 2;
    static constexpr int ExitAutomationError = 3;

    Director(const QDBusConnection& bus, const QString& progId, QTextStream& out, QTextStream& err);
    Director(const Director&) = delete;
    Director& operator=(const Director&) = delete;

    // Returns the exit code.
    int run(const DirectorOptions& options);

private:
    QDBusMessage call(QDBusMessage message, int timeoutMilliseconds);
    bool setProperty(const QString& name, const QVariant& value);
    std::optional<QVariant> property(const QString& name);
    // Prints what went wrong and remembers the exit code; always false.
    bool failed(const QString& what, const QDBusMessage& reply);
    void waitWhileWindowOpen();
    void release();

    QDBusConnection m_bus;
    QString m_progId;
    QString m_instancePath;
    QTextStream& m_out;
    QTextStream& m_err;
    int m_timeout = 0;
    int m_exitCode = 0;
};
