#pragma once

#include "host/object_server/ObjectServer.h"

#include <QStringList>

// An object server that writes every call into one log, with networks of one system each and
// the network interfaces "LON1" and "Internet". A call named in failOn throws.
class RecordingObjectServer final : public lns::ObjectServer
{
    Q_OBJECT

public:
    explicit RecordingObjectServer(const QStringList& networkNames);
    ~RecordingObjectServer() override;

    // Every call, in order; calls made through the objects it hands out as well.
    mutable QStringList log;
    // Entries of the log that throw lns::Error instead ("open", "network Demo open", ...).
    QStringList failOn;

    // The state before a test, without a log entry.
    void preset(bool open, bool remote, quint32 flags);

    bool isOpen() const override { return m_open; }
    void open() override;
    void close() override;
    bool remote() const override { return m_remote; }
    void setRemote(bool remote) override;
    void setOpenOption(bool on) override;
    quint32 connectionFlags() const override { return m_flags; }
    void setConnectionFlags(quint32 flags) override;

    std::shared_ptr<lns::Networks> networks() const override;
    std::shared_ptr<lns::NetworkInterfaces> networkInterfaces() const override;
    void setActiveRemoteInterface(const std::shared_ptr<lns::NetworkInterface>& networkInterface) override;
    std::shared_ptr<lns::ComponentApps> componentApps() const override { return nullptr; }

    std::unique_ptr<lns::ResourceCatalogue> createResourceCatalogue() const override { return nullptr; }
    std::unique_ptr<lns::ResourceFileReader> createResourceFileReader() const override { return nullptr; }
    std::unique_ptr<lns::ProfileReader> createProfileReader() const override { return nullptr; }

    // Appends the entry, throwing when it is to fail.
    void record(const QString& entry) const;

private:
    QStringList m_networkNames;
    bool m_open = false;
    bool m_remote = false;
    quint32 m_flags = 0;
};
