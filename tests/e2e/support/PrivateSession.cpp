#include "e2e/support/PrivateSession.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <sys/types.h>

namespace {

constexpr int StartTimeout = 10000;

QString busConfig(const QString& socketFolder, const QString& servicesFolder)
{
    return QStringLiteral(
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n"
               "  <type>session</type>\n"
               "  <listen>unix:dir=%1</listen>\n"
               "  <auth>EXTERNAL</auth>\n"
               "  <servicedir>%2</servicedir>\n"
               "  <policy context=\"default\">\n"
               "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
               "    <allow eavesdrop=\"true\"/>\n"
               "    <allow own=\"*\"/>\n"
               "  </policy>\n"
               "</busconfig>\n")
        .arg(socketFolder, servicesFolder);
}

} // namespace

PrivateSession::PrivateSession()
{
    static int sessions = 0;
    m_connectionName = QStringLiteral("zep31-e2e-%1").arg(++sessions);
    const QString root = m_root.path();
    const QString services = dataHome() + QStringLiteral("/dbus-1/services");
    const QString runtime = root + QStringLiteral("/runtime");
    const QString socket = root + QStringLiteral("/bus");
    for (const QString& folder : {lonWorksHome(), services, runtime, socket})
        QDir().mkpath(folder);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QFile config(root + QStringLiteral("/bus.conf"));
    if (!config.open(QIODevice::WriteOnly)) {
        m_failure = QStringLiteral("cannot write the bus configuration");
        return;
    }
    config.write(busConfig(socket, services).toUtf8());
    config.close();

    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("LONWORKS_HOME"), lonWorksHome());
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("ZEP31_UNATTENDED"), QStringLiteral("1"));
    m_environment.remove(QStringLiteral("DBUS_STARTER_BUS_TYPE"));
    m_environment.remove(QStringLiteral("DBUS_STARTER_ADDRESS"));
    m_environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));

    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        m_failure = QStringLiteral("dbus-daemon is not installed");
        return;
    }
    // The activated plug-in inherits the daemon's environment and its output. Both go to files:
    // a pipe nobody reads while the test sits in a blocking call fills up, and a plug-in
    // writing a box to stderr would then wait for ever.
    m_daemon.setProcessEnvironment(m_environment);
    m_daemon.setProgram(daemon);
    m_daemon.setArguments({QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--nofork"),
                           QStringLiteral("--print-address=1")});
    const QString addressFile = root + QStringLiteral("/bus.address");
    m_daemon.setStandardOutputFile(addressFile);
    m_daemon.setStandardErrorFile(busLog());
    m_daemon.start();
    QFile address(addressFile);
    QDeadlineTimer deadline(StartTimeout);
    while (m_address.isEmpty() && !deadline.hasExpired() && m_daemon.state() != QProcess::NotRunning) {
        if (address.open(QIODevice::ReadOnly)) {
            const QByteArray line = address.readLine();
            if (line.endsWith('\n'))
                m_address = QString::fromUtf8(line).trimmed();
            address.close();
        }
        if (m_address.isEmpty())
            QThread::msleep(20);
    }
    if (m_address.isEmpty()) {
        QFile log(busLog());
        m_failure = QStringLiteral("dbus-daemon did not start: ") +
                    (log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString());
        return;
    }
    m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
}

PrivateSession::~PrivateSession()
{
    for (const std::shared_ptr<QProcess>& process : std::as_const(m_processes)) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    if (!m_address.isEmpty()) {
        killPlugIn();
        QDBusConnection::disconnectFromBus(m_connectionName);
    }
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

QString PrivateSession::activationFile() const
{
    return dataHome() + QStringLiteral("/dbus-1/services/") + BusName + QStringLiteral(".service");
}

QString PrivateSession::program(const QString& name)
{
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    if (QFile::exists(beside))
        return beside;
    return QStandardPaths::findExecutable(name);
}

void PrivateSession::unsetForPrograms(const QStringList& names)
{
    for (const QString& name : names)
        m_environment.remove(name);
}

void PrivateSession::setForPrograms(const QString& name, const QString& value)
{
    m_environment.insert(name, value);
}

PrivateSession::Run PrivateSession::run(const QString& name, const QStringList& arguments, int timeoutMs)
{
    return finish(start(name, arguments), timeoutMs);
}

QProcess& PrivateSession::start(const QString& name, const QStringList& arguments)
{
    auto process = std::make_shared<QProcess>();
    process->setProcessEnvironment(m_environment);
    process->start(program(name), arguments);
    process->waitForStarted(StartTimeout);
    m_processes.append(process);
    return *process;
}

PrivateSession::Run PrivateSession::finish(QProcess& process, int timeoutMs)
{
    Run result;
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QDBusConnection PrivateSession::bus() const
{
    return QDBusConnection::connectToBus(m_address, m_connectionName);
}

bool PrivateSession::plugInOnBus() const
{
    const QDBusConnection connection = bus();
    return connection.interface() && connection.interface()->isServiceRegistered(BusName).value();
}

bool PrivateSession::waitForPlugInGone(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (plugInOnBus()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(50);
    }
    return true;
}

bool PrivateSession::waitForFile(const QString& path, bool exists, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (QFile::exists(path) != exists) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

void PrivateSession::killPlugIn()
{
    // The bus started the plug-in; its process id comes from the bus.
    const QDBusConnection connection = bus();
    if (!connection.interface() || !connection.interface()->isServiceRegistered(BusName).value())
        return;
    const QDBusReply<uint> pid = connection.interface()->servicePid(BusName);
    if (pid.isValid() && pid.value() > 0)
        ::kill(static_cast<pid_t>(pid.value()), SIGKILL);
}
