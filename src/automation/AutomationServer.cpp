#include "automation/AutomationServer.h"

#include "automation/ClassFactory.h"
#include "automation/InstanceBusObject.h"
#include "automation/LNSPlugInAPI.h"
#include "automation/PlugInHost.h"
#include "host/AppContext.h"
#include "host/AutomationError.h"
#include "host/RegistryKeys.h"

AutomationServer::AutomationServer(PlugInHost& host, const QDBusConnection& bus,
                                   std::chrono::milliseconds idleTime, std::chrono::milliseconds graceTime,
                                   QObject* parent)
    : QObject(parent), m_host(host), m_bus(bus), m_graceTime(graceTime),
      m_factory(std::make_unique<ClassFactory>(*this)),
      m_instanceObject(std::make_unique<InstanceBusObject>(*this))
{
    m_watcher.setConnection(bus);
    m_watcher.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &AutomationServer::clientLeft);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(idleTime);
    connect(&m_idleTimer, &QTimer::timeout, this, &AutomationServer::idleTimeout);
}

AutomationServer::~AutomationServer()
{
    shutdown();
    if (m_registered) {
        m_bus.unregisterService(registry_keys::ProgId);
        m_bus.unregisterObject(InstanceRoot, QDBusConnection::UnregisterTree);
        m_bus.unregisterObject(QStringLiteral("/"));
    }
}

Expected<void> AutomationServer::start()
{
    if (!m_bus.isConnected())
        return Failure{QStringLiteral("Not connected to the D-Bus session bus: ") +
                       m_bus.lastError().message()};
    if (!m_bus.registerObject(QStringLiteral("/"), m_factory.get(), QDBusConnection::ExportAllSlots))
        return Failure{QStringLiteral("Cannot register the class factory at \"/\": ") +
                       m_bus.lastError().message()};
    if (!m_bus.registerVirtualObject(InstanceRoot, m_instanceObject.get(), QDBusConnection::SubPath)) {
        m_bus.unregisterObject(QStringLiteral("/"));
        return Failure{QStringLiteral("Cannot register the automation instances at ") + InstanceRoot +
                       QStringLiteral(": ") + m_bus.lastError().message()};
    }
    m_registered = true;
    m_bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                  QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), this,
                  SLOT(busLost()));
    if (!m_bus.registerService(registry_keys::ProgId)) {
        const QString reason = m_bus.lastError().message();
        return Failure{QStringLiteral("Cannot own the bus name ") + registry_keys::ProgId +
                       (reason.isEmpty() ? QStringLiteral(" (another plug-in process serves it)")
                                         : QStringLiteral(": ") + reason)};
    }
    m_idleTimer.start();
    return {};
}

std::optional<quint64> AutomationServer::numberOf(const QString& path)
{
    const QString prefix = InstanceRoot + QLatin1Char('/');
    if (!path.startsWith(prefix))
        return std::nullopt;
    bool valid = false;
    const quint64 number = path.mid(prefix.size()).toULongLong(&valid);
    // Only the path as the factory wrote it names the instance.
    if (!valid || pathOf(number) != path)
        return std::nullopt;
    return number;
}

QString AutomationServer::pathOf(quint64 number)
{
    return InstanceRoot + QLatin1Char('/') + QString::number(number);
}

QString AutomationServer::createInstance(const QString& client)
{
    if (m_retired)
        throw AutomationError(AutomationError::NotPossibleNow,
                              QStringLiteral("The plug-in is ending; start it again"));
    auto instance = std::make_shared<LNSPlugInAPI>(m_host);
    const quint64 number = m_nextNumber++;
    m_everCreated = true;
    m_idleTimer.stop();

    Entry entry;
    entry.instance = std::move(instance);
    entry.orphanTimer = std::make_unique<QTimer>();
    entry.orphanTimer->setSingleShot(true);
    entry.orphanTimer->setInterval(m_graceTime);
    const QString path = pathOf(number);
    connect(entry.orphanTimer.get(), &QTimer::timeout, this, [this, path] { release(path); });
    m_instances.emplace(number, std::move(entry));
    if (client.isEmpty())
        m_instances.at(number).orphanTimer->start();
    else
        adopt(path, client);
    return path;
}

void AutomationServer::adopt(const QString& path, const QString& client)
{
    const std::optional<quint64> number = numberOf(path);
    if (!number || client.isEmpty())
        return;
    const auto found = m_instances.find(*number);
    if (found == m_instances.end())
        return;
    if (!clientHasInstances(client))
        m_watcher.addWatchedService(client);
    found->second.clients.insert(client);
    found->second.orphanTimer->stop();
}

std::shared_ptr<LNSPlugInAPI> AutomationServer::instance(const QString& path) const
{
    const std::optional<quint64> number = numberOf(path);
    if (!number)
        return nullptr;
    const auto found = m_instances.find(*number);
    return found == m_instances.end() ? nullptr : found->second.instance;
}

bool AutomationServer::release(const QString& path)
{
    const std::optional<quint64> number = numberOf(path);
    const auto found = number ? m_instances.find(*number) : m_instances.end();
    if (found == m_instances.end())
        return false;
    // Destroyed when this returns, with the list already consistent.
    const std::shared_ptr<LNSPlugInAPI> api = std::move(found->second.instance);
    const QSet<QString> clients = found->second.clients;
    m_instances.erase(found);
    for (const QString& client : clients)
        if (!clientHasInstances(client))
            m_watcher.removeWatchedService(client);
    return true;
}

QStringList AutomationServer::instancePaths() const
{
    QStringList paths;
    for (const auto& [number, entry] : m_instances)
        paths.append(pathOf(number));
    return paths;
}

void AutomationServer::retire()
{
    if (m_retired)
        return;
    m_retired = true;
    m_idleTimer.stop();
    // A blocking call: once it returns, the bus routes the name to nobody but a new process.
    if (m_registered)
        m_bus.unregisterService(registry_keys::ProgId);
}

void AutomationServer::shutdown()
{
    m_idleTimer.stop();
    m_host.setEnding();
    std::map<quint64, Entry> instances;
    instances.swap(m_instances);
    instances.clear();
}

bool AutomationServer::clientHasInstances(const QString& client) const
{
    for (const auto& [number, entry] : m_instances)
        if (entry.clients.contains(client))
            return true;
    return false;
}

void AutomationServer::clientLeft(const QString& client)
{
    m_watcher.removeWatchedService(client);
    for (auto& [number, entry] : m_instances) {
        if (entry.clients.remove(client) && entry.clients.isEmpty())
            entry.orphanTimer->start();
    }
}

void AutomationServer::busLost()
{
    m_idleTimer.stop();
    std::map<quint64, Entry> instances;
    instances.swap(m_instances);
    instances.clear();
    // A process that never served anybody has nothing left to do.
    if (!m_everCreated && !m_host.ending()) {
        m_host.setEnding();
        if (m_host.context().endProgram)
            m_host.context().endProgram();
    }
}

void AutomationServer::idleTimeout()
{
    if (m_everCreated || m_host.ending())
        return;
    m_host.setEnding();
    if (m_host.context().endProgram)
        m_host.context().endProgram();
}
