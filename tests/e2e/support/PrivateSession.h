#pragma once

#include <QDBusConnection>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A private desktop session for one test: a LonWorks home, an XDG data folder whose
// dbus-1/services the bus activates from, and a dbus-daemon of its own. Every process it
// starts, the activated plug-in included, is killed when it goes.
class PrivateSession final
{
public:
    struct Run
    {
        bool finished = false;
        int exitCode = -1;
        QString out;
        QString err;
    };

    static inline const QString BusName = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");

    PrivateSession();
    ~PrivateSession();
    PrivateSession(const PrivateSession&) = delete;
    PrivateSession& operator=(const PrivateSession&) = delete;

    // Empty when the bus runs; otherwise why not.
    const QString& failure() const { return m_failure; }
    QString lonWorksHome() const { return m_root.path() + QStringLiteral("/lonworks"); }
    QString dataHome() const { return m_root.path() + QStringLiteral("/data"); }
    QString activationFile() const;
    // What the bus and the plug-ins it started wrote to stdout and stderr.
    QString busLog() const { return m_root.path() + QStringLiteral("/bus.log"); }
    QProcessEnvironment environment() const { return m_environment; }
    // Later programs start without these variables (the activated plug-in keeps them).
    void unsetForPrograms(const QStringList& names);
    void setForPrograms(const QString& name, const QString& value);

    // A program next to the test executable (zep31-plugin, lnsdirector, lns-netdb) or on the PATH.
    static QString program(const QString& name);
    // Runs to its end, at most timeoutMs; killed after that.
    Run run(const QString& name, const QStringList& arguments, int timeoutMs = 60000);
    // Starts in the background; killed with the session.
    QProcess& start(const QString& name, const QStringList& arguments);
    // Waits for a background process, at most timeoutMs.
    static Run finish(QProcess& process, int timeoutMs = 60000);

    // A client connection of the test itself to the private bus.
    QDBusConnection bus() const;
    bool plugInOnBus() const;
    // Waits until the plug-in has left the bus, at most timeoutMs.
    bool waitForPlugInGone(int timeoutMs);
    // Waits until a file exists, at most timeoutMs.
    static bool waitForFile(const QString& path, bool exists, int timeoutMs);

private:
    void killPlugIn();

    QTemporaryDir m_root;
    QString m_failure;
    QProcess m_daemon;
    QString m_address;
    QString m_connectionName;
    QProcessEnvironment m_environment;
    QList<std::shared_ptr<QProcess>> m_processes;
};
