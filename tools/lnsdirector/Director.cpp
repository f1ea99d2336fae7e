#include "Director.h"

#include "host/CommandTable.h"
#include "host/UnattendedUi.h"

#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>

namespace {

const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int PropertyTimeout = 30000;
constexpr int PollInterval = 500;

} // namespace

Director::Director(const QDBusConnection& bus, const QString& progId, QTextStream& out, QTextStream& err)
    : m_bus(bus), m_progId(progId), m_out(out), m_err(err)
{
}

QDBusMessage Director::call(QDBusMessage message, int timeoutMilliseconds)
{
    return m_bus.call(message, QDBus::Block, timeoutMilliseconds);
}

bool Director::failed(const QString& what, const QDBusMessage& reply)
{
    // The plug-in's automation errors carry their number in the error name.
    const QString prefix = m_progId.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".Error.E");
    if (reply.errorName().startsWith(prefix)) {
        QString number = reply.errorName().mid(prefix.size());
        if (number.startsWith(QLatin1Char('N')))
            number = QLatin1Char('-') + number.mid(1);
        m_err << what << ": error " << number << ": " << reply.errorMessage() << Qt::endl;
        if (m_exitCode == 0)
            m_exitCode = ExitAutomationError;
    } else {
        m_err << what << ": " << reply.errorName() << ": " << reply.errorMessage() << Qt::endl;
        if (m_exitCode == 0)
            m_exitCode = ExitBusFailure;
    }
    return false;
}

bool Director::setProperty(const QString& name, const QVariant& value)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(m_progId, m_instancePath, PropertiesInterface, QStringLiteral("Set"));
    message << m_progId << name << QVariant::fromValue(QDBusVariant(value));
    const QDBusMessage reply = call(message, m_timeout);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return failed(QStringLiteral("setting ") + name, reply);
    return true;
}

std::optional<QVariant> Director::property(const QString& name)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(m_progId, m_instancePath, PropertiesInterface, QStringLiteral("Get"));
    message << m_progId << name;
    const QDBusMessage reply = call(message, PropertyTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

int Director::run(const DirectorOptions& options)
{
    m_timeout = options.timeoutSeconds * 1000;
    const QString factoryInterface =
        m_progId.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".ClassFactory");
    const QDBusMessage created =
        call(QDBusMessage::createMethodCall(m_progId, QStringLiteral("/"), factoryInterface,
                                            QStringLiteral("CreateInstance")),
             m_timeout);
    if (created.type() != QDBusMessage::ReplyMessage || created.arguments().isEmpty()) {
        failed(QStringLiteral("creating an instance of ") + m_progId, created);
        return m_exitCode;
    }
    m_instancePath = created.arguments().constFirst().value<QDBusObjectPath>().path();

    bool ready = true;
    if (options.remote)
        ready = setProperty(QStringLiteral("Remote"), true);
    if (ready && options.interfaceName)
        ready = setProperty(QStringLiteral("NetworkInterfaceName"), *options.interfaceName);
    if (ready && options.networkName)
        ready = setProperty(QStringLiteral("networkName"), *options.networkName);
    if (ready && options.geometry) {
        ready = setProperty(QStringLiteral("Width"), options.geometry->width()) &&
                setProperty(QStringLiteral("Height"), options.geometry->height()) &&
                setProperty(QStringLiteral("Left"), options.geometry->left()) &&
                setProperty(QStringLiteral("Top"), options.geometry->top());
    }
    // A director shows the window before it hands over the device; the plug-in never shows
    // itself. Where nobody could close it, waiting would never end.
    const bool open = options.action == DirectorOptions::Action::Open;
    bool showWindow = open && !options.hidden;
    if (showWindow && !options.wait && UnattendedUi::displayMissing()) {
        m_err << "lnsdirector: no display, so the window stays hidden (--wait shows it and waits)"
              << Qt::endl;
        showWindow = false;
    }
    if (ready && (options.hidden || open))
        ready = setProperty(QStringLiteral("Visible"), showWindow);

    if (ready) {
        qint32 commandId = options.commandId;
        qint16 objectClassId = options.objectClassId;
        QString objectName = options.objectName;
        if (options.action == DirectorOptions::Action::Register ||
            options.action == DirectorOptions::Action::Deregister) {
            commandId = options.action == DirectorOptions::Action::Register ? CommandTable::RegisterCommand
                                                                            : CommandTable::DeregisterCommand;
            objectClassId = 0;
            objectName.clear();
        }
        QDBusMessage message =
            QDBusMessage::createMethodCall(m_progId, m_instancePath, m_progId, QStringLiteral("SendCommand"));
        message << commandId << QVariant::fromValue(objectClassId) << objectName;
        const QDBusMessage reply = call(message, m_timeout);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            failed(QStringLiteral("command ") + QString::number(commandId), reply);
        } else if (options.action == DirectorOptions::Action::Open) {
            m_out << "opened " << options.objectName << Qt::endl;
            if (showWindow)
                waitWhileWindowOpen();
        } else {
            m_out << (commandId == CommandTable::RegisterCommand ? "registered" : "deregistered") << Qt::endl;
        }
    }
    release();
    return m_exitCode;
}

void Director::waitWhileWindowOpen()
{
    QEventLoop loop;
    QDBusServiceWatcher watcher(m_progId, m_bus, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        const std::optional<QVariant> visible = property(QStringLiteral("Visible"));
        if (!visible || !visible->toBool())
            loop.quit();
    });
    poll.start(PollInterval);
    loop.exec();
    m_out << "window closed" << Qt::endl;
}

void Director::release()
{
    if (m_instancePath.isEmpty())
        return;
    // A plug-in that already ended has nothing left to release.
    call(QDBusMessage::createMethodCall(m_progId, m_instancePath, m_progId, QStringLiteral("Release")),
         PropertyTimeout);
    m_instancePath.clear();
}
