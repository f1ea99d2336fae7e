#pragma once

#include "host/object_server/ComponentApp.h"
#include "host/object_server/Network.h"
#include "host/object_server/NetworkInterface.h"
#include "host/object_server/NetworkVariable.h"
#include "host/object_server/ProfileReader.h"
#include "host/object_server/ResourceCatalogue.h"
#include "host/object_server/ResourceFileReader.h"

#include <QObject>
#include <QString>
#include <memory>

namespace lns {

// The LNS object server as the plug-in sees it. Every call may throw lns::Error.
// Monitoring events are delivered on the thread that owns this object, through its event
// loop, so they arrive only while that loop runs.
class ObjectServer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool isOpen() const = 0;
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool remote() const = 0;
    virtual void setRemote(bool remote) = 0;
    // The boolean option the plug-in clears before every open.
    virtual void setOpenOption(bool on) = 0;
    // Connection flags: 0x10 = connect over the Internet, 0x20 = through a named interface.
    virtual quint32 connectionFlags() const = 0;
    virtual void setConnectionFlags(quint32 flags) = 0;

    virtual std::shared_ptr<Networks> networks() const = 0;
    virtual std::shared_ptr<NetworkInterfaces> networkInterfaces() const = 0;
    virtual void setActiveRemoteInterface(const std::shared_ptr<NetworkInterface>& networkInterface) = 0;
    virtual std::shared_ptr<ComponentApps> componentApps() const = 0;

    virtual std::unique_ptr<ResourceCatalogue> createResourceCatalogue() const = 0;
    virtual std::unique_ptr<ResourceFileReader> createResourceFileReader() const = 0;
    virtual std::unique_ptr<ProfileReader> createProfileReader() const = 0;

signals:
    void nvUpdate(qint32 tag, const QString& value, std::shared_ptr<lns::NetworkVariable> networkVariable);
    void nvUpdateError(qint32 tag);
    // Carries nothing the plug-in uses; windows repaint on it.
    void systemEvent();
};

} // namespace lns
