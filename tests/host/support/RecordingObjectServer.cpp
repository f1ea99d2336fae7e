#include "host/support/RecordingObjectServer.h"

#include "host/object_server/Error.h"

namespace {

template <typename T> class NamedItems final : public lns::Collection<T>
{
public:
    explicit NamedItems(QList<std::shared_ptr<T>> items) : m_items(std::move(items)) {}
    int count() const override { return static_cast<int>(m_items.size()); }
    std::shared_ptr<T> item(int position) const override
    {
        if (position < 1 || position > m_items.size())
            throw lns::Error(lns::errors::NotFound, QStringLiteral("no item %1").arg(position));
        return m_items.at(position - 1);
    }
    std::shared_ptr<T> item(const QString& name) const override
    {
        for (const std::shared_ptr<T>& candidate : m_items)
            if (candidate->name() == name)
                return candidate;
        throw lns::Error(lns::errors::NotFound, QStringLiteral("no item named ") + name);
    }

private:
    QList<std::shared_ptr<T>> m_items;
};

class RecordingSystem final : public lns::System
{
public:
    RecordingSystem(const RecordingObjectServer& server, const QString& network)
        : m_server(server), m_network(network)
    {
    }
    QString name() const override { return m_network; }
    void open() override { m_server.record(QStringLiteral("system ") + m_network + QStringLiteral(" open")); }
    void close() override
    {
        m_server.record(QStringLiteral("system ") + m_network + QStringLiteral(" close"));
    }
    bool isOpen() const override { return false; }
    int mode() const override { return 0; }
    std::shared_ptr<lns::Subsystems> subsystems() const override { return nullptr; }
    std::shared_ptr<lns::DeviceTemplates> deviceTemplates() const override { return nullptr; }
    std::shared_ptr<lns::ComponentApps> componentApps() const override { return nullptr; }
    void setBoolOption1(bool on) override { m_server.record(QStringLiteral("system option1 %1").arg(on)); }
    void setBoolOption2(bool on) override { m_server.record(QStringLiteral("system option2 %1").arg(on)); }
    void setNumericOption(qint32 value) override
    {
        m_server.record(QStringLiteral("system numeric %1").arg(value));
    }

private:
    const RecordingObjectServer& m_server;
    QString m_network;
};

class RecordingNetwork final : public lns::Network
{
public:
    RecordingNetwork(const RecordingObjectServer& server, const QString& name)
        : m_server(server), m_name(name), m_system(std::make_shared<RecordingSystem>(server, name))
    {
    }
    QString name() const override { return m_name; }
    void open() override { m_server.record(QStringLiteral("network ") + m_name + QStringLiteral(" open")); }
    void close() override { m_server.record(QStringLiteral("network ") + m_name + QStringLiteral(" close")); }
    bool isOpen() const override { return false; }
    std::shared_ptr<lns::Systems> systems() const override
    {
        return std::make_shared<NamedItems<lns::System>>(QList<std::shared_ptr<lns::System>>{m_system});
    }

private:
    const RecordingObjectServer& m_server;
    QString m_name;
    std::shared_ptr<lns::System> m_system;
};

class NamedInterface final : public lns::NetworkInterface
{
public:
    explicit NamedInterface(const QString& name) : m_name(name) {}
    QString name() const override { return m_name; }

private:
    QString m_name;
};

} // namespace

RecordingObjectServer::RecordingObjectServer(const QStringList& networkNames) : m_networkNames(networkNames)
{
}

RecordingObjectServer::~RecordingObjectServer() = default;

void RecordingObjectServer::preset(bool open, bool remote, quint32 flags)
{
    m_open = open;
    m_remote = remote;
    m_flags = flags;
}

void RecordingObjectServer::record(const QString& entry) const
{
    log.append(entry);
    if (failOn.contains(entry))
        throw lns::Error(lns::errors::InjectedFault, entry + QStringLiteral(" failed"));
}

void RecordingObjectServer::open()
{
    record(QStringLiteral("open"));
    m_open = true;
}

void RecordingObjectServer::close()
{
    record(QStringLiteral("close"));
    m_open = false;
}

void RecordingObjectServer::setRemote(bool remote)
{
    record(QStringLiteral("remote %1").arg(remote));
    m_remote = remote;
}

void RecordingObjectServer::setOpenOption(bool on)
{
    record(QStringLiteral("open option %1").arg(on));
}

void RecordingObjectServer::setConnectionFlags(quint32 flags)
{
    record(QStringLiteral("flags 0x%1").arg(flags, 0, 16));
    m_flags = flags;
}

std::shared_ptr<lns::Networks> RecordingObjectServer::networks() const
{
    QList<std::shared_ptr<lns::Network>> items;
    for (const QString& name : m_networkNames)
        items.append(std::make_shared<RecordingNetwork>(*this, name));
    return std::make_shared<NamedItems<lns::Network>>(items);
}

std::shared_ptr<lns::NetworkInterfaces> RecordingObjectServer::networkInterfaces() const
{
    return std::make_shared<NamedItems<lns::NetworkInterface>>(QList<std::shared_ptr<lns::NetworkInterface>>{
        std::make_shared<NamedInterface>(QStringLiteral("LON1")),
        std::make_shared<NamedInterface>(QStringLiteral("Internet"))});
}

void RecordingObjectServer::setActiveRemoteInterface(
    const std::shared_ptr<lns::NetworkInterface>& networkInterface)
{
    record(QStringLiteral("interface ") + networkInterface->name());
}
