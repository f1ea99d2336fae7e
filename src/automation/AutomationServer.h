#pragma once

#include "host/Expected.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>
#include <optional>

class ClassFactory;
class InstanceBusObject;
class LNSPlugInAPI;
class PlugInHost;

// The plug-in on the session bus: the bus name, the class factory at "/" and the automation
// instances at /LNSPlugInAPI/<n>. An instance lives until it is released or every client that
// used it has left the bus and none has called it within the grace time (so that a sequence of
// one-shot clients, gdbus calls for example, can still drive one instance). A process that
// never gets an instance ends after the idle time.
class AutomationServer final : public QObject
{
    Q_OBJECT

public:
    static inline const QString InstanceRoot = QStringLiteral("/LNSPlugInAPI");
    static constexpr std::chrono::milliseconds DefaultIdleTime{std::chrono::seconds(60)};
    static constexpr std::chrono::milliseconds DefaultGraceTime{std::chrono::seconds(10)};

    AutomationServer(PlugInHost& host, const QDBusConnection& bus,
                     std::chrono::milliseconds idleTime = DefaultIdleTime,
                     std::chrono::milliseconds graceTime = DefaultGraceTime, QObject* parent = nullptr);
    ~AutomationServer() override;
    AutomationServer(const AutomationServer&) = delete;
    AutomationServer& operator=(const AutomationServer&) = delete;

    // Registers the objects and the bus name.
    Expected<void> start();

    // Creates an instance for a client (its unique bus name); returns the object path.
    QString createInstance(const QString& client);
    // Null when no instance lives at the path.
    std::shared_ptr<LNSPlugInAPI> instance(const QString& path) const;
    // A client (its unique bus name) calls the instance: it keeps the instance alive.
    void adopt(const QString& path, const QString& client);
    // Destroys the instance at the path; false when there was none.
    bool release(const QString& path);
    QStringList instancePaths() const;
    // How long an instance outlives the last client that used it.
    std::chrono::milliseconds graceTime() const { return m_graceTime; }

    // The program is about to end: gives up the bus name at once, so that the bus starts a
    // fresh process for the next director instead of handing it to this one, and refuses new
    // instances from here on.
    void retire();
    // The program is ending: drop every instance without ending it again.
    void shutdown();

private slots:
    // The bus went away: no client can reach an instance any more.
    void busLost();

private:
    struct Entry
    {
        std::shared_ptr<LNSPlugInAPI> instance;
        QSet<QString> clients;
        // Runs while no client holds the instance.
        std::unique_ptr<QTimer> orphanTimer;
    };

    static std::optional<quint64> numberOf(const QString& path);
    static QString pathOf(quint64 number);
    void clientLeft(const QString& client);
    void idleTimeout();
    bool clientHasInstances(const QString& client) const;

    PlugInHost& m_host;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    QTimer m_idleTimer;
    std::chrono::milliseconds m_graceTime;
    std::unique_ptr<ClassFactory> m_factory;
    std::unique_ptr<InstanceBusObject> m_instanceObject;
    std::map<quint64, Entry> m_instances;
    quint64 m_nextNumber = 1;
    bool m_everCreated = false;
    bool m_registered = false;
    bool m_retired = false;
};
